#include "engine/tie_break.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "game_table.h"

namespace tiebreak {
namespace {

struct PercentCase {
    std::string name;
    double score;
    std::uint32_t games;
    double difference;
};

void PrintTo(const PercentCase& c, std::ostream* os) {
    *os << c.name;
}

class RatingDifference : public testing::TestWithParam<PercentCase> {};

TEST_P(RatingDifference, ReadsTheConversionTableAtTheRoundedPercentage) {
    EXPECT_EQ(ratingDifference(GetParam().score, GetParam().games), GetParam().difference);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, RatingDifference,
    testing::Values(PercentCase{"Even", 2.0, 4, 0.0}, PercentCase{"ThreeQuarters", 3.0, 4, 193.0},
                    PercentCase{"Perfect", 5.0, 5, 800.0}, PercentCase{"Zero", 0.0, 7, -800.0},
                    PercentCase{"Quarter", 1.0, 4, -193.0},
                    // 83.33 % uses entry 83; 87.5 % and 12.5 % round up to 88 and 13.
                    PercentCase{"TwoAndAHalfOfThree", 2.5, 3, 273.0},
                    PercentCase{"ThreeAndAHalfOfFour", 3.5, 4, 336.0},
                    PercentCase{"HalfOfFour", 0.5, 4, -322.0},
                    PercentCase{"MoreThanPlayed", 6.0, 5, 800.0}),
    [](const testing::TestParamInfo<PercentCase>& c) { return c.param.name; });

// Player 0 beat 1 twice and drew 2; player 3 played nobody.
TournamentTable doubleMeeting() {
    return tableOfGames({2000, 1900, 1800, 1700},
                        {{0, 1, ResultWin}, {1, 0, ResultLoss}, {0, 2, ResultDraw}});
}

TEST(TieBreakCore, RivalsAverageCountsAnOpponentMetTwiceTwice) {
    const TournamentTable table = doubleMeeting();
    const std::vector<double> values = {10.0, 20.0, 50.0, 1000.0};
    std::vector<double> out(4);
    ASSERT_EQ(rivalsAverage(table, out, values), StatusOk);
    EXPECT_EQ(out[0], 30.0);  // (2 * 20 + 50) / 3
    EXPECT_EQ(out[1], 10.0);
    EXPECT_EQ(out[2], 10.0);
    EXPECT_TRUE(std::isnan(out[3]));
}

TEST(TieBreakCore, CentredTermsHaveZeroWeightedSumAndSkipInactivePlayers) {
    const TournamentTable table = doubleMeeting();
    std::vector<double> terms(4);
    ASSERT_EQ(centredScoreTerms(table, terms, scoreFraction), StatusOk);
    // Fractions 2.5/3, 0/2, 0.5/1 over 6 games: mean (2.5 + 0 + 0.5) / 6 = 0.5.
    EXPECT_NEAR(terms[0], 2.5 / 3 - 0.5, 1e-15);
    EXPECT_EQ(terms[1], -0.5);
    EXPECT_EQ(terms[2], 0.0);
    EXPECT_TRUE(std::isnan(terms[3]));
    EXPECT_NEAR(3 * terms[0] + 2 * terms[1] + terms[2], 0.0, 1e-15);
}

TEST(TieBreakCore, PerformanceStepWithoutValuesStartsFromTheRatings) {
    const TournamentTable table = doubleMeeting();
    std::vector<double> fromRatings(4);
    std::vector<double> explicitly(4);
    ASSERT_EQ(performanceStep(table, fromRatings, ratingDifference), StatusOk);
    ASSERT_EQ(performanceStep(table, explicitly, ratingDifference, table.ratings()), StatusOk);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(fromRatings[i], explicitly[i]);
    // Player 1 lost twice: 0 % gives -800; terms centred on (3*273 - 2*800 + 1*0) / 6 games.
    const double mean = (3 * 273.0 - 2 * 800.0) / 6;
    EXPECT_NEAR(fromRatings[1], 2000.0 - 800.0 - mean, 1e-9);
}

TEST(TieBreakCore, ComputeTieBreakGivesTheMethodsResultAndModifiesIt) {
    const TournamentTable table = denseField(9);
    std::vector<double> direct(9);
    std::vector<double> stepped(9);
    std::vector<double> dispatched(9);
    const int sweeps = recursiveBucholz(table, direct, IterationTolerance, IterationLimit);
    ASSERT_GT(sweeps, 1);
    ASSERT_EQ(performanceStep(table, stepped, scoreFraction, direct), StatusOk);
    // The Bucholz method scores by fraction, in its modification too, whatever function is given.
    EXPECT_EQ(
        computeTieBreak(table, dispatched, ratingDifference, MethodRecursiveBucholz,
                        ModificationPerformanceStep, IterationTolerance, IterationLimit, 1, 1),
        sweeps);
    EXPECT_EQ(dispatched, stepped);
}

}  // namespace
}  // namespace tiebreak
