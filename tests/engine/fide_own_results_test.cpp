// The tie-breaks of a player's own results, by hand on one record holding every kind of round.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/fide_table.h"
#include "tests/engine/fide_values.h"

namespace tiebreak {
namespace {

// Twelve rounds: player 1 wins with black, loses with white, draws with black, wins and loses
// a forfeit, has a pairing-allocated, a full-point, a half-point and a zero-point bye and a round
// not paired; his record ends there, so rounds 11 and 12 are absent. Player 2 plays round 12.
// Points 1 0 0.5 1 0 1 1 0.5 0 0 (0 0): 5; after each round 1 1 1.5 2.5 2.5 3.5 4.5 5 5 5 5 5.
const std::vector<std::string> EveryKind = {
    "1950: w2/b l3/w d4/b +5 -6 U F H Z .",
    "1800: l1 . . . . . . . . . . w3",
    "1400:",
    "1400:",
    "1400:",
    "1400:",
};

struct Case {
    const char* name;
    const char* code;
    std::uint32_t player;
    double value;
};

const Case Cases[] = {
    {"Points", "PTS", 1, 5.0},
    {"StandardPointsUnderOneHalfZero", "STD", 1, 5.0},
    // A win's points: the game, the forfeit, U and F.
    {"WinsWithAndWithoutAGame", "WIN", 1, 4.0},
    {"WonOverTheBoardOnly", "WON", 1, 1.0},
    {"GamesWithBlack", "BPG", 1, 2.0},
    {"GamesWonWithBlack", "BWG", 1, 1.0},
    // Voluntary: the forfeit loss, H, Z, the round not paired and the two absent rounds.
    {"RoundsElectedToPlay", "REP", 1, 6.0},
    {"VoluntaryUnplayedRounds", "VUR", 1, 6.0},
    {"ProgressiveScore", "PS", 1, 41.5},
    {"ProgressiveWithoutTheFirstRound", "PS/C1", 1, 40.5},
    {"ProgressiveWithoutTwoRounds", "PS/C2", 1, 39.5},
    {"StartNumber", "TPN", 3, 3.0},
    {"Rating", "RTNG", 2, 1800.0},
};

class FideOwnResults : public testing::TestWithParam<Case> {};

TEST_P(FideOwnResults, ValueByHand) {
    const Case& c = GetParam();
    const TournamentTable table = fideTable(EveryKind);
    EXPECT_EQ(fideValues(table, c.code)[c.player - 1], c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, FideOwnResults, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tiebreak
