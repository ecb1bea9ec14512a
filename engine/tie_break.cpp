#include "engine/tie_break.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "engine/opponent_lists.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

double centringConstant(const TournamentTable& table, std::span<const double> terms) noexcept {
    const auto games = table.gamesPlayed();
    // Only active players enter the weighted mean, so the not-a-number terms of inactive players
    // do not spread.
    double weighted = 0.0;
    double totalGames = 0.0;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (games[i] != 0) weighted += static_cast<double>(games[i]) * terms[i];
        totalGames += static_cast<double>(games[i]);
    }
    return weighted / totalGames;
}

int centredScoreTerms(const TournamentTable& table, std::span<double> out,
                      ScoreFunction f) noexcept {
    const auto points = table.gamePoints();
    const auto games = table.gamesPlayed();
    // Every player gets his term, inactive ones too (a not-a-number value).
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = f(points[i], games[i]);
    const double mean = centringConstant(table, out);
    for (double& term : out)
        term -= mean;
    return StatusOk;
}

int performanceStep(const TournamentTable& table, std::span<double> out, ScoreFunction f,
                    std::span<const double> values) noexcept {
    const auto x = values.empty() ? table.ratings() : values;
    assert(out.data() != x.data());
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> terms(out.size());
        static_cast<void>(centredScoreTerms(table, terms, f));  // cannot fail
        const OpponentLists lists(table);
        applyRecursiveMap(lists, out, x, terms);
        return StatusOk;
    });
}

double weightedNorm(const TournamentTable& table, std::span<const double> values) noexcept {
    const auto games = table.gamesPlayed();
    double sum = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (games[i] != 0) sum += static_cast<double>(games[i]) * values[i] * values[i];
    }
    return std::sqrt(sum);
}

int applyModification(const TournamentTable& table, std::span<double> out,
                      std::span<const double> values, Modification modification, int dropWorst,
                      int dropBest) noexcept {
    switch (modification) {
        case ModificationNone:
            std::copy(values.begin(), values.end(), out.begin());
            return StatusOk;
        case ModificationRivalsAverage:
            return trimmedRivalsAverage(table, out, values, dropWorst, dropBest);
    }
    return StatusInvalidArgument;
}

ScoreFunction scoreFunctionOf(TieBreakMethod method) noexcept {
    return method == MethodRecursiveBucholz ? scoreFraction : ratingDifference;
}

}  // namespace tiebreak
