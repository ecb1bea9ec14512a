// Groups of players who never met: each is a tournament of its own, for the iteration, the
// decomposition and the sparse solver alike.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// Two triangles that never met, and a player without games between them. Centred over the whole
// field the terms do not sum to zero within either triangle, and the iteration's level drifts
// with every sweep; centred within each group, the iteration, the decomposition (one level row a
// group) and the sparse solver meet at values that satisfy each group's system and keep each
// group's level of ratings.
TEST(PlayerGroups, EachGroupIsSolvedAsATournamentOfItsOwn) {
    const TournamentTable table =
        tableOfGames({2000, 1900, 1800, 1400, 1700, 1600, 1500}, {{0, 1, ResultWin},
                                                                  {0, 2, ResultWin},
                                                                  {1, 2, ResultDraw},
                                                                  {4, 5, ResultWin},
                                                                  {5, 6, ResultDraw},
                                                                  {6, 4, ResultDraw}});
    const PlayerGroups groups = playerGroups(table);
    EXPECT_EQ(groups.sizes, (std::vector<std::uint32_t>{3, 3}));
    EXPECT_EQ(groups.groupOf, (std::vector<std::int32_t>{0, 0, 0, PlayerGroups::NoGroup, 1, 1, 1}));

    std::vector<double> iterated(7);
    EXPECT_TRUE(recursivePerformance(table, iterated, IterationTolerance, IterationLimit, &groups)
                    .converged);
    SystemDecomposition decomposition;
    ASSERT_EQ(decomposeBothMethods(decomposition, table, &groups), StatusOk);
    std::vector<double> decomposed(7);
    ASSERT_EQ(decomposition.solve(table, PerformanceSystem, decomposed), StatusOk);
    SparseSystem system;
    ASSERT_EQ(system.build(table), StatusOk);
    std::vector<SparseSolution> solutions;
    ASSERT_EQ(solveBothMethodsSparse(system, table, &groups, solutions), StatusOk);
    EXPECT_TRUE(solutions[PerformanceSystem].converged);
    const std::vector<double>& sparse = solutions[PerformanceSystem].values;

    std::vector<double> stepped(7);
    ASSERT_EQ(performanceStep(table, stepped, ratingDifference, sparse, &groups), StatusOk);
    double levels[2] = {0.0, 0.0};
    for (std::uint32_t i = 0; i < 7; ++i) {
        if (groups.groupOf[i] == PlayerGroups::NoGroup) {
            EXPECT_TRUE(std::isnan(sparse[i]) && std::isnan(decomposed[i]));
            continue;
        }
        EXPECT_NEAR(stepped[i], sparse[i], 1e-10) << i;
        EXPECT_NEAR(decomposed[i], sparse[i], 1e-9) << i;
        EXPECT_NEAR(iterated[i], sparse[i], 1e-9) << i;
        levels[groups.groupOf[i]] += 2.0 * (sparse[i] - table.ratings()[i]);
    }
    EXPECT_NEAR(levels[0], 0.0, 1e-9);
    EXPECT_NEAR(levels[1], 0.0, 1e-9);

    std::vector<double> drifting(7);
    EXPECT_FALSE(
        recursivePerformance(table, drifting, IterationTolerance, IterationLimit).converged);
    EXPECT_GT(weightedDistance(table, drifting, sparse), 1000.0);
}

}  // namespace
}  // namespace tiebreak
