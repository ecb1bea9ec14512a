#pragma once

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

}  // namespace tiebreak
