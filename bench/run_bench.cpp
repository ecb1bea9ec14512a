// Whole runs on generated opens (arguments: players, rounds, 1 for a field that mixes slowly):
// the crosstable read from its file, both methods with their residuals and their checks (the
// decomposition up to its size limit, the sparse solver above), a rivals-average row, and the
// plain results table written; and the same with the direct solutions in the table (--solve
// exact). The peak memory is counted above the bare process's. On the fields where the rows carry
// the sparse solver's solution, `rms_to_eigen` is its games-weighted root mean square distance to
// the solution of Eigen's conjugate gradients on the same system, a solver written by others.
#include <benchmark/benchmark.h>

#include <Eigen/IterativeLinearSolvers>
#include <Eigen/SparseCore>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#include "bench/bench_fields.h"
#include "engine/engine_codes.h"
#include "engine/fide/fide_codes.h"
#include "engine/svd/svd.h"
#include "runs/analysis.h"
#include "runs/notices.h"
#include "runs/run.h"
#include "tournament/tournament_reader.h"

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

// Recursive performance's system solved by Eigen, its level the ratings'.
std::vector<double> eigenSolution(const TournamentTable& table) {
    const std::vector<std::uint32_t> active = activePlayers(table);
    std::vector<std::int64_t> position(table.playerCount(), -1);
    for (std::size_t r = 0; r < active.size(); ++r)
        position[active[r]] = static_cast<std::int64_t>(r);
    std::vector<Eigen::Triplet<double>> entries;
    for (std::size_t r = 0; r < active.size(); ++r) {
        const auto row = static_cast<Eigen::Index>(r);
        entries.emplace_back(row, row, table.gamesPlayed()[active[r]]);
        for (const GamesAgainst& against : table.opponents(active[r]))
            entries.emplace_back(row, position[against.opponent], -double(against.games));
    }
    const auto n = static_cast<Eigen::Index>(active.size());
    Eigen::SparseMatrix<double> laplacian(n, n);
    laplacian.setFromTriplets(entries.begin(), entries.end());
    std::vector<double> terms(table.playerCount());
    static_cast<void>(centredScoreTerms(table, terms, ratingDifference));
    Eigen::VectorXd b(n);
    for (Eigen::Index r = 0; r < n; ++r)
        b[r] = table.gamesPlayed()[active[r]] * terms[active[r]];
    // Below this tolerance the iterations of a singular system only gather round-off in its null
    // space, and a field that mixes slowly gets farther from its solution the longer they run.
    Eigen::ConjugateGradient<Eigen::SparseMatrix<double>, Eigen::Lower | Eigen::Upper> solver;
    solver.setTolerance(1e-14);
    solver.compute(laplacian);
    const Eigen::VectorXd x = solver.solve(b);
    double shift = 0.0;
    double games = 0.0;
    for (Eigen::Index r = 0; r < n; ++r) {
        shift += table.gamesPlayed()[active[r]] * (table.ratings()[active[r]] - x[r]);
        games += table.gamesPlayed()[active[r]];
    }
    std::vector<double> values(table.playerCount(), 0.0);
    for (Eigen::Index r = 0; r < n; ++r)
        values[active[r]] = x[r] + shift / games;
    return values;
}

// Every FIDE tie-break, as the hidden checks of the catalogue list them.
std::vector<TieBreakRow> allFideRows() {
    std::vector<TieBreakRow> rows;
    for (const char* code :
         {"PTS", "WIN",  "WON",    "BPG", "BWG",   "REP",  "VUR",  "PS",    "STD",
          "TPN", "RTNG", "BH/C1",  "BH",  "BH/M1", "FB",   "SB",   "SB/C1", "AOB",
          "KS",  "ARO",  "ARO/C1", "TPR", "PTP",   "APRO", "APPO", "DE"}) {
        TieBreakRow row;
        row.fide.emplace();
        if (parseFideTieBreak(code, *row.fide) != StatusOk) std::abort();
        rows.push_back(row);
    }
    return rows;
}

void runWith(benchmark::State& state, SolveMode solve, bool allCodes = false) {
    const double bareProcess = peakMegabytes();  // the program and its libraries
    const auto players = static_cast<std::uint32_t>(state.range(0));
    const auto rounds = static_cast<std::uint32_t>(state.range(1));
    const bool slow = state.range(2) != 0;
    RunRequest request;
    request.inputPath = benchOpenFile(players, rounds, slow);
    request.rows = {{MethodRecursivePerformance},
                    {MethodRecursiveBucholz},
                    {MethodRecursivePerformance, ModificationRivalsAverage, 1, 0}};
    request.solve = solve;
    if (allCodes) {
        const std::vector<TieBreakRow> fide = allFideRows();
        request.rows.insert(request.rows.end(), fide.begin(), fide.end());
    }
    SilentNotices notices;
    std::string text;
    for (auto _ : state) {
        std::ostringstream report;
        std::ostringstream log;
        RunOutputs outputs;
        outputs.table = "-";
        outputs.screen = &report;
        if (runTieBreaks(request, outputs, notices, notices, log, {}) != RunFinished)
            state.SkipWithError("run failed");
        text = log.str();
        benchmark::DoNotOptimize(report.str().size());
    }
    state.counters["peak_MB"] = peakMegabytes() - bareProcess;
    // Every size is checked: two distances between the methods in the log.
    std::size_t checks = 0;
    for (auto at = text.find("Error between"); at != std::string::npos;
         at = text.find("Error between", at + 1))
        ++checks;
    if (checks != 2) state.SkipWithError("a check is missing from the log");
    if (text.find("Values of Recursive Performance: the direct solution") == std::string::npos ||
        text.find("sparse solver") == std::string::npos) {
        return;
    }
    // Outside the timing: the rows' values against Eigen's solution of the same system.
    TournamentTable read;
    RunResult result;
    if (readTournament(read, request.inputPath, 1400) != StatusOk) std::abort();
    const std::vector<double> reference = eigenSolution(read);
    if (analyse(std::move(read), request, {}, result) != 0) std::abort();
    const std::vector<double>& values = result.rows[0].values;
    double squares = 0.0;
    double games = 0.0;
    for (std::uint32_t i = 0; i < result.tournament.playerCount(); ++i) {
        const double g = result.tournament.gamesPlayed()[i];
        if (g == 0) continue;
        squares += g * (values[i] - reference[i]) * (values[i] - reference[i]);
        games += g;
    }
    state.counters["rms_to_eigen"] = std::sqrt(squares / games);
}

void AdvancedRun(benchmark::State& state) {
    runWith(state, SolveDefault);
}

void AdvancedRunExact(benchmark::State& state) {
    runWith(state, SolveExact);
}

// The same with every FIDE tie-break beside the recursive rows.
void AdvancedRunAllCodes(benchmark::State& state) {
    runWith(state, SolveDefault, true);
}

BENCHMARK(AdvancedRun)
    ->Args({300, 9, 0})
    ->Args({1000, 11, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AdvancedRun)
    ->Args({2000, 11, 0})
    ->Args({2000, 11, 1})
    ->Args({20000, 11, 0})
    ->Args({20000, 11, 1})
    ->Args({200000, 11, 0})
    ->Args({200000, 11, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AdvancedRunAllCodes)
    ->Args({2000, 11, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(AdvancedRunExact)
    ->Args({2000, 11, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace tiebreak

BENCHMARK_MAIN();
