// Recursive performance: x[i] = the games-weighted mean of the opponents' x plus the centred
// rating difference of the player's percentage score, solved by simultaneous fixed-point sweeps
// from the ratings. The fixed-point iteration is shared with recursive Buchholz.
#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

#include "engine/opponent_lists.h"
#include "engine/tie_break.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// FIDE's conversion of a fractional score to a rating difference, in Elo points, for the whole
// percentages 50 to 100; percentage 100 - p is the negative of percentage p.
constexpr std::array<double, 51> UpperHalf = {
    0,   7,   14,  21,  29,  36,  43,  50,  57,  65,  72,  80,  87,  95,  102, 110, 117,
    125, 133, 141, 149, 158, 166, 175, 184, 193, 202, 211, 220, 230, 240, 251, 262, 273,
    284, 296, 309, 322, 336, 351, 366, 383, 401, 422, 444, 470, 501, 538, 589, 677, 800,
};

constexpr std::array<double, 101> makeRatingDifferenceTable() {
    std::array<double, 101> table{};
    for (std::size_t p = 0; p <= 50; ++p) {
        table[50 + p] = UpperHalf[p];
        table[50 - p] = -UpperHalf[p];
    }
    return table;
}

constexpr std::array<double, 101> RatingDifferenceTable = makeRatingDifferenceTable();

}  // namespace

int wholePercentage(double score, std::uint32_t games) noexcept {
    // Halves rounded up. A consistent table keeps score within 0..games; the bounds only guard
    // the conversion table against an inconsistent one (and a not-a-number score).
    const double percent = score * 100.0 / static_cast<double>(games) + 0.5;
    const double bounded = percent > 0.0 ? std::min(percent, 100.0) : 0.0;
    return static_cast<int>(bounded);
}

double ratingDifference(double score, std::uint32_t games) noexcept {
    if (games == 0) return score / 0.0;
    return RatingDifferenceTable[static_cast<std::size_t>(wholePercentage(score, games))];
}

bool hasConverged(const TournamentTable& table, std::span<const double> next,
                  std::span<const double> previous, double tolerance) noexcept {
    const auto games = table.gamesPlayed();
    double sum = 0.0;
    for (std::size_t i = 0; i < next.size(); ++i) {
        if (games[i] == 0) continue;
        const double change = next[i] - previous[i];
        sum += static_cast<double>(games[i]) * change * change;
    }
    return sum < tolerance * tolerance;
}

Iteration iterateFixedPoint(const TournamentTable& table, std::span<double> out,
                            std::span<double> start, ScoreFunction f, double tolerance,
                            unsigned maxSweeps, Centring centring) noexcept {
    assert(out.data() != start.data());
    return guardMemory(Iteration{StatusNoMemory}, [&] {
        // 1. The centred score terms, fixed for all sweeps.
        std::vector<double> terms(out.size());
        if (failed(centredScoreTerms(table, terms, f, centring))) return Iteration{StatusNoMemory};
        const OpponentLists lists(table);
        // 2.-6. Simultaneous sweeps: all of out from the previous x, then x takes out.
        for (unsigned sweep = 0; sweep < maxSweeps; ++sweep) {
            applyRecursiveMap(lists, out, start, terms);
            if (hasConverged(table, out, start, tolerance)) return Iteration{StatusOk, sweep, true};
            std::copy(out.begin(), out.end(), start.begin());
        }
        // 7. No sweep met the test (or none was made).
        return Iteration{StatusOk, maxSweeps, false};
    });
}

Iteration recursivePerformance(const TournamentTable& table, std::span<double> out,
                               double tolerance, unsigned maxSweeps, Centring centring) noexcept {
    return guardMemory(Iteration{StatusNoMemory}, [&] {
        std::vector<double> start(table.ratings().begin(), table.ratings().end());
        return iterateFixedPoint(table, out, start, ratingDifference, tolerance, maxSweeps,
                                 centring);
    });
}

}  // namespace tiebreak
