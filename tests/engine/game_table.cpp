#include "game_table.h"

#include <gtest/gtest.h>

#include "engine/tie_break.h"
#include "tournament/crosstable_reader.h"
#include "tournament/text_file.h"

namespace tiebreak {

namespace {

RoundResult mirrored(RoundResult result) {
    return result == ResultWin ? ResultLoss : result == ResultLoss ? ResultWin : result;
}

void record(TournamentTable& table, const Game& game) {
    EXPECT_EQ(table.recordRound(game.white, static_cast<std::int32_t>(game.black), game.result),
              StatusOk);
    EXPECT_EQ(
        table.recordRound(game.black, static_cast<std::int32_t>(game.white), mirrored(game.result)),
        StatusOk);
}

}  // namespace

TournamentTable tableOfGames(const std::vector<double>& ratings,
                             std::initializer_list<Game> games) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(static_cast<std::uint32_t>(ratings.size())), StatusOk);
    for (std::uint32_t i = 0; i < ratings.size(); ++i)
        table.setRating(i, ratings[i]);
    for (const Game& game : games)
        record(table, game);
    return table;
}

TournamentTable denseField(std::uint32_t n) {
    TournamentTable table;
    EXPECT_EQ(table.allocate(n), StatusOk);
    for (std::uint32_t i = 0; i < n; ++i)
        table.setRating(i, 1500.0 + 37.0 * ((i * 11) % n));
    constexpr RoundResult Results[] = {ResultWin, ResultDraw, ResultLoss, ResultWin};
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            if ((i * 7 + j * 3) % 5 == 0) continue;
            record(table, {i, j, Results[(i * j + i) % 4]});
        }
    }
    return table;
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
