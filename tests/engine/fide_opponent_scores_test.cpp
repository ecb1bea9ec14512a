// Buchholz, Fore Buchholz, Sonneborn-Berger, AOB and Koya by hand, on small fields written as
// records (tests/engine/fide_table.h), the three worked examples among them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/fide_table.h"
#include "tests/engine/fide_values.h"

namespace tiebreak {
namespace {

// Four rounds. A (1) beats C (3) and D (4), loses to E (5) and wins by forfeit against B (2):
// 3 points. C and D have 1.5, E 3.5, all from games. B has 2 from games against 6, 7 and 8
// (0.5, 1 and 2 points) and loses the forfeit, which counts at face value: adjusted 2. A's
// adjusted score is 3.
const std::vector<std::string> ForfeitWin = {
    "2000: w3 w4 l5 +2", "2000: w6 w7 l8 -1", "2000: l1 w6 d7 l8", "2000: w6 l1 d7 l8",
    "2000: w6 w7 w1 d8", "2000: l2 l3 l4 d5", "2000: l2 d3 d4 l5", "2000: d3 d4 w2 l5",
};

// Five rounds. X (1) has 3.5 points with a full-point bye in round 2; Y (6) has 4 with a
// half-point bye. Player 2 lost every game (adjusted 0); 3, 4 and 5 have no record: absent in
// every round after their last round played (none), 5 * 0.5 = 2.5 each. G (7) loses to 8 in
// round 1 and is absent from then on: adjusted 0 + 4 * 0.5 = 2. Player 8 has 3.5 from games.
const std::vector<std::string> ByeCap = {
    "2000: w2 F w3 d4 l5",
    "2000: l1 l1 l1 l1 l1",
    "2000:",
    "2000:",
    "2000:",
    "2000: w2 H w3 d4 w5",
    "2000: l8",
    "2000: w7 d3 d4 d5 w2",
};

// A round robin of three (declared, or told by three players in three rounds): 1 beats 2 and
// wins a forfeit against 3; 2 beats 3; each has a round without an opponent.
const std::vector<std::string> SmallRoundRobin = {"2000: w2 +3 .", "2000: l1 . w3",
                                                  "2000: . -1 l2"};

struct Case {
    const char* name;
    const std::vector<std::string>* lines;
    DeclaredType type;
    const char* code;
    FideRules rules;
    std::uint32_t player;  // from 1
    double value;
};

const Case Cases[] = {
    // A: C 1.5 + D 1.5 + E 3.5 + a dummy for the forfeit: his own 3 under 2024, capped at B's
    // adjusted 2 under 2026. Sonneborn-Berger leaves out the loss to E; /C1 cuts a 1.5.
    {"ForfeitWinDummyOwnScore2024", &ForfeitWin, DeclaredSwiss, "BH", FideRules2024, 1, 9.5},
    {"ForfeitWinDummyCapped2026", &ForfeitWin, DeclaredSwiss, "BH", FideRules2026, 1, 8.5},
    {"ForfeitWinSb2024", &ForfeitWin, DeclaredSwiss, "SB", FideRules2024, 1, 6.0},
    {"ForfeitWinSb2026", &ForfeitWin, DeclaredSwiss, "SB", FideRules2026, 1, 5.0},
    {"ForfeitWinCut2024", &ForfeitWin, DeclaredSwiss, "BH/C1", FideRules2024, 1, 8.0},
    {"ForfeitWinCut2026", &ForfeitWin, DeclaredSwiss, "BH/C1", FideRules2026, 1, 7.0},
    // /P: the forfeit is a game against B, adjusted 2, under either rules.
    {"ForfeitAsGameWithP", &ForfeitWin, DeclaredSwiss, "BH/P", FideRules2024, 1, 8.5},
    // /M1 cuts a 1.5 and E's 3.5: 1.5 + 2.
    {"MedianCutsBothEnds", &ForfeitWin, DeclaredSwiss, "BH/M1", FideRules2026, 1, 3.5},
    // B: 0.5 + 1 + 2 + his dummy min(2, A's 3) = 5.5. The forfeit loss is a voluntary unplayed
    // round: /C1 cuts its 2, not the 0.5; /C2 then the 0.5; /M1 the 2 and the highest, 8's 2.
    {"VoluntaryUnplayedCutFirst", &ForfeitWin, DeclaredSwiss, "BH/C1", FideRules2026, 2, 3.5},
    {"SecondCutTheLowest", &ForfeitWin, DeclaredSwiss, "BH/C2", FideRules2024, 2, 3.0},
    {"HighCutIgnoresVoluntary", &ForfeitWin, DeclaredSwiss, "BH/M1", FideRules2026, 2, 1.5},
    // B's Sonneborn-Berger: 0.5 + 1 + 0 + 0. The forfeit loss adds 0, the cut would otherwise
    // take the 0.5 of the lowest-scored opponent: the larger goes, leaving 1.
    {"SbCutTakesTheLargerOfVoluntaryAndLowest", &ForfeitWin, DeclaredSwiss, "SB/C1", FideRules2026,
     2, 1.0},
    // Fore Buchholz: the final round's pairings drawn. A scores 2.5, so do B (w w l d) and 8,
    // C and D 2 (their final losses drawn), E stays at 3.5; the forfeit is a drawn game:
    // 2 + 2 + 3.5 + 2.5. B: 6's 0.5, 7's 1.5, 8's 2.5 and A's 2.5.
    {"ForeBuchholzDrawsTheFinalForfeit", &ForfeitWin, DeclaredSwiss, "FB", FideRules2026, 1, 10.0},
    {"ForeBuchholzOfTheForfeitLoser", &ForfeitWin, DeclaredSwiss, "FB", FideRules2026, 2, 7.0},
    // AOB: the mean Buchholz of C, D and E, 6.5 each (A's 3 + 0.5, 1 and 2 from 6, 7, 8 in
    // some order); the forfeit against B is no game over the board.
    {"AobOverTheBoardOnly", &ForfeitWin, DeclaredSwiss, "AOB", FideRules2026, 1, 6.5},
    // Koya, limit half of 4: only E (0 points) and B (2, the forfeit counts: 1).
    {"KoyaCountsForfeits", &ForfeitWin, DeclaredSwiss, "KS", FideRules2026, 1, 1.0},
    {"KoyaLimitLowered", &ForfeitWin, DeclaredSwiss, "KS/L-1", FideRules2026, 1, 3.0},
    {"KoyaLimitRaised", &ForfeitWin, DeclaredSwiss, "KS/L+1", FideRules2026, 1, 0.0},
    // X: 0 + the full-point bye's dummy + 2.5 * 3. The dummy has his 3.5 under 2024, half the
    // five rounds under 2026. Y: 0 + 2.5 * 3 + the half-point bye's dummy (4, or 2.5); the bye
    // is a voluntary unplayed round, so /C1 cuts it rather than the 0.
    {"FullPointByeOwnScore2024", &ByeCap, DeclaredSwiss, "BH", FideRules2024, 1, 11.0},
    {"FullPointByeCappedAtHalf2026", &ByeCap, DeclaredSwiss, "BH", FideRules2026, 1, 10.0},
    {"HalfPointByeOwnScore2024", &ByeCap, DeclaredSwiss, "BH", FideRules2024, 6, 11.5},
    {"HalfPointByeCappedAtHalf2026", &ByeCap, DeclaredSwiss, "BH", FideRules2026, 6, 10.0},
    {"HalfPointByeCutFirst", &ByeCap, DeclaredSwiss, "BH/C1", FideRules2026, 6, 7.5},
    {"FullPointByeIsNoVoluntaryRound", &ByeCap, DeclaredSwiss, "BH/C1", FideRules2026, 1, 10.0},
    // 8 counts G's adjusted 2: 2 + 2.5 * 3 + 0. G counts 8's 3.5 and four dummies with his 0.
    {"WithdrawnOpponentAdjusted", &ByeCap, DeclaredSwiss, "BH", FideRules2026, 8, 9.5},
    {"WithdrawnPlayersDummies", &ByeCap, DeclaredSwiss, "BH", FideRules2026, 7, 3.5},
    // The round robin: the forfeit is a game against 3 (adjusted 0: his last round is a game)
    // and the round without an opponent adds nothing: 2's 1 + 0. Koya's limit is half of
    // 3 rounds less one bye: 1, reached by 2.
    {"RoundRobinForfeitIsAGame", &SmallRoundRobin, DeclaredRoundRobin, "BH", FideRules2026, 1, 1.0},
    {"RoundRobinByPlayerCount", &SmallRoundRobin, DeclaredNone, "BH", FideRules2026, 1, 1.0},
    {"RoundRobinKoyaLimit", &SmallRoundRobin, DeclaredRoundRobin, "KS", FideRules2026, 1, 1.0},
};

class FideOpponentScores : public testing::TestWithParam<Case> {};

TEST_P(FideOpponentScores, ValueByHand) {
    const Case& c = GetParam();
    const TournamentTable table = fideTable(*c.lines, c.type);
    EXPECT_EQ(fideValues(table, c.code, c.rules)[c.player - 1], c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, FideOpponentScores, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tiebreak
