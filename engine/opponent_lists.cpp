#include "engine/opponent_lists.h"

#include "engine/parallel_pieces.h"

namespace tiebreak {

OpponentLists::OpponentLists(const TournamentTable& table) {
    const std::uint32_t n = table.playerCount();
    std::size_t entries = 0;
    for (std::uint32_t i = 0; i < n; ++i)
        entries += table.opponents(i).size();
    start_.reserve(std::size_t{n} + 1);
    opponents_.reserve(entries);
    counts_.reserve(entries);
    games_.reserve(n);
    start_.push_back(0);
    for (std::uint32_t i = 0; i < n; ++i) {
        for (const GamesAgainst& entry : table.opponents(i)) {
            opponents_.push_back(entry.opponent);
            counts_.push_back(static_cast<double>(entry.games));
        }
        start_.push_back(opponents_.size());
        games_.push_back(static_cast<double>(table.gamesPlayed()[i]));
    }
}

double OpponentLists::average(std::uint32_t i, std::span<const double> values) const noexcept {
    double sum = 0.0;
    for (std::size_t k = start_[i]; k < start_[i + 1]; ++k) {
        sum += counts_[k] * values[opponents_[k]];
    }
    return sum / games_[i];
}

std::span<const std::uint32_t> OpponentLists::opponents(std::uint32_t i) const noexcept {
    return std::span<const std::uint32_t>(opponents_).subspan(start_[i], start_[i + 1] - start_[i]);
}

std::span<const double> OpponentLists::counts(std::uint32_t i) const noexcept {
    return std::span<const double>(counts_).subspan(start_[i], start_[i + 1] - start_[i]);
}

void applyRecursiveMap(const OpponentLists& lists, std::span<double> out, std::span<const double> x,
                       std::span<const double> terms) noexcept {
    // Each player's value is a sum of its own, so the players are shared among the cores.
    forEachPiece(0, out.size(), lists.entries(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            out[i] = lists.average(static_cast<std::uint32_t>(i), x) + terms[i];
    });
}

}  // namespace tiebreak
