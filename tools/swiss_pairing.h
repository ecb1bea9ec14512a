#pragma once

#include <cstdint>
#include <vector>

#include "tools/tournament_simulation.h"

namespace tiebreak {

struct Pairing {
    std::uint32_t higher = 0;  // start index of the higher-ranked player
    std::uint32_t lower = 0;
};

// True when a and b were paired before (a game or a forfeit).
[[nodiscard]] bool havePlayed(const std::vector<SimulatedPlayer>& players, std::uint32_t a,
                              std::uint32_t b);

// How much a player wants white in his next game: positive for white, negative for black, 0 for
// no wish (no game yet). Magnitude 2 is a strong wish (two more games with one colour, or the
// same colour twice running), 1 a mild one (one more game with one colour, or just the other
// colour than last time).
[[nodiscard]] int colourWish(const SimulatedPlayer& player);

// Pairs ranked (start indices, best first, an even count) within score groups, top half against
// bottom half, preferring partners whose colour wishes do not clash. A player who has met every
// possible opponent of his group floats down to the next group. When the lowest groups cannot
// be paired without a repeat, they take in the groups above them, one at a time; a repeat
// pairing is left only when even the whole field fails. Pairings come top board first.
[[nodiscard]] std::vector<Pairing> pairScoreGroups(const std::vector<SimulatedPlayer>& players,
                                                   const std::vector<std::uint32_t>& ranked);

// Pairs ranked (start indices, best first, an even count) neighbour with neighbour: each player
// still unpaired, from the top, with the next one below him he has not met (the next one at all
// when he has met every one of the following window).
[[nodiscard]] std::vector<Pairing> pairNeighbours(const std::vector<SimulatedPlayer>& players,
                                                  const std::vector<std::uint32_t>& ranked);

// True when the higher-ranked player of pairing gets white: the one with the larger wish for
// white; with equal wishes the higher-ranked player's wish, and in a first game the boards
// alternate from topWhite on board 0.
[[nodiscard]] bool higherGetsWhite(const std::vector<SimulatedPlayer>& players,
                                   const Pairing& pairing, std::size_t board, bool topWhite);

}  // namespace tiebreak
