// The matrix of the tie-break systems, built in one place for the runs, the tests and the
// benchmarks.
#include "engine/svd/svd.h"

namespace tiebreak {

std::vector<std::uint32_t> activePlayers(const TournamentTable& table) {
    const auto games = table.gamesPlayed();
    std::vector<std::uint32_t> active;
    for (std::uint32_t i = 0; i < games.size(); ++i) {
        if (games[i] != 0) active.push_back(i);
    }
    return active;
}

Matrix systemMatrixByColumns(const TournamentTable& table, std::span<const std::uint32_t> active) {
    const auto games = table.gamesPlayed();
    const std::size_t count = active.size();
    // Entry (q, r) is row r, column q.
    Matrix columns(count, count + 1);
    for (std::size_t r = 0; r < count; ++r) {
        const auto row = table.gamesAgainstRow(active[r]);
        const double ownGames = static_cast<double>(games[active[r]]);
        for (std::size_t q = 0; q < count; ++q)
            columns(q, r) = r == q ? 1.0 : -(static_cast<double>(row[active[q]]) / ownGames);
        columns(r, count) = ownGames;
    }
    return columns;
}

}  // namespace tiebreak
