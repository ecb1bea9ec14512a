// Every value recomputed from its explanation alone, on a made-up Swiss open with byes, forfeits,
// absences, unrated players and players without games, and on a double round robin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/explanation.h"
#include "tests/engine/game_table.h"

namespace tiebreak {
namespace {

// Each played round names an opponent of the list, with his value and the games against him. The
// list's games-weighted mean plus the score term less the centring constant gives the table's
// value within the iteration's tolerance; the centred terms, weighted by games, add up to zero.
// The kept rivals' mean, recomputed from the sorted entries, is the rivals average bit for bit.
void expectExplained(const TournamentTable& table, const std::vector<double>& values,
                     ScoreFunction f, int worst, int best) {
    std::vector<ValueExplanation> explained;
    ASSERT_EQ(explainValues(table, values, f, explained), StatusOk);
    std::vector<RivalsExplanation> rivals;
    ASSERT_EQ(explainRivalsAverages(table, values, worst, best, rivals), StatusOk);
    std::vector<double> averages(table.playerCount());
    ASSERT_EQ(trimmedRivalsAverage(table, averages, values, worst, best), StatusOk);
    double centredSum = 0.0;
    double largestTerm = 0.0;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        SCOPED_TRACE("player " + std::to_string(i + 1));
        const RivalsExplanation& r = rivals[i];
        ASSERT_EQ(static_cast<std::int64_t>(r.entries.size()), table.gamesPlayed(i));
        EXPECT_TRUE(std::is_sorted(
            r.entries.begin(), r.entries.end(),
            [](const RivalEntry& a, const RivalEntry& b) { return a.value < b.value; }));
        double kept = 0.0;
        for (long k = r.low; k < r.end; ++k)
            kept += r.entries[static_cast<std::size_t>(k)].value;
        EXPECT_EQ(averages[i], r.end <= r.low ? -std::numeric_limits<double>::infinity()
                                              : kept / static_cast<double>(r.end - r.low));
        for (const RivalEntry& entry : r.entries)
            EXPECT_EQ(entry.value, values[entry.player]);

        const ValueExplanation& e = explained[i];
        EXPECT_EQ(e.rounds.size(), table.rounds(i).size());
        std::uint32_t played = 0;
        for (const ExplainedRound& round : e.rounds) {
            if (!round.cell.played) continue;
            ++played;
            const auto found = std::find_if(
                e.opponents.begin(), e.opponents.end(), [&](const ExplainedOpponent& opponent) {
                    return opponent.player == static_cast<std::uint32_t>(round.cell.opponent);
                });
            ASSERT_NE(found, e.opponents.end()) << "round " << round.round;
            EXPECT_EQ(found->value, round.opponentValue);
            EXPECT_EQ(found->games, round.gamesAgainst);
        }
        double sum = 0.0;
        std::uint32_t games = 0;
        for (const ExplainedOpponent& opponent : e.opponents) {
            sum += opponent.games * opponent.value;
            games += opponent.games;
        }
        ASSERT_EQ(played, e.games);
        ASSERT_EQ(games, e.games);
        if (e.games == 0) {
            EXPECT_TRUE(std::isnan(values[i]));
            continue;
        }
        const double step = sum / games + e.scoreTerm - e.centring;
        EXPECT_NEAR(step, values[i], IterationTolerance);
        EXPECT_NEAR(e.difference, step - values[i], 1e-11);
        centredSum += e.games * (e.scoreTerm - e.centring);
        largestTerm = std::max(largestTerm, std::abs(e.scoreTerm));
    }
    EXPECT_NEAR(centredSum, 0.0, 1e-12 * largestTerm * table.playerCount());
}

TEST(Explanation, EveryValueRecomputedFromItsPieces) {
    for (const bool doubleRoundRobin : {false, true}) {
        SCOPED_TRACE(doubleRoundRobin ? "double round robin" : "Swiss open");
        GeneratorOptions options;
        options.players = doubleRoundRobin ? 9 : 41;
        options.seed = 3;
        options.unratedShare = 0.15;
        options.byeShare = options.forfeitShare = options.absentShare = 0.04;
        options.playersWithoutGames = 2;
        options.doubleRoundRobin = doubleRoundRobin;
        const TournamentTable table = readGenerated(options);
        std::vector<double> performance(table.playerCount()), bucholz(table.playerCount());
        ASSERT_TRUE(
            recursivePerformance(table, performance, IterationTolerance, IterationLimit).converged);
        ASSERT_TRUE(recursiveBucholz(table, bucholz, IterationTolerance, IterationLimit).converged);
        expectExplained(table, performance, ratingDifference, 2, 1);
        expectExplained(table, bucholz, scoreFraction, 0, 9);
    }
}

}  // namespace
}  // namespace tiebreak
