// The written breakdowns, compared line by line: each says why a round counts and ends on the
// sum, the mean or the place that gives the value.
#include "runs/fide_explanation_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/fide/fide_tie_break.h"
#include "tests/engine/fide_table.h"

namespace tiebreak {
namespace {

// Worked example 1 (tests/engine/fide_opponent_scores_test.cpp): A (1) wins a forfeit against
// B (2), whose forfeit loss is his voluntary unplayed round.
const std::vector<std::string> ForfeitWin = {
    "2000: w3 w4 l5 +2", "2000: w6 w7 l8 -1", "2000: l1 w6 d7 l8", "2000: w6 l1 d7 l8",
    "2000: w6 w7 w1 d8", "2000: l2 l3 l4 d5", "2000: l2 d3 d4 l5", "2000: d3 d4 w2 l5",
};
// Everyone met: 1 and 4 tie on 2 points, and 4 beat 1.
const std::vector<std::string> FourMet = {"2000: w2 w3 l4", "2000: l1 l4 w3", "2000: w4 l1 l2",
                                          "2000: l3 w2 w1"};
const std::vector<std::string> Ratings = {"2000: w2 d3 +4 l5", "1800:", "1900:", "1000:", "2101:"};

struct Case {
    const char* name;
    const std::vector<std::string>* lines;
    const char* code;
    std::uint32_t player;              // from 1
    std::vector<std::uint32_t> group;  // DE: table indices
    const char* text;
};

const Case Cases[] = {
    {"DummyCappedAtTheOpponent",
     &ForfeitWin,
     "BH/C1",
     1,
     {},
     "BH/C1 of P1 (1): 7.0 (2026 rules, a Swiss of 4 rounds)\n"
     "    [1.5]  round 1, won against P3 (3): the adjusted score of the opponent, 1.5; cut: the "
     "lowest value\n"
     "     1.5   round 2, won against P4 (4): the adjusted score of the opponent, 1.5\n"
     "     3.5   round 3, lost to P5 (5): the adjusted score of the opponent, 3.5\n"
     "     2.0   round 4, forfeit win against P2 (2): counts as a game against a dummy opponent "
     "with 2.0 points, your score 3.0 capped at the adjusted score of the opponent who did not "
     "play\n"
     "     7.0   the sum of the 3 values kept\n"},
    {"VoluntaryRoundCutFirst",
     &ForfeitWin,
     "BH/C1",
     2,
     {},
     "BH/C1 of P2 (2): 3.5 (2026 rules, a Swiss of 4 rounds)\n"
     "     0.5   round 1, won against P6 (6): the adjusted score of the opponent, 0.5\n"
     "     1.0   round 2, won against P7 (7): the adjusted score of the opponent, 1.0\n"
     "     2.0   round 3, lost to P8 (8): the adjusted score of the opponent, 2.0\n"
     "    [2.0]  round 4, forfeit loss against P1 (1): counts as a game against a dummy opponent "
     "with 2.0 points, your own score (within the cap of 3.0); cut: a voluntary unplayed round "
     "goes first\n"
     "     3.5   the sum of the 3 values kept\n"},
    {"PerformanceFromTheTable",
     &Ratings,
     "TPR",
     1,
     {},
     "TPR of P1 (1): 1934 (2026 rules, a Swiss of 4 rounds)\n"
     "    1800   round 1, won against P2 (2): the opponent's rating\n"
     "    1900   round 2, drew with P3 (3): the opponent's rating\n"
     "           round 3, forfeit win against P4 (4): not a game over the board\n"
     "    2101   round 4, lost to P5 (5): the opponent's rating\n"
     "Your opponents' ratings add up to 5801 in 3 games, an average of 1934 rounded; your 1.5 "
     "points make 50 %, which FIDE's conversion table turns into 0: 1934 + 0 = 1934\n"},
    {"EncounterInTwoStages",
     &FourMet,
     "DE",
     1,
     {0, 1, 2, 3},
     "DE of P1 (1): 2 (2026 rules, a Swiss of 3 rounds)\n"
     "     1.0   round 1, won against P2 (2): a game inside the group\n"
     "     1.0   round 2, won against P3 (3): a game inside the group\n"
     "     0.0   round 3, lost to P4 (4): a game inside the group\n"
     "Stage 1: 4 players, every one met every other; you have 2.0 points against them: still tied, "
     "sharing place 1\n"
     "Stage 2: 2 players, every one met every other; you have 0.0 points against them: place 2 by "
     "those points\n"
     "Your place in the group: 2\n"},
};

class FideExplanationText : public testing::TestWithParam<Case> {};

TEST_P(FideExplanationText, SaysWhyEachRoundCounts) {
    const Case& c = GetParam();
    const TournamentTable table = fideTable(*c.lines);
    FideTieBreak tieBreak;
    ASSERT_EQ(parseFideTieBreak(c.code, tieBreak), StatusOk);
    std::vector<FideBreakdown> breakdowns;
    std::vector<double> values(c.group.empty() ? table.playerCount() : c.group.size());
    std::size_t at = c.player - 1;
    if (c.group.empty()) {
        ASSERT_EQ(computeFideTieBreak(table, tieBreak, FideRules2026, values, &breakdowns),
                  StatusOk);
    } else {
        ASSERT_EQ(directEncounter(table, tieBreak, FideRules2026, c.group, values, &breakdowns),
                  StatusOk);
        at = static_cast<std::size_t>(std::find(c.group.begin(), c.group.end(), c.player - 1) -
                                      c.group.begin());
    }
    std::ostringstream out;
    writeFideBreakdown(out, table, tieBreak, FideRules2026, breakdowns[at], values[at]);
    EXPECT_EQ(out.str(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FideExplanationText, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tiebreak
