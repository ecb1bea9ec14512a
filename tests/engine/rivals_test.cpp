#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

constexpr double MinusInfinity = -std::numeric_limits<double>::infinity();

// Player 0 against the players 1 to 4 (values 2100, 1950, 2230, 2010); player 5 played player 6
// five times, so that G = 5 when `fifthGame` is set; player 7 met 1 twice; player 8 played once.
TournamentTable field(bool fifthGame) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(10), StatusOk);
    const auto game = [&](std::uint32_t a, std::uint32_t b) {
        EXPECT_EQ(table.recordRound(a, static_cast<std::int32_t>(b), ResultDraw), StatusOk);
        EXPECT_EQ(table.recordRound(b, static_cast<std::int32_t>(a), ResultDraw), StatusOk);
    };
    for (std::uint32_t j = 1; j <= 4; ++j)
        game(0, j);
    for (int k = 0; k < (fifthGame ? 5 : 4); ++k)
        game(5, 6);
    game(7, 1);
    game(7, 1);
    game(7, 3);
    game(8, 2);
    return table;
}

const std::vector<double> Values = {2000, 2100, 1950, 2230, 2010, 0, 0, 0, 0, 0};

struct TrimCase {
    std::string name;
    bool fifthGame;
    int worst;
    int best;
    std::uint32_t player;
    double expected;
};

void PrintTo(const TrimCase& c, std::ostream* os) {
    *os << c.name;
}

class TrimmedRivalsAverage : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimmedRivalsAverage, DropsTheWorstAndBestEntries) {
    const TrimCase& c = GetParam();
    const TournamentTable table = field(c.fifthGame);
    std::vector<double> out(10);
    ASSERT_EQ(trimmedRivalsAverage(table, out, Values, c.worst, c.best), StatusOk);
    if (std::isinf(c.expected)) {
        EXPECT_EQ(out[c.player], c.expected);
    } else {
        EXPECT_NEAR(out[c.player], c.expected, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimmedRivalsAverage,
    testing::Values(
        // All four of G = 4 games: 1950 and 2230 go, (2010 + 2100) / 2.
        TrimCase{"WorstAndBest", false, 1, 1, 0, 2055.0},
        // G = 5: the missed game counts as the worst rival dropped, (1950 + 2010 + 2100) / 3.
        TrimCase{"MissedGameIsTheWorst", true, 1, 1, 0, 2020.0},
        TrimCase{"NothingDroppedIsThePlainMean", false, 0, 0, 0, (2100 + 1950 + 2230 + 2010) / 4.0},
        // Entries 2100, 2100, 2230 with G = 4: one missed game plus one more worst drops 2100
        // once; dropping two worst drops it twice.
        TrimCase{"OpponentMetTwiceDroppedOnce", false, 2, 0, 7, (2100 + 2230) / 2.0},
        TrimCase{"OpponentMetTwiceDroppedTwice", false, 3, 0, 7, 2230.0},
        TrimCase{"BestOfAOneGamePlayer", false, 0, 1, 8, MinusInfinity},
        TrimCase{"AsManyAsRounds", false, 2, 2, 0, MinusInfinity},
        TrimCase{"InactivePlayer", false, 0, 0, 9, MinusInfinity},
        TrimCase{"NegativeCountsDropNothing", false, -3, -2, 0, (2100 + 1950 + 2230 + 2010) / 4.0}),
    [](const testing::TestParamInfo<TrimCase>& c) { return c.param.name; });

TEST(TrimmedRivalsAverageSums, KeptEntriesInAscendingOrder) {
    // Entries 2000.4, 2000.0, 2000.9 with all G = 3 games and one worst dropped.
    const TournamentTable table =
        tableOfGames({0, 0, 0, 0}, {{0, 1, ResultDraw}, {0, 2, ResultDraw}, {0, 3, ResultDraw}});
    std::vector<double> out(4);
    ASSERT_EQ(
        trimmedRivalsAverage(table, out, std::vector<double>{0, 2000.4, 2000.0, 2000.9}, 1, 0),
        StatusOk);
    EXPECT_EQ(out[0], (2000.4 + 2000.9) / 2);
}

TEST(CapOpponentValue, CapsBeyondTheLimitAt350) {
    EXPECT_EQ(capOpponentValue(2400.0, 2000.0, 400.0), 2400.0);
    EXPECT_EQ(capOpponentValue(2401.0, 2000.0, 400.0), 2350.0);
    EXPECT_EQ(capOpponentValue(1600.0, 2000.0, 400.0), 1600.0);
    EXPECT_EQ(capOpponentValue(1599.0, 2000.0, 400.0), 1650.0);
}

TEST(CappedRivalsAverage, CapsAgainstOwnValueOrTheRivalsMean) {
    // Player 0 (2000) met 1 (2450), 2 (2400) and 3 (1550) once each.
    const TournamentTable table =
        tableOfGames({0, 0, 0, 0}, {{0, 1, ResultDraw}, {0, 2, ResultDraw}, {0, 3, ResultDraw}});
    const std::vector<double> values = {2000, 2450, 2400, 1550};
    std::vector<double> out(4);
    // Against 2000: 2350 + 2400 + 1650.
    ASSERT_EQ(
        applyModification(table, out, values, ModificationCappedToOwn, ratingDifference, 0, 0),
        StatusOk);
    EXPECT_NEAR(out[0], 6400.0 / 3, 1e-9);
    // Against the mean 2133.33: 1550 lies 583.33 below and counts as 1783.33.
    ASSERT_EQ(applyModification(table, out, values, ModificationCappedToRivalsAverage,
                                ratingDifference, 0, 0),
              StatusOk);
    EXPECT_NEAR(out[0], (2450 + 2400 + 6400.0 / 3 - 350) / 3, 1e-9);
    EXPECT_EQ(out[1], 2000.0);
}

}  // namespace
}  // namespace tiebreak
