#pragma once

#include <cstdint>

namespace tiebreak {

// One decoded round cell. Positive values are played games; negative ones give points (or none)
// without a game and never link two players.
enum RoundResult : int {
    ResultWin = 1,
    ResultLoss = 2,
    ResultDraw = 3,
    ResultUnplayedWin = -10,
    ResultUnplayedLoss = -11,  // also every cell that cannot be decoded
    ResultUnplayedDraw = -12,
};

// Opponent index of a round without an opponent.
inline constexpr int NoOpponent = -1;

// What a round was, as FIDE's tie-break rules tell rounds apart. The recursive methods read only
// the result and whether a game was played; FIDE's tie-breaks read this.
enum RoundKind : int {
    RoundGameWon = 1,  // a game over the board, with an opponent
    RoundGameDrawn = 2,
    RoundGameLost = 3,
    RoundForfeitWon = 4,    // paired but not played: the point without a game
    RoundForfeitLost = 5,   // paired but not played; also an opponent without a result
    RoundPairingBye = 6,    // the pairing-allocated bye (TRF "U"); also a game's result without
                            // an opponent, with that result's points
    RoundFullPointBye = 7,  // TRF "F", or "+" without an opponent
    RoundHalfPointBye = 8,  // TRF "H"; a half point without a game in a crosstable
    RoundZeroPointBye = 9,  // TRF "Z"
    RoundNotPaired = 10,    // "-" or a blank without an opponent: no game, no point
    RoundNotInRecord = 11,  // the player's record ends before this round
};

// The colour a player had in a round, where the file gives one.
enum Colour : int {
    ColourNone = 0,
    ColourWhite = 1,
    ColourBlack = 2,
};

// A round's kind, colour and points as the file wrote them, beside its RoundResult.
struct RoundDetail {
    RoundKind kind = RoundNotPaired;
    Colour colour = ColourNone;
    bool rated = true;    // false for a game played but not rated (TRF "W", "D", "L")
    double points = 0.0;  // what the round's code gives: 1, 0.5 or 0
};

// The detail a RoundResult alone implies: a game's kind by its result; without a game, a forfeit
// against a known opponent, or a bye of the points given.
[[nodiscard]] RoundDetail detailOf(RoundResult result, bool hasOpponent) noexcept;

}  // namespace tiebreak
