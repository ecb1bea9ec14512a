#include "runs/ranking.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/fide/fide_tie_break.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// A run of players in the order, equal on everything ranked so far: [begin, end).
struct Tied {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Negative when player a ranks before b on row, positive after, 0 when they are equal.
int compareOnRow(const ResultRow& row, std::uint32_t a, std::uint32_t b) {
    const double x = row.values[a];
    const double y = row.values[b];
    // A recursive rivals average with nothing left (negative infinity) still ranks as the
    // lowest number, as it always has; only not-a-number ranks last.
    const bool fide = row.row.fide.has_value();
    const bool xMissing = fide ? !hasValue(x) : std::isnan(x);
    const bool yMissing = fide ? !hasValue(y) : std::isnan(y);
    if (xMissing || yMissing) return xMissing == yMissing ? 0 : xMissing ? 1 : -1;
    if (x == y) return 0;
    const bool lower = fide && lowerIsBetter(*row.row.fide);
    return (lower ? x < y : x > y) ? -1 : 1;
}

// Direct encounter for each group of tied players, into row (values, and breakdowns when the
// run explains). StatusOk or StatusNoMemory.
int directEncounters(RunResult& result, ResultRow& row, const std::vector<std::uint32_t>& order,
                     const std::vector<Tied>& groups) {
    const bool explain = result.request.explain;
    if (explain) row.breakdowns.assign(result.tournament.playerCount(), {});
    std::vector<double> places;
    std::vector<FideBreakdown> breakdowns;
    for (const Tied& group : groups) {
        // A player alone in his group is placed by nobody: 0, as direct encounter gives him. Its
        // breakdown is asked for only to be shown.
        if (group.end - group.begin == 1 && !explain) {
            row.values[order[group.begin]] = 0.0;
            continue;
        }
        const std::span<const std::uint32_t> members(order.data() + group.begin,
                                                     group.end - group.begin);
        places.resize(members.size());
        const int status =
            directEncounter(result.tournament, *row.row.fide, result.request.fideRules, members,
                            places, explain ? &breakdowns : nullptr);
        if (failed(status)) return StatusNoMemory;
        for (std::size_t k = 0; k < members.size(); ++k) {
            row.values[members[k]] = places[k];
            if (explain) row.breakdowns[members[k]] = std::move(breakdowns[k]);
        }
    }
    return StatusOk;
}

// The groups split where the players differ on row, after ordering each by it.
std::vector<Tied> splitByRow(const ResultRow& row, std::vector<std::uint32_t>& order,
                             const std::vector<Tied>& groups) {
    std::vector<Tied> split;
    for (const Tied& group : groups) {
        const auto first = order.begin() + static_cast<std::ptrdiff_t>(group.begin);
        const auto last = order.begin() + static_cast<std::ptrdiff_t>(group.end);
        std::stable_sort(first, last, [&](std::uint32_t a, std::uint32_t b) {
            return compareOnRow(row, a, b) < 0;
        });
        std::size_t begin = group.begin;
        for (std::size_t k = group.begin + 1; k <= group.end; ++k) {
            if (k < group.end && compareOnRow(row, order[k - 1], order[k]) == 0) continue;
            split.push_back({begin, k});
            begin = k;
        }
    }
    return split;
}

}  // namespace

int rankPlayers(RunResult& result) noexcept {
    return guardMemory(StatusNoMemory, [&] {
        const std::uint32_t n = result.tournament.playerCount();
        const auto points = result.tournament.totalPoints();
        std::vector<std::uint32_t> order(n);
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return points[a] > points[b]; });
        std::vector<Tied> groups;
        for (std::size_t begin = 0, k = 1; k <= n; ++k) {
            if (k < n && points[order[k - 1]] == points[order[k]]) continue;
            groups.push_back({begin, k});
            begin = k;
        }
        const std::size_t ranking = result.ranksByEveryRow() ? result.rows.size() : 1;
        for (std::size_t r = 0; r < ranking && r < result.rows.size(); ++r) {
            ResultRow& row = result.rows[r];
            if (row.row.fide && row.row.fide->code == FideDe &&
                failed(directEncounters(result, row, order, groups))) {
                return StatusNoMemory;
            }
            groups = splitByRow(row, order, groups);
        }
        // Direct encounter in a row that does not rank, or after the groups left: each player's
        // group is himself.
        for (ResultRow& row : result.rows) {
            if (!row.row.fide || row.row.fide->code != FideDe || std::isfinite(row.values[0]) ||
                n == 0) {
                continue;
            }
            std::vector<Tied> alone;
            for (std::size_t k = 0; k < n; ++k)
                alone.push_back({k, k + 1});
            if (failed(directEncounters(result, row, order, alone))) return StatusNoMemory;
        }
        result.ranks.assign(n, {});
        for (const Tied& group : groups) {
            for (std::size_t k = group.begin; k < group.end; ++k) {
                result.ranks[order[k]] = {static_cast<std::uint32_t>(group.begin + 1),
                                          static_cast<std::uint32_t>(group.end)};
            }
        }
        if (!result.request.sorted) std::iota(order.begin(), order.end(), 0u);
        result.order = std::move(order);
        return StatusOk;
    });
}

}  // namespace tiebreak
