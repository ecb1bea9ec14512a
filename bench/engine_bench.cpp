// The engine's pieces on generated opens (arguments: players, rounds), each case with its
// process's peak memory: the iteration to convergence, the residual's one further step, the
// trimmed rivals average, the direct solution by decomposition and by the sparse solver, and 500
// sweeps on a field of 10,000.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_fields.h"
#include "engine/svd/svd.h"
#include "engine/tie_break.h"

namespace tiebreak {
namespace {

const TournamentTable& fieldOf(const benchmark::State& state) {
    return benchOpen(static_cast<std::uint32_t>(state.range(0)),
                     static_cast<std::uint32_t>(state.range(1)));
}

void expectOk(benchmark::State& state, bool ok) {
    if (!ok) state.SkipWithError("engine failed");
}

void Iteration(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> out(table.playerCount());
    for (auto _ : state) {
        expectOk(state,
                 recursivePerformance(table, out, IterationTolerance, IterationLimit).status ==
                     StatusOk);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void ResidualStep(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> values(table.ratings().begin(), table.ratings().end());
    std::vector<double> out(table.playerCount());
    for (auto _ : state)
        expectOk(state, performanceStep(table, out, ratingDifference, values) == StatusOk);
    state.counters["peak_MB"] = peakMegabytes();
}

void TrimmedAverage(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> values(table.ratings().begin(), table.ratings().end());
    std::vector<double> out(table.playerCount());
    for (auto _ : state)
        expectOk(state, trimmedRivalsAverage(table, out, values, 1, 1) == StatusOk);
    state.counters["peak_MB"] = peakMegabytes();
}

void SolveBySvd(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> out(table.playerCount());
    for (auto _ : state) {
        SystemDecomposition decomposition;
        expectOk(state, decomposeBothMethods(decomposition, table) == StatusOk &&
                            decomposition.solve(table, PerformanceSystem, out) == StatusOk);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// The sparse solver: the matrix built and both methods solved.
void SparseSolve(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> out(table.playerCount());
    std::vector<SparseSolution> solutions;
    for (auto _ : state) {
        SparseSystem system;
        expectOk(state,
                 system.build(table) == StatusOk &&
                     solveBothMethodsSparse(system, table, WholeField, solutions) == StatusOk);
    }
    state.counters["peak_MB"] = peakMegabytes();
}

// Tolerance 0: all 500 sweeps are made.
void Sweeps500(benchmark::State& state) {
    const TournamentTable& table = fieldOf(state);
    std::vector<double> out(table.playerCount());
    for (auto _ : state)
        expectOk(state, recursivePerformance(table, out, 0.0, 500).sweeps == 500);
    state.counters["peak_MB"] = peakMegabytes();
}

void pieces(benchmark::internal::Benchmark* b) {
    b->Args({300, 9})->Args({2000, 11})->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(Iteration)->Apply(pieces);
BENCHMARK(ResidualStep)->Apply(pieces);
BENCHMARK(TrimmedAverage)->Apply(pieces);
BENCHMARK(SolveBySvd)->Args({300, 9})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SolveBySvd)->Args({2000, 11})->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
BENCHMARK(SparseSolve)
    ->Args({2000, 11})
    ->Args({20000, 11})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(Sweeps500)->Args({10000, 11})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tiebreak

BENCHMARK_MAIN();
