// The rivals average: the mean of a player's opponents' values, trimmed of the worst and best of
// them.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/opponent_lists.h"
#include "engine/rival_trimming.h"
#include "engine/tie_break.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

bool ascendingValue(double a, double b) noexcept {
    return a < b || (!std::isnan(a) && std::isnan(b));
}

TrimmedRange trimmedRange(long entries, long rounds, int dropWorst, int dropBest) noexcept {
    const long worst = std::max(dropWorst, 0);
    const long best = std::max(dropBest, 0);
    return {std::max(worst - (rounds - entries), 0L), entries - best};
}

int trimmedRivalsAverage(const TournamentTable& table, std::span<double> out,
                         std::span<const double> values, int dropWorst, int dropBest) noexcept {
    assert(out.data() != values.data());
    const long rounds = table.maxGamesPlayed();
    return guardMemory(StatusNoMemory, [&] {
        const OpponentLists lists(table);
        std::vector<double> entries;
        entries.reserve(static_cast<std::size_t>(rounds));
        for (std::uint32_t i = 0; i < out.size(); ++i) {
            // 1. One entry per game, opponents in table order.
            entries.clear();
            const auto opponents = lists.opponents(i);
            const auto counts = lists.counts(i);
            for (std::size_t k = 0; k < opponents.size(); ++k) {
                entries.insert(entries.end(), static_cast<std::size_t>(counts[k]),
                               values[opponents[k]]);
            }
            // 2. Ascending values.
            std::sort(entries.begin(), entries.end(), ascendingValue);
            // 3.-6. Nothing kept is negative infinity; otherwise the kept entries, summed upward.
            const TrimmedRange range =
                trimmedRange(static_cast<long>(entries.size()), rounds, dropWorst, dropBest);
            const long kept = range.end - range.low;
            if (kept <= 0) {
                out[i] = -std::numeric_limits<double>::infinity();
                continue;
            }
            double sum = 0.0;
            for (long k = range.low; k < range.end; ++k)
                sum += entries[static_cast<std::size_t>(k)];
            out[i] = sum / static_cast<double>(kept);
        }
        return StatusOk;
    });
}

}  // namespace tiebreak
