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

int rivalsAverage(const TournamentTable& table, std::span<double> out,
                  std::span<const double> values) noexcept {
    assert(out.data() != values.data());
    return guardMemory(StatusNoMemory, [&] {
        const OpponentLists lists(table);
        for (std::uint32_t i = 0; i < out.size(); ++i)
            out[i] = lists.average(i, values);
        return StatusOk;
    });
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
                      std::span<const double> values, Modification modification, ScoreFunction f,
                      int dropWorst, int dropBest) noexcept {
    switch (modification) {
        case ModificationPerformanceStep:
            return performanceStep(table, out, f, values);
        case ModificationNone:
            std::copy(values.begin(), values.end(), out.begin());
            return StatusOk;
        case ModificationPlainRivalsAverage:
            return rivalsAverage(table, out, values);
        case ModificationRivalsAverage:
            return trimmedRivalsAverage(table, out, values, dropWorst, dropBest);
        case ModificationCappedToOwn:
        case ModificationCappedToRivalsAverage:
            return cappedRivalsAverage(table, out, values, modification);
    }
    return StatusInvalidArgument;
}

namespace {

// Runs the method into method values; StatusInvalidArgument for an unknown code.
int runMethod(const TournamentTable& table, std::span<double> values, ScoreFunction f,
              TieBreakMethod method, double tolerance, unsigned maxSweeps) noexcept {
    switch (method) {
        case MethodRecursivePerformance:
            return recursivePerformance(table, values, f, tolerance, maxSweeps);
        case MethodRecursivePerformanceSvd:
            return recursivePerformanceSvd(table, values, f, SvdCutoff);
        case MethodRecursiveBucholz:
            return recursiveBucholz(table, values, tolerance, maxSweeps);
        case MethodRecursiveBucholzSvd:
            return recursiveBucholzSvd(table, values, SvdCutoff);
    }
    return StatusInvalidArgument;
}

}  // namespace

int computeTieBreak(const TournamentTable& table, std::span<double> out, ScoreFunction f,
                    TieBreakMethod method, Modification modification, double tolerance,
                    unsigned maxSweeps, int dropWorst, int dropBest) noexcept {
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> values(out.size());
        const int result = runMethod(table, values, f, method, tolerance, maxSweeps);
        if (failed(result)) return result;
        // The Bucholz methods always score by fraction, whatever function the caller gave.
        const bool bucholz =
            method == MethodRecursiveBucholz || method == MethodRecursiveBucholzSvd;
        const int status = applyModification(table, out, values, modification,
                                             bucholz ? scoreFraction : f, dropWorst, dropBest);
        return failed(status) ? status : result;
    });
}

}  // namespace tiebreak
