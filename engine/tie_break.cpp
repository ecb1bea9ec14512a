#include "engine/tie_break.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "engine/opponent_lists.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// The centring of table by groups, or nullptr where the whole field is one.
const PlayerGroups* byGroups(Centring centring) noexcept {
    return centring != WholeField && centring->count() > 1 ? centring : nullptr;
}

}  // namespace

std::vector<double> centringConstants(const TournamentTable& table, std::span<const double> terms,
                                      Centring centring) {
    const auto games = table.gamesPlayed();
    const PlayerGroups* groups = byGroups(centring);
    const std::size_t count = groups != nullptr ? groups->count() : 1;
    std::vector<double> weighted(count, 0.0);
    std::vector<double> totalGames(count, 0.0);
    // Only active players enter the weighted mean, so the not-a-number terms of inactive players
    // do not spread.
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::size_t group =
            groups != nullptr && games[i] != 0 ? static_cast<std::size_t>(groups->groupOf[i]) : 0;
        if (games[i] != 0) weighted[group] += static_cast<double>(games[i]) * terms[i];
        totalGames[group] += static_cast<double>(games[i]);
    }
    for (std::size_t group = 0; group < count; ++group)
        weighted[group] /= totalGames[group];
    return weighted;
}

double centringOf(std::span<const double> constants, std::uint32_t i, Centring centring) noexcept {
    const PlayerGroups* groups = byGroups(centring);
    if (groups == nullptr || groups->groupOf[i] == PlayerGroups::NoGroup) return constants[0];
    return constants[static_cast<std::size_t>(groups->groupOf[i])];
}

int centredScoreTerms(const TournamentTable& table, std::span<double> out, ScoreFunction f,
                      Centring centring) noexcept {
    return guardMemory(StatusNoMemory, [&] {
        const auto points = table.gamePoints();
        const auto games = table.gamesPlayed();
        // Every player gets his term, inactive ones too (a not-a-number value).
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = f(points[i], games[i]);
        const std::vector<double> constants = centringConstants(table, out, centring);
        for (std::uint32_t i = 0; i < out.size(); ++i)
            out[i] -= centringOf(constants, i, centring);
        return StatusOk;
    });
}

int performanceStep(const TournamentTable& table, std::span<double> out, ScoreFunction f,
                    std::span<const double> values, Centring centring) noexcept {
    const auto x = values.empty() ? table.ratings() : values;
    assert(out.data() != x.data());
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> terms(out.size());
        if (failed(centredScoreTerms(table, terms, f, centring))) throw std::bad_alloc();
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
