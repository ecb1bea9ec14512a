// A whole advanced run on generated opens (arguments: players, rounds): both methods with their
// residuals and their checks (the decomposition up to its size limit, the sparse solver above),
// a rivals-average row, and the plain results table, from the table in memory to the written
// report; and the same with the direct solutions in the table (--solve exact). The peak memory
// is counted above the bare process's.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench/bench_fields.h"
#include "engine/engine_codes.h"
#include "runs/notices.h"
#include "runs/run.h"

namespace tiebreak {
namespace {

class SilentNotices : public Notices, public FileOpener {
public:
    void showError(const std::string&) override {}
    void showNotice(const std::string&) override {}
    void beep() override {}
    [[nodiscard]] Separators separators() const override { return {}; }
    bool open(const std::string&) override { return true; }
};

void runWith(benchmark::State& state, bool exact) {
    const double bareProcess = peakMegabytes();  // the program and its libraries
    const TournamentTable& table = benchOpen(static_cast<std::uint32_t>(state.range(0)),
                                             static_cast<std::uint32_t>(state.range(1)));
    RunRequest request;
    request.inputPath = "bench_open.txt";
    request.rows = {{MethodRecursivePerformance},
                    {MethodRecursiveBucholz},
                    {MethodRecursivePerformance, ModificationRivalsAverage, 1, 0}};
    request.solve = exact ? SolveExact : SolveIterate;
    SilentNotices notices;
    for (auto _ : state) {
        std::ostringstream report;
        std::ostringstream log;
        RunOutputs outputs;
        outputs.table = "-";
        outputs.screen = &report;
        TournamentTable copy = table;
        if (runOnTable(std::move(copy), request, outputs, notices, notices, log, {}) !=
            RunFinished) {
            state.SkipWithError("run failed");
        }
        benchmark::DoNotOptimize(report.str().size());
        // Every size is checked: two distances between the methods in the log.
        const std::string text = log.str();
        std::size_t checks = 0;
        for (auto at = text.find("Error between"); at != std::string::npos;
             at = text.find("Error between", at + 1))
            ++checks;
        if (checks != 2) state.SkipWithError("a check is missing from the log");
    }
    state.counters["peak_MB"] = peakMegabytes() - bareProcess;
}

void AdvancedRun(benchmark::State& state) {
    runWith(state, false);
}

void AdvancedRunExact(benchmark::State& state) {
    runWith(state, true);
}

BENCHMARK(AdvancedRun)
    ->Args({300, 9})
    ->Args({1000, 11})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AdvancedRun)
    ->Args({2000, 11})
    ->Args({20000, 11})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AdvancedRunExact)
    ->Args({2000, 11})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tiebreak

BENCHMARK_MAIN();
