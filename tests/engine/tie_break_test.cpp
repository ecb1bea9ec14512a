#include "engine/tie_break.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

#include "engine/svd/svd.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// The whole percentage rounded half up: 83.3 % takes entry 83, 87.5 % and 12.5 % take 88 and 13;
// 0 % is the table's lower end, more points than games its upper end.
TEST(RatingDifference, ReadsTheConversionTableAtTheRoundedPercentage) {
    const std::tuple<double, std::uint32_t, double> rows[] = {{2.5, 3, 273.0},  {3.5, 4, 336.0},
                                                              {0.5, 4, -322.0}, {0.0, 7, -800.0},
                                                              {6.0, 5, 800.0},  {2.0, 4, 0.0}};
    for (const auto& [score, games, difference] : rows)
        EXPECT_EQ(ratingDifference(score, games), difference) << score << "/" << games;
}

// Player 0 beat 1 twice and drew 2; player 3 played nobody. Fractions 2.5/3, 0/2 and 0.5/1 over
// six games centre on 0.5; percentages 83, 0 and 50 give 273, -800 and 0, centred on
// (3*273 - 2*800) / 6.
TEST(TieBreakCore, OneStepOfTheMapByHand) {
    const TournamentTable table = tableOfGames(
        {2000, 1900, 1800, 1700}, {{0, 1, ResultWin}, {1, 0, ResultLoss}, {0, 2, ResultDraw}});
    std::vector<double> out(4);
    ASSERT_EQ(trimmedRivalsAverage(table, out, std::vector<double>{10, 20, 50, 1000}, 0, 0),
              StatusOk);
    EXPECT_EQ(out[0], 30.0);  // (2 * 20 + 50) / 3: an opponent met twice counts twice
    EXPECT_EQ(out[1], 10.0);
    EXPECT_FALSE(std::isfinite(out[3]));
    ASSERT_EQ(centredScoreTerms(table, out, scoreFraction), StatusOk);
    EXPECT_NEAR(out[0], 2.5 / 3 - 0.5, 1e-15);
    EXPECT_EQ(out[1], -0.5);
    EXPECT_EQ(out[2], 0.0);
    EXPECT_TRUE(std::isnan(out[3]));
    ASSERT_EQ(performanceStep(table, out, ratingDifference), StatusOk);  // from the ratings
    EXPECT_NEAR(out[1], 2000.0 - 800.0 - (3 * 273.0 - 2 * 800.0) / 6, 1e-9);
}

// Player 0 beat 1 and 2, who drew: percentages 100, 25, 25 give 800, -193, -193, centred on
// (2*800 - 4*193) / 6 = 138: terms 662, -331, -331. The equations give x1 = x2 = x0 - 662 and the
// level keeps the sum of the ratings, 5700: x1 = (5700 - 662) / 3.
TournamentTable triangle() {
    return tableOfGames({2000, 1900, 1800},
                        {{0, 1, ResultWin}, {2, 0, ResultLoss}, {1, 2, ResultDraw}});
}
const double Low = (5700.0 - 662.0) / 3.0;

// The method's values by iteration or by the decomposition, with the modification (one worst
// rival dropped from a rivals average).
std::vector<double> values(const TournamentTable& table, TieBreakMethod method, bool direct,
                           Modification modification = ModificationNone) {
    std::vector<double> solved(table.playerCount());
    if (direct) {
        SystemDecomposition decomposition;
        EXPECT_EQ(decomposeBothMethods(decomposition, table), StatusOk);
        const std::size_t system =
            method == MethodRecursiveBucholz ? BucholzSystem : PerformanceSystem;
        EXPECT_EQ(decomposition.solve(table, system, solved), StatusOk);
    } else {
        const Iteration iteration =
            method == MethodRecursiveBucholz
                ? recursiveBucholz(table, solved, IterationTolerance, IterationLimit)
                : recursivePerformance(table, solved, IterationTolerance, IterationLimit);
        EXPECT_EQ(iteration.status, StatusOk);
    }
    std::vector<double> out(table.playerCount());
    EXPECT_EQ(applyModification(table, out, solved, modification, 1, 0), StatusOk);
    return out;
}

// A double round robin counts every meeting twice: every percentage and mean stays the same.
TEST(RecursivePerformance, SolvesTheTriangleByHandInASingleAndADoubleRound) {
    constexpr RoundResult W = ResultWin, L = ResultLoss, D = ResultDraw;
    const TournamentTable doubled = tableOfGames(
        {2000, 1900, 1800}, {{0, 1, W}, {2, 0, L}, {1, 2, D}, {1, 0, L}, {0, 2, W}, {2, 1, D}});
    for (const TournamentTable& table : {triangle(), doubled}) {
        for (const bool direct : {false, true}) {
            const std::vector<double> out = values(table, MethodRecursivePerformance, direct);
            EXPECT_NEAR(out[0], Low + 662.0, 1e-9) << direct;
            EXPECT_NEAR(out[1], Low, 1e-9) << direct;
            EXPECT_NEAR(out[2], Low, 1e-9) << direct;
        }
    }
}

// The triangle with byes and a forfeit, and again with an inactive player put in as player 1:
// both methods, iterated or solved directly, with both modifications give the triangle's values,
// and the inactive player none. Where nobody played, nobody has a value.
TEST(TieBreakInvariance, ByesForfeitsAndAnInactivePlayerChangeNoValue) {
    TournamentTable unplayed = triangle();
    ASSERT_EQ(unplayed.recordRound(0, NoOpponent, ResultUnplayedWin), StatusOk);  // a bye
    ASSERT_EQ(unplayed.recordRound(1, 2, ResultUnplayedWin), StatusOk);           // a forfeit
    ASSERT_EQ(unplayed.recordRound(2, 1, ResultUnplayedLoss), StatusOk);
    ASSERT_EQ(unplayed.recordRound(2, NoOpponent, ResultUnplayedDraw), StatusOk);
    const TournamentTable inactive = tableOfGames(
        {2000, 2500, 1900, 1800}, {{0, 2, ResultWin}, {3, 0, ResultLoss}, {2, 3, ResultDraw}});
    const TournamentTable nobody = tableOfGames({2000, 1900}, {});
    for (const TieBreakMethod method : {MethodRecursivePerformance, MethodRecursiveBucholz}) {
        for (const bool direct : {false, true}) {
            for (const Modification modification : {ModificationNone, ModificationRivalsAverage}) {
                SCOPED_TRACE(std::to_string(method) + " " + std::to_string(direct) + " " +
                             std::to_string(modification));
                const std::vector<double> expected =
                    values(triangle(), method, direct, modification);
                EXPECT_EQ(values(unplayed, method, direct, modification), expected);
                const std::vector<double> with = values(inactive, method, direct, modification);
                EXPECT_FALSE(std::isfinite(with[1]));
                EXPECT_EQ((std::vector<double>{with[0], with[2], with[3]}), expected);
                const std::vector<double> none = values(nobody, method, false, modification);
                EXPECT_FALSE(std::isfinite(none[0]) || std::isfinite(none[1]));
            }
        }
    }
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
    // Player 0: 1.5 of 2 games; player 1 played the most, 3, and scored 1; player 4 none.
    const TournamentTable table =
        tableOfGames({0, 0, 0, 0, 0},
                     {{0, 1, ResultWin}, {0, 2, ResultDraw}, {1, 2, ResultWin}, {3, 1, ResultWin}});
    std::vector<double> start(5);
    bucholzStartValues(table, start);
    EXPECT_EQ(start[0], 2.25);
    EXPECT_EQ(start[1], 1.0);
    EXPECT_TRUE(std::isnan(start[4]));
}

}  // namespace
}  // namespace tiebreak
