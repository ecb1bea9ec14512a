#include "engine/opponent_lists.h"

namespace tiebreak {

OpponentLists::OpponentLists(const TournamentTable& table) {
    const std::uint32_t n = table.playerCount();
    start_.reserve(std::size_t{n} + 1);
    games_.reserve(n);
    start_.push_back(0);
    for (std::uint32_t i = 0; i < n; ++i) {
        const auto row = table.gamesAgainstRow(i);
        for (std::uint32_t j = 0; j < n; ++j) {
            if (row[j] == 0) continue;
            opponents_.push_back(j);
            counts_.push_back(static_cast<double>(row[j]));
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
    for (std::uint32_t i = 0; i < out.size(); ++i)
        out[i] = lists.average(i, x) + terms[i];
}

}  // namespace tiebreak
