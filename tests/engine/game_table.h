#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tournament/status_codes.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// One played game: white's index, black's index and white's result.
struct Game {
    std::uint32_t white;
    std::uint32_t black;
    RoundResult result;
};

// A table of ratings.size() players holding the games in both players' lines.
[[nodiscard]] TournamentTable tableOfGames(const std::vector<double>& ratings,
                                           std::initializer_list<Game> games);

// A deterministic, consistent field of n players in which most pairs met once, with results
// spread by a simple formula: for cross-checks on more than a handful of players.
[[nodiscard]] TournamentTable denseField(std::uint32_t n);

}  // namespace tiebreak
