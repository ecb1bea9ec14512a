// The rating tie-breaks by hand: games over the board only, FIDE's rounding and its two
// conversion tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/engine/fide_table.h"
#include "tests/engine/fide_values.h"

namespace tiebreak {
namespace {

// Player 1 beats 2 (1800), draws 3 (1900), wins a forfeit against 4 (1000) and loses to 5
// (2101): 1.5 points from three games. Player 6 (1500) beats 7 and loses to 8, both 2000; 2 to
// 5 have no record.
const std::vector<std::string> Field = {
    "2000: w2 d3 +4 l5", "1800:",    "1900:",      "1000:", "2101:",
    "1500: w7 l8",       "2000: l6", "2000: . w6",
};

struct Case {
    const char* name;
    const char* code;
    std::uint32_t player;
    double value;  // not a number: undefined
};

const double Undefined = std::nan("");

const Case Cases[] = {
    // (1800 + 1900 + 2101) / 3 = 1933.67; with the forfeit it would be 1700.
    {"AroLeavesOutTheForfeit", "ARO", 1, 1934},
    // Without 1800: 2000.5, a half rounded up.
    {"AroCutRoundsHalfUp", "ARO/C1", 1, 2001},
    {"AroMedianKeepsTheMiddle", "ARO/M1", 1, 1900},
    {"AroWithEveryGameCut", "ARO/M2", 1, Undefined},
    {"AroWithoutGames", "ARO", 2, Undefined},
    // 50 %: ARO + 0.
    {"TprHalfTheGames", "TPR", 1, 1934},
    // 7: no point against 1500, 1500 - 800; 8: all against 1500, 1500 + 800.
    {"TprNoPoint", "TPR", 7, 700},
    {"TprFullScore", "TPR", 8, 2300},
    {"TprWithoutGames", "TPR", 4, Undefined},
    // 6: 1 of 2 against 2000. Down to 3 points below 2000 each game still gives 0.50; at 4
    // below it gives 0.49.
    {"PtpLowestRatingReachingThePoints", "PTP", 6, 1997},
    {"PtpNoPoint", "PTP", 7, 700},
    {"PtpFullScore", "PTP", 8, 2236},
    {"PtpWithoutGames", "PTP", 3, Undefined},
    // 6's opponents: TPR 700 and 2300, PTP 700 and 2236.
    {"AproMeanOfOpponentsTpr", "APRO", 6, 1500},
    {"AppoMeanOfOpponentsPtp", "APPO", 6, 1468},
};

class FideRatings : public testing::TestWithParam<Case> {};

TEST_P(FideRatings, ValueByHand) {
    const Case& c = GetParam();
    const double value = fideValues(fideTable(Field), c.code)[c.player - 1];
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(value)) << value;
    } else {
        EXPECT_EQ(value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FideRatings, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tiebreak
