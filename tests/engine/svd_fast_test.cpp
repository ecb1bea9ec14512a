// The fast decomposition against the element-by-element one, and the sparse solver against both,
// on made-up fields: the same singular values and solutions to round-off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "tests/engine/game_table.h"
#include "tests/engine/svd_reference.h"

namespace tiebreak {
namespace {

struct FieldCase {
    const char* name;
    GeneratorOptions options;
};

// The system's matrix row by row, as the reference decomposition takes it.
Matrix systemMatrix(const TournamentTable& table) {
    const Matrix columns = systemMatrixByColumns(table, activePlayers(table));
    Matrix system(columns.cols(), columns.rows());
    for (std::size_t q = 0; q < columns.rows(); ++q) {
        for (std::size_t r = 0; r < columns.cols(); ++r)
            system(r, q) = columns(q, r);
    }
    return system;
}

class FastDecomposition : public testing::TestWithParam<FieldCase> {};

// The fast decomposition gathers the reduction's sums in another order than the reference, so
// its singular values agree to round-off; both of its kernel builds, and V applied with its
// rotations kept or made again chunk by chunk, give the same bits. The solutions agree with the
// reference's back-substitution to round-off.
TEST_P(FastDecomposition, AgreesWithTheReference) {
    const TournamentTable table = readGenerated(GetParam().options);
    Matrix system = systemMatrix(table);
    const std::size_t count = system.cols();
    const Matrix columns = systemMatrixByColumns(table, activePlayers(table));
    std::vector<double> expected(count);
    Matrix v(count, count);
    ASSERT_TRUE(svdDecomposeReference(system, expected, v));
    const double largest = *std::max_element(expected.begin(), expected.end());
    std::vector<double> firstValues;
    std::vector<double> firstSolution;
    for (const bool baseline : {false, true}) {
        SCOPED_TRACE(baseline ? "baseline kernels, rotations made again" : "best kernels");
        forceBaselineKernels(baseline);
        Matrix reduced = columns;
        std::vector<double> values(count);
        RightTransformations right;
        right.chunkRotations = baseline ? 97 : 0;
        EXPECT_TRUE(svdDecomposeOnto(reduced, values, {}, right));
        forceBaselineKernels(false);
        std::vector<double> solution(count);
        for (std::size_t q = 0; q < count; ++q) {
            EXPECT_NEAR(values[q], expected[q], 1e-13 * largest) << "value " << q;
            solution[q] = std::cos(static_cast<double>(q));
        }
        const std::span<double> views[] = {solution};
        applyRightTransformations(reduced, std::move(right), views);
        if (!baseline) {
            firstValues = values;
            firstSolution = solution;
        } else {
            EXPECT_EQ(values, firstValues);
            EXPECT_EQ(solution, firstSolution);
        }
    }

    // Both methods' solutions: the reference's, the decomposition's and the sparse solver's.
    SystemDecomposition decomposition;
    ASSERT_EQ(decomposeBothMethods(decomposition, table), StatusOk);
    SparseSystem sparseSystem;
    ASSERT_EQ(sparseSystem.build(table), StatusOk);
    std::vector<SparseSolution> sparseSolutions;
    ASSERT_EQ(solveBothMethodsSparse(sparseSystem, table, WholeField, sparseSolutions), StatusOk);
    const std::uint32_t n = table.playerCount();
    std::vector<double> bucholzStart(n);
    bucholzStartValues(table, bucholzStart);
    for (const std::size_t which : {PerformanceSystem, BucholzSystem}) {
        const bool performance = which == PerformanceSystem;
        std::vector<double> reference(n);
        std::vector<double> fast(n);
        ASSERT_EQ(
            solveBySvdReference(table, reference, performance ? table.ratings() : bucholzStart,
                                performance ? ratingDifference : scoreFraction, SvdCutoff),
            StatusOk);
        ASSERT_EQ(decomposition.solve(table, which, fast), StatusOk);
        const std::vector<double>& sparse = sparseSolutions[which].values;
        EXPECT_LT(weightedDistance(table, fast, sparse), 1e-12 * weightedNorm(table, fast));
        for (std::uint32_t i = 0; i < n; ++i) {
            if (table.gamesPlayed()[i] == 0) {
                EXPECT_TRUE(std::isnan(fast[i]) && std::isnan(sparse[i])) << "player " << i;
            } else {
                EXPECT_LE(std::fabs(fast[i] - reference[i]), 1e-10 * std::fabs(reference[i]))
                    << "player " << i;
            }
        }
    }
}

GeneratorOptions open(std::uint32_t players, std::uint32_t rounds, std::uint64_t seed) {
    GeneratorOptions options;
    options.players = players;
    options.rounds = rounds;
    options.seed = seed;
    return options;
}

GeneratorOptions withIrregularities(GeneratorOptions options) {
    options.unratedShare = 0.1;
    options.byeShare = 0.05;
    options.forfeitShare = 0.02;
    options.absentShare = 0.03;
    options.playersWithoutGames = 4;
    return options;
}

// Neighbours in the standings paired each round: the iteration stops far from the solution, and
// the sparse solver needs hundreds of iterations where it needs tens in an open.
GeneratorOptions slowlyMixing(GeneratorOptions options) {
    options.adjacentPairing = true;
    return options;
}

GeneratorOptions doubleRoundRobin(std::uint32_t players) {
    GeneratorOptions options = open(players, 1, 5);
    options.doubleRoundRobin = true;
    return options;
}

// Sizes on both sides of the rotation strips' width and of the cores' share of rows; a field
// with inactive players, byes and forfeits; a dense field where every pair met twice, whose
// singular values repeat (all but two of its matrix's are equal); a field that mixes slowly.
INSTANTIATE_TEST_SUITE_P(
    GeneratedFields, FastDecomposition,
    testing::Values(FieldCase{"Open50Rounds7", open(50, 7, 1)},
                    FieldCase{"Open137Rounds9Irregular", withIrregularities(open(137, 9, 2))},
                    FieldCase{"Open300Rounds9", open(300, 9, 3)},
                    FieldCase{"DoubleRoundRobin60", doubleRoundRobin(60)},
                    FieldCase{"SlowlyMixing400Rounds11", slowlyMixing(open(400, 11, 6))}),
    [](const testing::TestParamInfo<FieldCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
