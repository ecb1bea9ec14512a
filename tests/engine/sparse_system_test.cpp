// The sparse solver against the decomposition, and on a system without an exact solution.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// Where both run, both give the least-squares solution of the same system: they agree to
// round-off (some 1e-13 of the values, near 2000 for performance and half the rounds for
// Bucholz), on opens with
// byes, forfeits, absences and players without games, and on a double round robin.
TEST(SparseSystem, AgreesWithTheDecomposition) {
    std::vector<GeneratorOptions> fields(3);
    fields[0].players = 137;
    fields[0].rounds = 9;
    fields[0].seed = 2;
    fields[0].unratedShare = 0.1;
    fields[0].byeShare = 0.05;
    fields[0].forfeitShare = 0.02;
    fields[0].absentShare = 0.03;
    fields[0].playersWithoutGames = 4;
    fields[1].players = 400;
    fields[1].rounds = 11;
    fields[2].players = 40;
    fields[2].doubleRoundRobin = true;
    for (const GeneratorOptions& field : fields) {
        SCOPED_TRACE(std::to_string(field.players) + " players");
        const TournamentTable table = readGenerated(field);
        ASSERT_GT(table.playerCount(), 0u);
        const std::uint32_t n = table.playerCount();
        SystemDecomposition decomposition;
        SparseSystem system;
        ASSERT_EQ(decomposeBothMethods(decomposition, table, ratingDifference), StatusOk);
        ASSERT_EQ(system.build(table), StatusOk);
        std::vector<double> dense(n);
        std::vector<double> sparse(n);
        ASSERT_EQ(decomposition.solve(table, PerformanceSystem, dense), StatusOk);
        ASSERT_EQ(recursivePerformanceSparse(system, table, sparse, ratingDifference), StatusOk);
        EXPECT_LT(weightedDistance(table, dense, sparse), 1e-12 * weightedNorm(table, dense));
        ASSERT_EQ(decomposition.solve(table, BucholzSystem, dense), StatusOk);
        ASSERT_EQ(recursiveBucholzSparse(system, table, sparse), StatusOk);
        EXPECT_LT(weightedDistance(table, dense, sparse), 1e-12 * weightedNorm(table, dense));
        for (std::uint32_t i = 0; i < n; ++i) {
            if (table.gamesPlayed()[i] == 0) {
                EXPECT_TRUE(std::isnan(sparse[i])) << "player " << i;
            }
        }
    }
}

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
    ASSERT_EQ(recursivePerformanceSparse(system, table, x, ratingDifference), StatusOk);
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
    EXPECT_EQ(
        recursivePerformance(table, iterated, ratingDifference, IterationTolerance, IterationLimit),
        StatusIterationLimit);
    EXPECT_GT(weightedDistance(table, iterated, x), 100.0);
}

}  // namespace
}  // namespace tiebreak
