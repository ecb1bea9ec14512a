#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// Player 0 beat 1 and 2, who drew: percentages 100, 25, 25 give 800, -193, -193, centred on
// (2*800 - 4*193) / 6 = 138: terms 662, -331, -331. The equations give x1 = x2 = x0 - 662 and the
// level keeps the sum of the ratings, 5700: x1 = (5700 - 662) / 3.
TournamentTable triangle() {
    return tableOfGames({2000, 1900, 1800},
                        {{0, 1, ResultWin}, {2, 0, ResultLoss}, {1, 2, ResultDraw}});
}

TEST(RecursivePerformance, SolvesTheTriangleByHand) {
    const TournamentTable table = triangle();
    std::vector<double> out(3);
    const int sweeps =
        recursivePerformance(table, out, ratingDifference, IterationTolerance, IterationLimit);
    EXPECT_GT(sweeps, 1);
    const double low = (5700.0 - 662.0) / 3.0;
    EXPECT_NEAR(out[0], low + 662.0, 1e-9);
    EXPECT_NEAR(out[1], low, 1e-9);
    EXPECT_NEAR(out[2], low, 1e-9);
    EXPECT_EQ(table.rating(0), 2000.0);  // the table is never changed
}

TEST(RecursivePerformance, AnInactivePlayerChangesNoOtherValue) {
    const TournamentTable without = triangle();
    const TournamentTable with = tableOfGames(
        {2000, 2500, 1900, 1800}, {{0, 2, ResultWin}, {3, 0, ResultLoss}, {2, 3, ResultDraw}});
    for (const bool svd : {false, true}) {
        std::vector<double> plain(3);
        std::vector<double> extended(4);
        if (svd) {
            ASSERT_EQ(recursivePerformanceSvd(without, plain, ratingDifference, SvdCutoff), 0);
            ASSERT_EQ(recursivePerformanceSvd(with, extended, ratingDifference, SvdCutoff), 0);
        } else {
            ASSERT_EQ(recursivePerformance(without, plain, ratingDifference, IterationTolerance,
                                           IterationLimit),
                      recursivePerformance(with, extended, ratingDifference, IterationTolerance,
                                           IterationLimit));
        }
        EXPECT_EQ(extended[0], plain[0]) << "svd " << svd;
        EXPECT_EQ(extended[2], plain[1]) << "svd " << svd;
        EXPECT_EQ(extended[3], plain[2]) << "svd " << svd;
        EXPECT_TRUE(std::isnan(extended[1])) << "svd " << svd;
    }
}

// One game: the sweeps swap the two values for ever, so only the limit ends them.
TEST(RecursivePerformance, TwoPlayersWhoMetOnceReachTheLimit) {
    const TournamentTable table = tableOfGames({2000, 1800}, {{0, 1, ResultWin}});
    std::vector<double> out(2);
    EXPECT_EQ(
        recursivePerformance(table, out, ratingDifference, IterationTolerance, IterationLimit),
        StatusIterationLimit);
}

TEST(FixedPointIteration, AStartThatSolvesTheEquationsNeedsOneSweep) {
    const TournamentTable table = triangle();
    const double low = (5700.0 - 662.0) / 3.0;
    std::vector<double> start = {low + 662.0, low, low};
    std::vector<double> out(3);
    EXPECT_EQ(
        iterateFixedPoint(table, out, start, ratingDifference, IterationTolerance, IterationLimit),
        0);
}

TEST(FixedPointIteration, ConvergenceIsStrictlyBelowTheSquaredTolerance) {
    const TournamentTable table = tableOfGames({0, 0, 0}, {{0, 1, ResultDraw}});
    // One game each: a change of 0.5 gives 0.25, the square of the tolerance 0.5. Player 2 is
    // inactive and his change does not count.
    const std::vector<double> previous = {0.0, 0.0, 0.0};
    EXPECT_FALSE(hasConverged(table, std::vector<double>{0.5, 0.0, 9.0}, previous, 0.5));
    EXPECT_TRUE(hasConverged(table, std::vector<double>{0.5, 0.0, 9.0}, previous, 0.5000001));
}

TEST(RecursiveBucholz, StartsFromScoresProjectedOntoTheMostGames) {
    // Player 0: 3 of 4 games; player 4 played the most, 5; player 6 none.
    const TournamentTable table = tableOfGames({0, 0, 0, 0, 0, 0, 0}, {{0, 1, ResultWin},
                                                                       {0, 2, ResultWin},
                                                                       {0, 3, ResultWin},
                                                                       {0, 4, ResultLoss},
                                                                       {4, 1, ResultLoss},
                                                                       {4, 2, ResultLoss},
                                                                       {4, 3, ResultLoss},
                                                                       {4, 5, ResultLoss}});
    std::vector<double> start(7);
    bucholzStartValues(table, start);
    EXPECT_EQ(start[0], 3.75);
    EXPECT_EQ(start[4], 1.0);  // 1 point from 5 games
    EXPECT_TRUE(std::isnan(start[6]));
}

TEST(RecursiveBucholz, KeepsTheMeanAtHalfTheMostGames) {
    const TournamentTable table = denseField(11);
    std::vector<double> out(11);
    EXPECT_GT(recursiveBucholz(table, out, IterationTolerance, IterationLimit), 1);
    double weighted = 0.0;
    double games = 0.0;
    for (std::uint32_t i = 0; i < 11; ++i) {
        weighted += static_cast<double>(table.gamesPlayed(i)) * out[i];
        games += static_cast<double>(table.gamesPlayed(i));
    }
    EXPECT_NEAR(weighted / games, table.maxGamesPlayed() / 2.0, 1e-9);
}

}  // namespace
}  // namespace tiebreak
