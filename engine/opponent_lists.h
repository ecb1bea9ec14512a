#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tournament/tournament_table.h"

namespace tiebreak {

// Each player's opponents in table order with the number of games against each, gathered once
// from the table into one flat array for the sweeps. Sums over a list visit the same terms in the
// same order as a scan of all players that skips those never met, at a cost proportional to the
// games.
class OpponentLists {
public:
    // Reads the table's lists once. May throw std::bad_alloc.
    explicit OpponentLists(const TournamentTable& table);

    // (sum over opponents j of count * values[j]) / gamesPlayed[i]: 0 / 0 for an inactive player.
    [[nodiscard]] double average(std::uint32_t i, std::span<const double> values) const noexcept;

    // The opponents of player i and how often each was met, in table order.
    [[nodiscard]] std::span<const std::uint32_t> opponents(std::uint32_t i) const noexcept;
    [[nodiscard]] std::span<const double> counts(std::uint32_t i) const noexcept;
    [[nodiscard]] double games(std::uint32_t i) const noexcept { return games_[i]; }
    // The entries of all lists: the games, each counted from both sides.
    [[nodiscard]] std::size_t entries() const noexcept { return opponents_.size(); }

private:
    std::vector<std::size_t> start_;  // player i's entries are [start_[i], start_[i + 1])
    std::vector<std::uint32_t> opponents_;
    std::vector<double> counts_;
    std::vector<double> games_;
};

// One application of the recursive map: out[i] = the rivals average of x at i plus terms[i], all
// of out from the same x.
void applyRecursiveMap(const OpponentLists& lists, std::span<double> out, std::span<const double> x,
                       std::span<const double> terms) noexcept;

}  // namespace tiebreak
