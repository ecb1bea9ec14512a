// Iteration and decomposition on made-up Swiss opens: two independent ways to the same values.
#include <gtest/gtest.h>

#include <vector>

#include "engine/tie_break.h"
#include "tests/engine/game_table.h"

namespace tiebreak {
namespace {

TournamentTable generatedOpen(std::uint64_t seed) {
    GeneratorOptions options;
    options.players = 30 + static_cast<std::uint32_t>(seed * 13 % 50);
    options.rounds = 7 + static_cast<std::uint32_t>(seed % 3);
    options.seed = seed;
    options.unratedShare = 0.05;
    options.forfeitShare = 0.01;
    options.absentShare = 0.02;
    options.playersWithoutGames = seed % 2;
    return readGenerated(options);
}

TEST(GeneratedOpens, IterationAndDecompositionAgree) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        const TournamentTable table = generatedOpen(seed);
        const std::uint32_t n = table.playerCount();
        std::vector<double> iterated(n);
        std::vector<double> direct(n);
        ASSERT_GT(recursivePerformance(table, iterated, ratingDifference, IterationTolerance,
                                       IterationLimit),
                  1)
            << "seed " << seed;
        ASSERT_EQ(recursivePerformanceSvd(table, direct, ratingDifference, SvdCutoff), StatusOk);
        // Rating-point values near 2000: a few units of 1e-9 are what the stopping test leaves.
        EXPECT_LT(weightedDistance(table, iterated, direct), 1e-8) << "seed " << seed;

        ASSERT_GT(recursiveBucholz(table, iterated, IterationTolerance, IterationLimit), 1)
            << "seed " << seed;
        ASSERT_EQ(recursiveBucholzSvd(table, direct, SvdCutoff), StatusOk);
        EXPECT_LT(weightedDistance(table, iterated, direct), 5e-10) << "seed " << seed;
    }
}

}  // namespace
}  // namespace tiebreak
