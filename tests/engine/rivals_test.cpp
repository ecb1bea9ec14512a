#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

constexpr double MinusInfinity = -std::numeric_limits<double>::infinity();

// Values are the ratings. Player 0 met 1 to 4 (2100, 1950, 2230, 2010) once each; 5 and 6 met
// five times, the most games G = 5; player 7 met 1 twice and 3; player 8 met 2.
TEST(TrimmedRivalsAverage, DropsTheWorstAndBestEntries) {
    constexpr RoundResult D = ResultDraw;
    std::vector<Game> games = {{0, 1, D}, {0, 2, D}, {0, 3, D}, {0, 4, D},
                               {7, 1, D}, {7, 1, D}, {7, 3, D}, {8, 2, D}};
    games.insert(games.end(), 5, {5, 6, D});
    const TournamentTable table = tableOfGames({2000, 2100, 1950, 2230, 2010, 0, 0, 0, 0}, games);
    // Player, worst and best dropped, the average.
    const std::tuple<std::uint32_t, int, int, double> rows[] = {
        // The missed game counts as the worst rival dropped: (1950 + 2010 + 2100) / 3.
        {0, 1, 1, 2020.0},
        {0, 0, 0, 2072.5},
        {0, -3, -2, 2072.5},  // negative counts drop nothing
        // Entries 2100, 2100, 2230 and two missed games: the third worst drops 2100 once, the
        // fourth twice.
        {7, 3, 0, 2165.0},
        {7, 4, 0, 2230.0},
        {8, 0, 1, MinusInfinity},  // the best of a one-game player
        {0, 3, 3, MinusInfinity},  // more dropped than the rounds
    };
    std::vector<double> out(9);
    for (const auto& [player, worst, best, average] : rows) {
        ASSERT_EQ(trimmedRivalsAverage(table, out, table.ratings(), worst, best), StatusOk);
        EXPECT_EQ(out[player], average) << player << " " << worst << " " << best;
    }
}

}  // namespace
}  // namespace tiebreak
