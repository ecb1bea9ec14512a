// A whole advanced run on generated opens (arguments: players, rounds): both methods with their
// residuals and their checks against the one decomposition, a rivals-average row, and the plain
// results table, from the table in memory to the written report.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench/bench_fields.h"
#include "engine/engine_codes.h"
#include "runs/advanced_run.h"
#include "runs/notices.h"

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

void AdvancedRun(benchmark::State& state) {
    const TournamentTable& table = benchOpen(static_cast<std::uint32_t>(state.range(0)),
                                             static_cast<std::uint32_t>(state.range(1)));
    AdvancedRunOptions options;
    options.inputPath = "bench_open.txt";
    options.method = {MethodRecursivePerformance, MethodRecursiveBucholz,
                      MethodRecursivePerformance, RowUnused};
    options.modification = {ModificationNone, ModificationNone, ModificationRivalsAverage,
                            RowUnused};
    options.worst = {0, 0, 1, 0};
    options.sort = 1;
    options.headings = 1;
    options.intermediatePath = "bench_run_table.txt";
    SilentNotices notices;
    for (auto _ : state) {
        std::ostringstream report;
        std::ostringstream log;
        options.plainTable = &report;
        if (runAdvancedAnalysis(notices, notices, options, log, table, 0) != RunFinished) {
            state.SkipWithError("run failed");
        }
        benchmark::DoNotOptimize(report.str().size());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

BENCHMARK(AdvancedRun)
    ->Args({300, 9})
    ->Args({1000, 11})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AdvancedRun)
    ->Args({2000, 11})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tiebreak

BENCHMARK_MAIN();
