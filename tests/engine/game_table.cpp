#include "game_table.h"

#include <gtest/gtest.h>

#include "engine/tie_break.h"
#include "tournament/crosstable_reader.h"
#include "tournament/text_file.h"

namespace tiebreak {

TournamentTable tableOfGames(const std::vector<double>& ratings, const std::vector<Game>& games) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(static_cast<std::uint32_t>(ratings.size())), StatusOk);
    for (std::uint32_t i = 0; i < ratings.size(); ++i)
        table.setRating(i, ratings[i]);
    for (const auto& [white, black, result] : games) {
        const RoundResult mirrored = result == ResultWin    ? ResultLoss
                                     : result == ResultLoss ? ResultWin
                                                            : result;
        EXPECT_EQ(table.recordRound(white, static_cast<std::int32_t>(black), result), StatusOk);
        EXPECT_EQ(table.recordRound(black, static_cast<std::int32_t>(white), mirrored), StatusOk);
    }
    return table;
}

TournamentTable denseField(std::uint32_t n) {
    constexpr RoundResult Results[] = {ResultWin, ResultDraw, ResultLoss, ResultWin};
    std::vector<double> ratings;
    std::vector<Game> games;
    for (std::uint32_t i = 0; i < n; ++i) {
        ratings.push_back(1500.0 + 37.0 * ((i * 11) % n));
        for (std::uint32_t j = i + 1; j < n; ++j) {
            if ((i * 7 + j * 3) % 5 != 0) games.push_back({i, j, Results[(i * j + i) % 4]});
        }
    }
    return tableOfGames(ratings, games);
}

TournamentTable readGenerated(const GeneratorOptions& options) {
    TournamentTable table;
    EXPECT_EQ(readCrosstableLines(table, splitLines(generateCrosstable(options)), 1400), StatusOk)
        << "seed " << options.seed;
    return table;
}

double weightedDistance(const TournamentTable& table, const std::vector<double>& a,
                        const std::vector<double>& b) {
    std::vector<double> difference(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        difference[i] = a[i] - b[i];
    return weightedNorm(table, difference);
}

}  // namespace tiebreak
