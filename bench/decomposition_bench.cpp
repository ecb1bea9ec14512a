// The direct solution of the tie-break systems on generated opens beside LAPACK's on the same
// matrix (OpenBLAS, one thread): the engine's decomposition carrying both methods' right-hand
// sides with their two solutions, the element-by-element yardstick, dgesdd (the decomposition
// with U and V) and dgelsd (the least-squares driver, one right-hand side). Arguments: players,
// rounds. Each case reports its process's peak memory.
#include <benchmark/benchmark.h>
#include <cblas.h>
#include <lapacke.h>

#include <vector>

#include "bench/bench_fields.h"
#include "engine/svd/svd.h"
#include "tests/engine/svd_reference.h"

namespace tiebreak {
namespace {

const TournamentTable& fieldOf(const benchmark::State& state) {
    return benchOpen(static_cast<std::uint32_t>(state.range(0)),
                     static_cast<std::uint32_t>(state.range(1)));
}

void finish(benchmark::State& state) {
    state.counters["peak_MB"] = peakMegabytes();
}

// What a run does: build the matrix, decompose it onto both right-hand sides, solve both.
void Engine(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> out(table.playerCount());
    for (auto _ : state) {
        SystemDecomposition decomposition;
        if (decomposeBothMethods(decomposition, table) != StatusOk ||
            decomposition.solve(table, PerformanceSystem, out) != StatusOk ||
            decomposition.solve(table, BucholzSystem, out) != StatusOk) {
            state.SkipWithError("decompose failed");
        }
    }
    finish(state);
}

void Reference(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> out(table.playerCount());
    for (auto _ : state) {
        if (solveBySvdReference(table, out, table.ratings(), ratingDifference, SvdCutoff) !=
            StatusOk) {
            state.SkipWithError("reference failed");
        }
    }
    finish(state);
}

// LAPACK on the matrix by columns (column-major), with U and V^T of the same sizes as ours.
void Dgesdd(benchmark::State& state) {
    openblas_set_num_threads(1);
    const TournamentTable& table = fieldOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        Matrix columns = systemColumns(table);
        const auto n = static_cast<lapack_int>(columns.rows());
        const auto m = static_cast<lapack_int>(columns.cols());
        std::vector<double> w(columns.rows());
        Matrix u(columns.rows(), columns.cols());
        Matrix vt(columns.rows(), columns.rows());
        state.ResumeTiming();
        if (LAPACKE_dgesdd(LAPACK_COL_MAJOR, 'S', m, n, columns.row(0), m, w.data(), u.row(0), m,
                           vt.row(0), n) != 0) {
            state.SkipWithError("dgesdd failed");
        }
    }
    finish(state);
}

// The least-squares driver numpy's lstsq calls, on the performance system's right-hand side,
// every singular value kept (rcond -1: machine precision).
void Dgelsd(benchmark::State& state) {
    openblas_set_num_threads(1);
    const TournamentTable& table = fieldOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        Matrix columns = systemColumns(table);
        const auto n = static_cast<lapack_int>(columns.rows());
        const auto m = static_cast<lapack_int>(columns.cols());
        std::vector<double> terms(table.playerCount());
        static_cast<void>(centredScoreTerms(table, terms, ratingDifference));
        std::vector<double> b(columns.cols(), 0.0);
        const std::vector<std::uint32_t> active = activePlayers(table);
        for (std::size_t r = 0; r < active.size(); ++r) {
            b[r] = terms[active[r]];
            b[active.size()] += table.gamesPlayed()[active[r]] * table.ratings()[active[r]];
        }
        std::vector<double> w(columns.rows());
        lapack_int rank = 0;
        state.ResumeTiming();
        if (LAPACKE_dgelsd(LAPACK_COL_MAJOR, m, n, 1, columns.row(0), m, b.data(), m, w.data(),
                           -1.0, &rank) != 0) {
            state.SkipWithError("dgelsd failed");
        }
    }
    finish(state);
}

void sizes(benchmark::internal::Benchmark* b, bool larger) {
    b->Args({300, 9});
    if (larger) b->Args({1000, 11})->Args({2000, 11});
    b->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
}

BENCHMARK(Engine)->Apply([](auto* b) { sizes(b, true); });
BENCHMARK(Reference)->Apply([](auto* b) { sizes(b, false); });
BENCHMARK(Dgesdd)->Apply([](auto* b) { sizes(b, true); });
BENCHMARK(Dgelsd)->Apply([](auto* b) { sizes(b, true); });

}  // namespace
}  // namespace tiebreak

BENCHMARK_MAIN();
