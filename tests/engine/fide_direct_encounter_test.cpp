// Direct encounter by hand: the games inside the group, its subgroups, forfeits and repeated
// meetings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/fide_table.h"
#include "tests/engine/fide_values.h"

namespace tiebreak {
namespace {

// All four met: 1 beats 2 and 3, 4 beats 1 and 2, 2 beats 3, 3 beats 4. Points 2, 1, 1, 2.
const std::vector<std::string> FourMet = {"2000: w2 w3 l4", "2000: l1 l4 w3", "2000: w4 l1 l2",
                                          "2000: l3 w2 w1"};
// 1 beats 2 and 3, who never met; 4 met nobody.
const std::vector<std::string> NotAllMet = {"2000: w2 w3", "2000: l1", "2000: . l1", "2000:"};
// 1 wins a forfeit against 2.
const std::vector<std::string> Forfeit = {"2000: +2", "2000: -1"};
// 1 beats 2 twice, 2 beats 3, 3 beats 1: averaged, one point each.
const std::vector<std::string> Repeated = {"2000: w2 w2 l3 .", "2000: l1 l1 . w3",
                                           "2000: . . w1 l2"};

struct Case {
    const char* name;
    const std::vector<std::string>* lines;
    DeclaredType type;
    const char* code;
    std::vector<std::uint32_t> group;  // numbers from 1
    std::vector<double> values;
};

const Case Cases[] = {
    // 1 and 4 tie on 2, 2 and 3 on 1; inside each pair its own game decides: 4 beat 1, 2
    // beat 3. The points of the whole group would leave both pairs tied.
    {"SubgroupsUseTheirOwnGames", &FourMet, DeclaredSwiss, "DE", {1, 2, 3, 4}, {2, 3, 4, 1}},
    {"ThreeByPoints", &FourMet, DeclaredSwiss, "DE", {1, 2, 3}, {1, 2, 3}},
    {"GroupOfOne", &FourMet, DeclaredSwiss, "DE", {2}, {0}},
    // 1's 2 points exceed what 2 or 3 could reach (0 + the game each missed): first. 2 and 3
    // never met: tied on second place.
    {"LeaderAheadOfAnyReach", &NotAllMet, DeclaredSwiss, "DE", {1, 2, 3}, {1, 2, 2}},
    // 4 could still reach 3 points: nobody is separated.
    {"LeaderWithinReach", &NotAllMet, DeclaredSwiss, "DE", {1, 2, 3, 4}, {0, 0, 0, 0}},
    // A round robin counts everyone as met: 1 ahead, the rest tied on no points.
    {"RoundRobinAlwaysMet", &NotAllMet, DeclaredRoundRobin, "DE", {1, 2, 3, 4}, {1, 2, 2, 2}},
    {"SwissForfeitLeftOut", &Forfeit, DeclaredSwiss, "DE", {1, 2}, {0, 0}},
    {"SwissForfeitWithP", &Forfeit, DeclaredSwiss, "DE/P", {1, 2}, {1, 2}},
    {"RoundRobinForfeitCounts", &Forfeit, DeclaredRoundRobin, "DE", {1, 2}, {1, 2}},
    // Counted twice, 1 would have 2 points against 1 and 1.
    {"RepeatedMeetingsAveraged", &Repeated, DeclaredSwiss, "DE", {1, 2, 3}, {0, 0, 0}},
};

class FideDirectEncounter : public testing::TestWithParam<Case> {};

TEST_P(FideDirectEncounter, PlacesByHand) {
    const Case& c = GetParam();
    EXPECT_EQ(encounterValues(fideTable(*c.lines, c.type), c.code, c.group), c.values);
}

INSTANTIATE_TEST_SUITE_P(Cases, FideDirectEncounter, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tiebreak
