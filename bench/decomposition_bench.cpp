// The decomposition of the tie-break system on generated opens: the engine's, the
// element-by-element yardstick, and OpenBLAS's LAPACK dgesdd and dgesvd on one thread on the same
// matrix. Arguments: players, rounds. Each case reports its process's peak memory.
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

// What a run does: build the matrix and decompose it.
void Fast(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    for (auto _ : state) {
        SystemDecomposition decomposition;
        if (decomposition.decompose(table) != StatusOk) state.SkipWithError("decompose failed");
    }
    finish(state);
}

void Reference(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        const Matrix columns = systemColumns(table);
        Matrix rows(columns.cols(), columns.rows());
        for (std::size_t q = 0; q < columns.rows(); ++q) {
            for (std::size_t r = 0; r < columns.cols(); ++r)
                rows(r, q) = columns(q, r);
        }
        std::vector<double> w(columns.rows());
        Matrix v(columns.rows(), columns.rows());
        state.ResumeTiming();
        benchmark::DoNotOptimize(svdDecomposeReference(rows, w, v));
    }
    finish(state);
}

// LAPACK on the matrix by columns (column-major), U and V^T of the same sizes as ours.
template <bool DivideAndConquer>
void Lapack(benchmark::State& state) {
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
        std::vector<double> superb(columns.rows());
        state.ResumeTiming();
        const lapack_int info =
            DivideAndConquer ? LAPACKE_dgesdd(LAPACK_COL_MAJOR, 'S', m, n, columns.row(0), m,
                                              w.data(), u.row(0), m, vt.row(0), n)
                             : LAPACKE_dgesvd(LAPACK_COL_MAJOR, 'S', 'S', m, n, columns.row(0), m,
                                              w.data(), u.row(0), m, vt.row(0), n, superb.data());
        if (info != 0) state.SkipWithError("LAPACK failed");
    }
    finish(state);
}

void Dgesdd(benchmark::State& state) {
    Lapack<true>(state);
}
void Dgesvd(benchmark::State& state) {
    Lapack<false>(state);
}

void sizes(benchmark::internal::Benchmark* b, bool largest) {
    b->Args({300, 9})->Args({1000, 11});
    if (largest) b->Args({2000, 11});
    b->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
}

BENCHMARK(Fast)->Apply([](auto* b) { sizes(b, true); });
BENCHMARK(Reference)->Apply([](auto* b) { sizes(b, false); });
BENCHMARK(Dgesdd)->Apply([](auto* b) { sizes(b, true); });
BENCHMARK(Dgesvd)->Apply([](auto* b) { sizes(b, true); });

}  // namespace
}  // namespace tiebreak

BENCHMARK_MAIN();
