#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runs/notices.h"
#include "runs/run_codes.h"
#include "runs/run_ending.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

inline constexpr int AdvancedRowCount = 4;

// One method as a run computed it: its iterative values and the measures the log shows.
struct MethodOutcome {
    std::vector<double> values;
    int sweeps = 0;         // the iteration's result: a count; 0 or 1 read as the limit reached
    double residual = 0.0;  // one more step of the map against the values
    double directDistance = 0.0;  // the direct solution against them
    bool sparseCheck = false;     // the direct solution came from the sparse solver
};

// The numbers of a finished advanced run, for outputs beyond the results table.
struct AdvancedRunResult {
    std::optional<MethodOutcome> performance;  // present when a row uses the method
    std::optional<MethodOutcome> bucholz;
    std::array<std::vector<double>, AdvancedRowCount> rows;  // empty for an unused row
};

// What the advanced dialog's driver or the command line hands to the run, with method and
// modification codes.
struct AdvancedRunOptions : CommonRunOptions {
    std::array<int, AdvancedRowCount> method{};        // MethodRecursivePerformance,
                                                       // MethodRecursiveBucholz or RowUnused
    std::array<int, AdvancedRowCount> modification{};  // ModificationNone,
                                                       // ModificationRivalsAverage or RowUnused
    std::array<int, AdvancedRowCount> worst{};         // rivals taken out at the low end
    std::array<int, AdvancedRowCount> best{};          // and at the high end
    int sort = 0;
    int eloForUnrated = 0;
    int headings = 0;
    // When set, a finished run leaves its numbers here.
    AdvancedRunResult* result = nullptr;
    // When set, the results table carries each method's direct solution of its system (the one
    // its check computes) instead of the iteration's values, for fields where the iteration
    // stops at its limit far from the solution.
    bool exactSolution = false;
};

// The run after the driver has read the crosstable into table with result readResult (and, for
// a refused file, the reader's readReason): computes every method the rows use with its two
// checks, writes the results table, delivers it (deliverResults), completes the log and finishes
// (finishRun). The log stream stays open for the caller to close. RunFailed after
// one error box.
[[nodiscard]] RunOutcome runAdvancedAnalysis(Notices& notices, FileOpener& opener,
                                             const AdvancedRunOptions& options, std::ostream& log,
                                             const TournamentTable& table, int readResult,
                                             const std::string& readReason = {});

// The row's heading in the results table: "RP" or "RB", followed by "(A(W-B))" for a rivals
// average.
[[nodiscard]] std::string rowLabel(const AdvancedRunOptions& options, int row);

// The results table of an advanced run: name, points and one column per used row, row 1's
// column first. 0, ErrorCannotOpenFile or ErrorNoMemory.
[[nodiscard]] int writeAdvancedReport(
    const std::string& path, const TournamentTable& table,
    const std::array<std::vector<double>, AdvancedRowCount>& results,
    const AdvancedRunOptions& options);

}  // namespace tiebreak
