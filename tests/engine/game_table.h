#pragma once

#include <cstdint>
#include <vector>

#include "tools/crosstable_generator.h"
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
                                           const std::vector<Game>& games);

// A deterministic, consistent field of n players in which most pairs met once, with results
// spread by a simple formula: for cross-checks on more than a handful of players.
[[nodiscard]] TournamentTable denseField(std::uint32_t n);

// The generator's crosstable for options, read with 1400 for unrated players; a failed read is a
// test failure and leaves the table empty.
[[nodiscard]] TournamentTable readGenerated(const GeneratorOptions& options);

// The games-weighted norm of a - b: how far apart two value vectors of the table are.
[[nodiscard]] double weightedDistance(const TournamentTable& table, const std::vector<double>& a,
                                      const std::vector<double>& b);

}  // namespace tiebreak
