// The matrix of the tie-break systems, built in one place for the runs, the tests and the
// benchmarks.
#include "engine/svd/svd.h"

#include <algorithm>

namespace tiebreak {

std::vector<std::uint32_t> activePlayers(const TournamentTable& table) {
    const auto games = table.gamesPlayed();
    std::vector<std::uint32_t> active;
    for (std::uint32_t i = 0; i < games.size(); ++i) {
        if (games[i] != 0) active.push_back(i);
    }
    return active;
}

std::size_t levelRowCount(Centring centring) noexcept {
    return centring != WholeField && centring->count() > 1 ? centring->count() : 1;
}

std::size_t levelRowOf(Centring centring, std::uint32_t player) noexcept {
    if (levelRowCount(centring) == 1) return 0;
    return static_cast<std::size_t>(centring->groupOf[player]);
}

Matrix systemMatrixByColumns(const TournamentTable& table, std::span<const std::uint32_t> active,
                             Centring centring) {
    const auto games = table.gamesPlayed();
    const std::size_t count = active.size();
    // The position of each active player among the active ones.
    std::vector<std::int64_t> position(table.playerCount(), -1);
    for (std::size_t q = 0; q < count; ++q)
        position[active[q]] = static_cast<std::int64_t>(q);
    // Entry (q, r) is row r, column q. Pairs that never met hold minus zero, the negated share
    // of no games, as every other entry of the row is made.
    Matrix columns(count, count + levelRowCount(centring));
    for (std::size_t q = 0; q < count; ++q)
        std::fill(columns.row(q), columns.row(q) + count, -0.0);
    for (std::size_t r = 0; r < count; ++r) {
        const double ownGames = static_cast<double>(games[active[r]]);
        for (const GamesAgainst& entry : table.opponents(active[r])) {
            // A game standing in one line only may name an opponent without games of his own.
            const std::int64_t q = position[entry.opponent];
            if (q >= 0 && static_cast<std::size_t>(q) != r)
                columns(static_cast<std::size_t>(q), r) =
                    -(static_cast<double>(entry.games) / ownGames);
        }
        columns(r, r) = 1.0;
        columns(r, count + levelRowOf(centring, active[r])) = ownGames;
    }
    return columns;
}

}  // namespace tiebreak
