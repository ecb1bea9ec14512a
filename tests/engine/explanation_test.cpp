// Every value recomputed from its explanation alone, on made-up tournaments with byes, forfeits,
// absences, unrated players, players without games and double rounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/explanation.h"
#include "tests/engine/game_table.h"

namespace tiebreak {
namespace {

struct Field {
    const char* name;
    GeneratorOptions options;
};

GeneratorOptions swissOpen(std::uint64_t seed) {
    GeneratorOptions options;
    options.players = 41;
    options.rounds = 9;
    options.seed = seed;
    options.unratedShare = 0.15;
    options.byeShare = 0.04;
    options.forfeitShare = 0.04;
    options.absentShare = 0.04;
    options.playersWithoutGames = 2;
    return options;
}

GeneratorOptions doubleRoundRobin() {
    GeneratorOptions options;
    options.players = 9;
    options.seed = 5;
    options.unratedShare = 0.2;
    options.forfeitShare = 0.05;
    options.doubleRoundRobin = true;
    return options;
}

const Field Fields[] = {
    {"SwissOpen3", swissOpen(3)},
    {"SwissOpen8", swissOpen(8)},
    {"DoubleRoundRobin", doubleRoundRobin()},
};

// Sum over the opponents of games * value, and the games: what the explanation's list says.
struct Weighted {
    double sum = 0.0;
    std::uint32_t games = 0;
};

Weighted weightedOpponents(const ValueExplanation& e) {
    Weighted weighted;
    for (const ExplainedOpponent& opponent : e.opponents) {
        weighted.sum += opponent.games * opponent.value;
        weighted.games += opponent.games;
    }
    return weighted;
}

// Each played round names an opponent of the list, with his value and the games against him.
void expectRoundsMatchOpponents(const ValueExplanation& e, const std::string& context) {
    std::uint32_t counted = 0;
    for (const ExplainedRound& round : e.rounds) {
        if (!round.cell.played) continue;
        ++counted;
        const auto found = std::find_if(
            e.opponents.begin(), e.opponents.end(), [&](const ExplainedOpponent& opponent) {
                return opponent.player == static_cast<std::uint32_t>(round.cell.opponent);
            });
        ASSERT_NE(found, e.opponents.end()) << context << " round " << round.round;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(found->value),
                  std::bit_cast<std::uint64_t>(round.opponentValue))
            << context;
        EXPECT_EQ(found->games, round.gamesAgainst) << context;
    }
    EXPECT_EQ(counted, e.games) << context;
}

// The mean of the opponents' values plus the score term less the centring constant, all read
// from the explanation, gives the table's value within the iteration's tolerance; the centred
// terms, weighted by games, add up to zero.
void expectValuesFromExplanations(const TournamentTable& table, const std::vector<double>& values,
                                  ScoreFunction f, const std::string& context) {
    std::vector<ValueExplanation> explained;
    ASSERT_EQ(explainValues(table, values, f, explained), StatusOk) << context;
    ASSERT_EQ(explained.size(), table.playerCount());
    double centredSum = 0.0;
    double largestTerm = 0.0;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        const ValueExplanation& e = explained[i];
        const std::string player = context + " player " + std::to_string(i + 1);
        EXPECT_EQ(e.rounds.size(), table.rounds(i).size()) << player;
        expectRoundsMatchOpponents(e, player);
        const Weighted weighted = weightedOpponents(e);
        ASSERT_EQ(weighted.games, e.games) << player;
        if (e.games == 0) {
            EXPECT_TRUE(std::isnan(values[i])) << player;
            continue;
        }
        const double sum = weighted.sum / weighted.games + e.scoreTerm - e.centring;
        EXPECT_NEAR(sum, values[i], IterationTolerance) << player;
        EXPECT_NEAR(e.difference, sum - values[i], 1e-11) << player;
        centredSum += e.games * (e.scoreTerm - e.centring);
        largestTerm = std::max(largestTerm, std::abs(e.scoreTerm));
    }
    EXPECT_NEAR(centredSum, 0.0, 1e-12 * largestTerm * table.playerCount()) << context;
}

// The kept entries' mean, recomputed from the sorted entries, is the rivals average bit for bit.
void expectRivalsFromExplanations(const TournamentTable& table, const std::vector<double>& values,
                                  int worst, int best, const std::string& context) {
    std::vector<double> averages(table.playerCount());
    ASSERT_EQ(trimmedRivalsAverage(table, averages, values, worst, best), StatusOk);
    std::vector<RivalsExplanation> explained;
    ASSERT_EQ(explainRivalsAverages(table, values, worst, best, explained), StatusOk);
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        const RivalsExplanation& r = explained[i];
        const std::string player = context + " player " + std::to_string(i + 1);
        ASSERT_EQ(static_cast<std::int64_t>(r.entries.size()), table.gamesPlayed(i)) << player;
        EXPECT_TRUE(std::is_sorted(
            r.entries.begin(), r.entries.end(),
            [](const RivalEntry& a, const RivalEntry& b) { return a.value < b.value; }))
            << player;
        for (const RivalEntry& entry : r.entries)
            EXPECT_EQ(entry.value, values[entry.player]) << player;
        if (r.end <= r.low) {
            EXPECT_EQ(averages[i], -std::numeric_limits<double>::infinity()) << player;
            continue;
        }
        double sum = 0.0;
        for (long k = r.low; k < r.end; ++k)
            sum += r.entries[static_cast<std::size_t>(k)].value;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(sum / static_cast<double>(r.end - r.low)),
                  std::bit_cast<std::uint64_t>(averages[i]))
            << player;
    }
}

TEST(Explanation, EveryValueRecomputedFromItsPieces) {
    for (const Field& field : Fields) {
        const TournamentTable table = readGenerated(field.options);
        ASSERT_GT(table.playerCount(), 0u) << field.name;
        const std::uint32_t n = table.playerCount();
        std::vector<double> performance(n);
        std::vector<double> bucholz(n);
        ASSERT_GT(recursivePerformance(table, performance, ratingDifference, IterationTolerance,
                                       IterationLimit),
                  1)
            << field.name;
        ASSERT_GT(recursiveBucholz(table, bucholz, IterationTolerance, IterationLimit), 1)
            << field.name;
        expectValuesFromExplanations(table, performance, ratingDifference,
                                     std::string(field.name) + " RP");
        expectValuesFromExplanations(table, bucholz, scoreFraction,
                                     std::string(field.name) + " RB");
        expectRivalsFromExplanations(table, performance, 2, 1, std::string(field.name) + " RP");
        expectRivalsFromExplanations(table, bucholz, 0, 9, std::string(field.name) + " RB");
    }
}

}  // namespace
}  // namespace tiebreak
