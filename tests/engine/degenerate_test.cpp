// Tables at the edges of what a crosstable can say: the engine answers with a code and values,
// never a crash, and unplayed rounds change nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// Every method with every modification: no crash, no failure code.
void runEverything(const TournamentTable& table) {
    const std::uint32_t n = table.playerCount();
    for (const TieBreakMethod method : {MethodRecursivePerformance, MethodRecursivePerformanceSvd,
                                        MethodRecursiveBucholz, MethodRecursiveBucholzSvd}) {
        for (int modification = ModificationPerformanceStep;
             modification <= ModificationCappedToRivalsAverage; ++modification) {
            std::vector<double> out(n);
            EXPECT_GE(computeTieBreak(table, out, ratingDifference, method,
                                      static_cast<Modification>(modification), IterationTolerance,
                                      IterationLimit, 1, 1),
                      0)
                << method << " " << modification;
        }
    }
}

TEST(DegenerateTables, NoActivePlayerGivesNotANumberEverywhere) {
    const TournamentTable table = tableOfGames({2000, 1900}, {});
    runEverything(table);
    std::vector<double> out(2);
    EXPECT_GE(
        recursivePerformance(table, out, ratingDifference, IterationTolerance, IterationLimit), 0);
    EXPECT_TRUE(std::isnan(out[0]) && std::isnan(out[1]));
    ASSERT_EQ(recursiveBucholzSvd(table, out, SvdCutoff), StatusOk);
    EXPECT_TRUE(std::isnan(out[0]) && std::isnan(out[1]));
}

// A double round robin of the hand-solved triangle: every meeting counts twice, so every
// percentage and every mean stays as in the single round.
TEST(DegenerateTables, ADoubleRoundHasTheSingleRoundsValues) {
    const TournamentTable table = tableOfGames({2000, 1900, 1800}, {{0, 1, ResultWin},
                                                                    {2, 0, ResultLoss},
                                                                    {1, 2, ResultDraw},
                                                                    {1, 0, ResultLoss},
                                                                    {0, 2, ResultWin},
                                                                    {2, 1, ResultDraw}});
    std::vector<double> out(3);
    EXPECT_GT(
        recursivePerformance(table, out, ratingDifference, IterationTolerance, IterationLimit), 1);
    const double low = (5700.0 - 662.0) / 3.0;
    EXPECT_NEAR(out[0], low + 662.0, 1e-9);
    EXPECT_NEAR(out[1], low, 1e-9);
}

TEST(DegenerateTables, ByesAndForfeitsChangeNoValue) {
    const std::vector<double> ratings = {2000, 1900, 1800};
    const TournamentTable played =
        tableOfGames(ratings, {{0, 1, ResultWin}, {2, 0, ResultLoss}, {1, 2, ResultDraw}});
    TournamentTable unplayed =
        tableOfGames(ratings, {{0, 1, ResultWin}, {2, 0, ResultLoss}, {1, 2, ResultDraw}});
    ASSERT_EQ(unplayed.recordRound(0, NoOpponent, ResultUnplayedWin), StatusOk);  // a bye
    ASSERT_EQ(unplayed.recordRound(1, 2, ResultUnplayedWin), StatusOk);           // a forfeit
    ASSERT_EQ(unplayed.recordRound(2, 1, ResultUnplayedLoss), StatusOk);
    ASSERT_EQ(unplayed.recordRound(2, NoOpponent, ResultUnplayedDraw), StatusOk);
    for (const TieBreakMethod method : {MethodRecursivePerformance, MethodRecursiveBucholzSvd}) {
        std::vector<double> a(3);
        std::vector<double> b(3);
        EXPECT_EQ(computeTieBreak(played, a, ratingDifference, method, ModificationRivalsAverage,
                                  IterationTolerance, IterationLimit, 1, 0),
                  computeTieBreak(unplayed, b, ratingDifference, method, ModificationRivalsAverage,
                                  IterationTolerance, IterationLimit, 1, 0));
        EXPECT_EQ(a, b) << method;
    }
}

}  // namespace
}  // namespace tiebreak
