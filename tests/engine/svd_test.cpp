#include "engine/svd/svd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "engine/tie_break.h"
#include "game_table.h"

namespace tiebreak {
namespace {

// Checks a = U diag(w) V^T, U^T U = I, V^T V = I and w >= 0 for a decomposition of a, which the
// decomposition takes by columns. U comes from the right-hand sides e_0 .. e_{m-1} (U^T e_r is
// row r of U), V from its transformations applied to e_0 .. e_{n-1} (V e_q is column q). With
// chunkRotations 1 every sweep but the last is made again when V is applied.
void expectDecomposes(const Matrix& original, std::size_t chunkRotations) {
    const std::size_t m = original.rows();
    const std::size_t n = original.cols();
    Matrix columns(n, m);
    for (std::size_t r = 0; r < m; ++r) {
        for (std::size_t c = 0; c < n; ++c)
            columns(c, r) = original(r, c);
    }
    Matrix uRows(m, m);
    std::vector<std::span<double>> unitVectors;
    for (std::size_t r = 0; r < m; ++r) {
        uRows(r, r) = 1.0;
        unitVectors.emplace_back(uRows.row(r), m);
    }
    std::vector<double> w(n);
    RightTransformations right;
    right.chunkRotations = chunkRotations;
    EXPECT_TRUE(svdDecomposeOnto(columns, w, unitVectors, right));
    Matrix vColumns(n, n);
    std::vector<std::span<double>> vectors;
    for (std::size_t q = 0; q < n; ++q) {
        vColumns(q, q) = 1.0;
        vectors.emplace_back(vColumns.row(q), n);
    }
    applyRightTransformations(columns, std::move(right), vectors);
    const auto u = [&](std::size_t r, std::size_t q) { return uRows(r, q); };
    const auto v = [&](std::size_t r, std::size_t q) { return vColumns(q, r); };
    for (std::size_t q = 0; q < n; ++q)
        EXPECT_GE(w[q], 0.0);
    for (std::size_t r = 0; r < m; ++r) {
        for (std::size_t c = 0; c < n; ++c) {
            double product = 0.0;
            for (std::size_t q = 0; q < n; ++q)
                product += u(r, q) * w[q] * v(c, q);
            EXPECT_NEAR(product, original(r, c), 1e-12) << r << "," << c;
        }
    }
    for (std::size_t p = 0; p < n; ++p) {
        for (std::size_t q = 0; q < n; ++q) {
            double uu = 0.0;
            double vv = 0.0;
            for (std::size_t r = 0; r < m; ++r)
                uu += u(r, p) * u(r, q);
            for (std::size_t r = 0; r < n; ++r)
                vv += v(r, p) * v(r, q);
            // A zero singular value leaves a zero column of U.
            if (w[p] != 0.0 || p != q) {
                EXPECT_NEAR(uu, p == q ? 1.0 : 0.0, 1e-12);
            }
            EXPECT_NEAR(vv, p == q ? 1.0 : 0.0, 1e-12);
        }
    }
}

TEST(SvdDecomposeOnto, ReconstructsFullAndRankDeficientMatrices) {
    Matrix full(7, 6);
    for (std::size_t r = 0; r < 7; ++r) {
        for (std::size_t c = 0; c < 6; ++c)
            full(r, c) = std::sin(1.0 + 3.0 * r + 7.0 * c);
    }
    for (const std::size_t chunk : {0, 1}) {
        SCOPED_TRACE(chunk == 0 ? "rotations kept" : "rotations made again");
        expectDecomposes(full, chunk);
    }
    Matrix deficient = full;
    for (std::size_t r = 0; r < 7; ++r) {
        deficient(r, 2) = 0.0;                    // a zero column
        deficient(r, 4) = 2.0 * deficient(r, 1);  // a dependent one
    }
    expectDecomposes(deficient, 1);
    Matrix single(2, 1);
    single(0, 0) = -3.0;
    single(1, 0) = 4.0;
    expectDecomposes(single, 1);
}

// One win: terms 800 and -800, so x0 - x1 = 800 and x0 + x1 = 3800 (the ratings' sum).
TEST(SolveBySvd, TwoPlayersWhoMetOnceGetTheExactSolution) {
    const TournamentTable table = tableOfGames({2000, 1800}, {{0, 1, ResultWin}});
    std::vector<double> out(2);
    SystemDecomposition decomposition;
    ASSERT_EQ(decomposeBothMethods(decomposition, table), StatusOk);
    ASSERT_EQ(decomposition.solve(table, PerformanceSystem, out), StatusOk);
    EXPECT_NEAR(out[0], 2300.0, 1e-9);
    EXPECT_NEAR(out[1], 1500.0, 1e-9);
}

// Both methods solved with one decomposition give the bits of each method decomposing on its own;
// another table, or a system the decomposition did not carry, is refused and leaves out as it
// was.
TEST(SolveBySvd, OneDecompositionServesBothMethods) {
    const TournamentTable table = denseField(12);
    SystemDecomposition decomposition;
    ASSERT_EQ(decomposeBothMethods(decomposition, table), StatusOk);
    std::vector<double> alone(12);
    std::vector<double> shared(12);
    std::vector<double> bucholzStart(12);
    bucholzStartValues(table, bucholzStart);
    const TieBreakSystem systems[] = {{table.ratings(), ratingDifference},
                                      {bucholzStart, scoreFraction}};
    for (std::size_t system : {PerformanceSystem, BucholzSystem}) {
        SystemDecomposition own;
        ASSERT_EQ(own.decompose(table, std::span(systems).subspan(system, 1)), StatusOk);
        ASSERT_EQ(own.solve(table, 0, alone), StatusOk);
        ASSERT_EQ(decomposition.solve(table, system, shared), StatusOk);
        EXPECT_EQ(shared, alone);
    }

    const TournamentTable other = denseField(5);
    std::vector<double> untouched(5, 7.0);
    EXPECT_EQ(decomposition.solve(other, PerformanceSystem, untouched), StatusInvalidArgument);
    EXPECT_EQ(decomposition.solve(table, 2, shared), StatusInvalidArgument);
    EXPECT_EQ(untouched, std::vector<double>(5, 7.0));
}

}  // namespace
}  // namespace tiebreak
