#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/crosstable_generator.h"

namespace tiebreak {

// How one round went for one player.
enum CellKind : int {
    CellGame = 0,          // a played game
    CellForfeitWin = 1,    // paired, and a point without a game: the opponent did not come
    CellForfeitLoss = 2,   // paired, did not come: nothing
    CellPairingBye = 3,    // the one player the pairing left over: a full point
    CellRequestedBye = 4,  // asked not to be paired: half a point
    CellAbsent = 5,        // not there: nothing (also a round robin's free round)
};

struct RoundCell {
    CellKind kind = CellAbsent;
    std::uint32_t opponent = 0;  // start index, for games and forfeits
    bool white = false;          // games only
    int halfPoints = 0;          // what the round gave: 2 a win, 1 a draw, 0 nothing
};

struct SimulatedPlayer {
    std::string name;
    std::string federation;
    int rating = 0;            // 0 for an unrated player
    bool emptyRating = false;  // unrated, written as an empty field rather than "0"
    int strength = 0;          // the Elo the results are drawn with: the rating when rated
    bool withdrawn = false;    // never plays
    int halfPoints = 0;        // points so far, doubled
    std::vector<RoundCell> rounds;
};

// A finished tournament in start order (by rating, the unrated last).
struct SimulatedTournament {
    std::vector<SimulatedPlayer> players;
    std::uint32_t rounds = 0;
};

// The options with every value brought into its documented range.
[[nodiscard]] GeneratorOptions clampedOptions(const GeneratorOptions& options);

// Plays the tournament that the (clamped) options describe. The same options give the same
// tournament on every platform; the output format options do not change it.
[[nodiscard]] SimulatedTournament simulateTournament(const GeneratorOptions& options);

}  // namespace tiebreak
