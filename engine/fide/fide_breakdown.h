#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "tournament/round_result.h"

namespace tiebreak {

// What a FIDE tie-break took from each round of a player, so that an arbiter can check the value
// by hand. Numbers and kinds only: runs/fide_explanation_text.h words them.

// How a round enters the value.
enum FideRoundUse : int {
    UseNotCounted = 0,     // the round adds nothing to this tie-break
    UseGame = 1,           // a game over the board against the opponent named
    UseForfeitAsGame = 2,  // a forfeit counted as a game against the paired opponent: with /P,
                           // in a round robin, and in Fore Buchholz's drawn final round
    UseDummy = 3,          // an unplayed round counted as a game against a dummy opponent
    UseOwnRound = 4,       // the player's own result of the round counts by itself
};

// Where a dummy opponent's score comes from.
enum FideDummyScore : int {
    DummyNone = 0,
    DummyOwnScore = 1,          // the player's own score (2024 rules, or a score within the cap)
    DummyCappedAtOpponent = 2,  // 2026, a forfeit: the adjusted score of the opponent who did
                                // not play, being below the player's own score
    DummyCappedAtHalf = 3,      // 2026, any other unplayed round: half the rounds, being below
                                // the player's own score
};

// What the cuts did to a round's contribution.
enum FideCutMark : int {
    CutNone = 0,
    CutLowVoluntary = 1,  // taken by a low cut as a voluntary unplayed round, which goes first
    CutLow = 2,           // taken by a low cut as the least significant value
    CutHigh = 3,          // taken by a high cut as the most significant value
};

// One round 1..R of the player.
struct FideRoundLine {
    std::uint32_t round = 0;  // 1 for the first round
    RoundKind kind = RoundNotInRecord;
    std::int32_t opponent = NoOpponent;  // table index of a game's or a forfeit's opponent
    Colour colour = ColourNone;
    bool voluntaryUnplayed = false;
    double points = 0.0;      // the player's points in the round, as the tie-break counts them
    bool drawnFinal = false;  // Fore Buchholz: a final-round pairing taken as a draw
    FideRoundUse use = UseNotCounted;
    // The opponent's own score, where the tie-break reads it (his points over the rounds).
    double opponentScore = std::numeric_limits<double>::quiet_NaN();
    // What the tie-break takes from the opponent or the dummy: the adjusted score (BH, FB, SB),
    // the own score (KS), the rating (ARO, TPR, PTP), the Buchholz or Fore Buchholz (AOB), the
    // TPR (APRO), the PTP (APPO); the dummy's score for a dummy.
    double opponentValue = std::numeric_limits<double>::quiet_NaN();
    FideDummyScore dummy = DummyNone;
    // The 2026 cap on the dummy: the paired opponent's adjusted score for a forfeit, half the
    // rounds otherwise; not a number under the 2024 rules.
    double cap = std::numeric_limits<double>::quiet_NaN();
    double contribution = 0.0;  // what the round adds before any cut
    FideCutMark cut = CutNone;
};

// How a stage of direct encounter placed a member of the group.
enum FideEncounterOutcome : int {
    EncounterByPoints = 1,    // every member met every other: placed by the points among them
    EncounterClearAhead = 2,  // placed ahead of those left: more points than any of them
                              // could reach by winning every game they did not play
    EncounterLast = 3,        // placed behind the others, who all went ahead of him
    EncounterTied = 4,        // left tied with others at this stage
};

// One stage of direct encounter: the whole group first, then each subgroup left tied, with the
// games inside it only.
struct FideEncounterStage {
    std::uint32_t members = 0;  // the players of the stage's group, the player among them
    bool allMet = false;        // every member met every other (always in a round robin)
    double points = 0.0;        // his points against them, repeated meetings averaged
    std::uint32_t notMet = 0;   // members he did not meet: the most he could still add
    FideEncounterOutcome outcome = EncounterTied;
    std::uint32_t place = 0;  // his place in the whole group after the stage, shared when tied
};

// One player's value under one tie-break, with what it was made of. The round lines come in
// round order; the sums below are of the contributions no cut took.
struct FideBreakdown {
    std::uint32_t player = 0;  // table index
    std::vector<FideRoundLine> rounds;
    std::uint32_t roundCount = 0;  // R
    bool roundRobin = false;
    double score = 0.0;  // the player's points (Fore Buchholz: his final-round pairing drawn)
    double koyaLimit = std::numeric_limits<double>::quiet_NaN();  // KS: the score that counts
    std::uint32_t counted = 0;  // contributions left after the cuts (games for the ratings)
    double sum = 0.0;           // their sum, before a mean is taken
    double gamePoints = 0.0;    // TPR, PTP: the points of the games over the board
    int percentage = 0;         // TPR: game points per game in whole percent, halves up
    double ratingDifference = std::numeric_limits<double>::quiet_NaN();  // TPR: dp of 8.1(a)
    double averageRating = std::numeric_limits<double>::quiet_NaN();     // TPR: the ARO added to
    // PTP: the expected score (table 8.1(b)) at the value and one rating point below it; the
    // value is the lowest rating whose expected score reaches the game points.
    double expectedScore = std::numeric_limits<double>::quiet_NaN();
    double expectedBelow = std::numeric_limits<double>::quiet_NaN();
    std::vector<FideEncounterStage> stages;  // DE
    double value = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace tiebreak
