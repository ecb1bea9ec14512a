// The sparse solver on a system without an exact solution.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// Two triangles that never met: the system has no exact solution. The solver still ends, at
// finite values whose residual is orthogonal to every column (a least-squares solution), far from
// where the iteration stops.
TEST(SparseSystem, TwoGroupsThatNeverMetEndAtALeastSquaresSolution) {
    const TournamentTable table =
        tableOfGames({2000, 1900, 1800, 1700, 1600, 1500}, {{0, 1, ResultWin},
                                                            {0, 2, ResultWin},
                                                            {1, 2, ResultDraw},
                                                            {3, 4, ResultDraw},
                                                            {4, 5, ResultDraw},
                                                            {5, 3, ResultDraw}});
    SparseSystem system;
    ASSERT_EQ(system.build(table), StatusOk);
    std::vector<double> x(6);
    ASSERT_EQ(recursivePerformanceSparse(system, table, x), StatusOk);
    // The residual A x - b, row by row, and its products with the columns of A.
    const std::vector<std::uint32_t> active = activePlayers(table);
    const Matrix columns = systemMatrixByColumns(table, active);
    std::vector<double> terms(6);
    ASSERT_EQ(centredScoreTerms(table, terms, ratingDifference), StatusOk);
    std::vector<double> residual(7, 0.0);
    double level = 0.0;
    for (std::size_t r = 0; r < 6; ++r) {
        ASSERT_TRUE(std::isfinite(x[r]));
        level += static_cast<double>(table.gamesPlayed()[r]) * table.ratings()[r];
        residual[r] = -terms[r];
    }
    residual[6] = -level;
    for (std::size_t q = 0; q < 6; ++q) {
        for (std::size_t r = 0; r < 7; ++r)
            residual[r] += columns(q, r) * x[q];
    }
    double residualNorm = 0.0;
    for (const double entry : residual)
        residualNorm += entry * entry;
    EXPECT_GT(std::sqrt(residualNorm), 1.0);  // no exact solution
    for (std::size_t q = 0; q < 6; ++q) {
        double product = 0.0;
        for (std::size_t r = 0; r < 7; ++r)
            product += columns(q, r) * residual[r];
        EXPECT_LT(std::fabs(product), 1e-9) << "column " << q;
    }
    std::vector<double> iterated(6);
    EXPECT_FALSE(
        recursivePerformance(table, iterated, IterationTolerance, IterationLimit).converged);
    EXPECT_GT(weightedDistance(table, iterated, x), 100.0);
}

}  // namespace
}  // namespace tiebreak
