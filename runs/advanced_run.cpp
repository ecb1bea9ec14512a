#include "runs/advanced_run.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "runs/error_messages.h"
#include "runs/run_codes.h"
#include "runs/run_log.h"
#include "runs/spreadsheet.h"
#include "runs/text_format.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// Both error lines are 47 characters before their measure.
constexpr const char* ResidualLabel = "Error:                                         ";
constexpr const char* SvdLabel = "Error between recursive method and SVD method: ";
constexpr const char* SparseLabel = "Error between recursive method and sparse solver: ";
constexpr const char* SvdFailureText = "SVD FAILURE\t";
constexpr const char* NotConvergedLine =
    "Singular value decomposition: not converged in 30 sweeps, maybe inexact\n";
constexpr const char* RivalsText =
    "\nOne of the tie-breaks cannot be calculated because\nmore rivals than rounds were taken "
    "out.";

// How a failed step ends the attempt: the code and the name its message shows.
struct Failure {
    int code;
    std::string name;
};

struct Method {
    TieBreakMethod code;
    const char* name;  // as the log names it
    ScoreFunction scoreFunction;
    std::string_view phase;
};

constexpr Method Performance{MethodRecursivePerformance, "Recursive Performance", ratingDifference,
                             PhaseIteratingPerformance};
constexpr Method Bucholz{MethodRecursiveBucholz, "Recursive Bucholz", scoreFraction,
                         PhaseIteratingBucholz};

bool usesMethod(const AdvancedRunOptions& options, TieBreakMethod method) {
    for (const int code : options.method) {
        if (code == method) return true;
    }
    return false;
}

// A decomposition that did not converge still solves, maybe inexactly: the log says so, and so
// does the program's standard output.
void reportNotConverged(std::ostream& log) {
    std::fputs(SvdFailureText, stdout);
    std::fflush(stdout);
    log << NotConvergedLine << std::flush;
}

// The direct solutions of both methods, from one preparation made when the first method needs
// it: the singular value decomposition up to its size limit, the sparse solver above it.
class DirectSolutions {
public:
    // StatusOk, StatusNotConverged (logged), or StatusNoMemory.
    int prepare(const TournamentTable& table, std::ostream& log) {
        if (attempted_) return status_;
        attempted_ = true;
        status_ = decomposeBothMethods(decomposition_, table, ratingDifference);
        if (status_ == StatusTooLarge) {
            sparse_ = true;
            status_ = system_.build(table);
        }
        if (status_ == StatusNotConverged) reportNotConverged(log);
        return status_;
    }

    // The method's direct solution into out: StatusOk or StatusNoMemory.
    int solve(const TournamentTable& table, TieBreakMethod method, std::span<double> out,
              std::ostream& log) const {
        const bool performance = method == MethodRecursivePerformance;
        if (!sparse_) {
            return decomposition_.solve(table, performance ? PerformanceSystem : BucholzSystem,
                                        out);
        }
        const int solved = performance
                               ? recursivePerformanceSparse(system_, table, out, ratingDifference)
                               : recursiveBucholzSparse(system_, table, out);
        if (solved == StatusNotConverged) log << SparseLimitLine << std::flush;
        return solved;
    }

    // The label of the distance to the iterative values.
    [[nodiscard]] const char* label() const { return sparse_ ? SparseLabel : SvdLabel; }
    [[nodiscard]] bool sparse() const { return sparse_; }

private:
    SystemDecomposition decomposition_;
    SparseSystem system_;
    bool sparse_ = false;
    bool attempted_ = false;
    int status_ = StatusOk;
};

// One method: its iterative values, the residual of one more step and the distance to the
// direct solution, each measure logged and checked; with `exact`, the direct solution becomes
// the method's values.
std::optional<Failure> computeMethod(const TournamentTable& table, const Method& method,
                                     MethodOutcome& outcome, std::vector<double>& scratch,
                                     DirectSolutions& direct, bool exact, Notices& notices,
                                     std::ostream& log, const PhaseReport& progress) {
    enterPhase(progress, method.phase);
    std::vector<double>& values = outcome.values;
    values.resize(table.playerCount());
    const int sweeps = method.code == MethodRecursivePerformance
                           ? recursivePerformance(table, values, ratingDifference,
                                                  IterationTolerance, IterationLimit)
                           : recursiveBucholz(table, values, IterationTolerance, IterationLimit);
    if (failed(sweeps)) return Failure{ErrorNoMemory, ""};
    outcome.sweeps = sweeps;
    // 0 and 1 are what the iteration returns at its limit (and, rarely, after one sweep).
    if (sweeps > 1) {
        log << "\nNumber of iterations of " << method.name << ": " << sweeps << '\n' << std::flush;
    } else {
        log << "\nMaximum number of iterations of " << method.name << " surpassed\n" << std::flush;
    }

    if (failed(applyModification(table, scratch, values, ModificationPerformanceStep,
                                 method.scoreFunction, 1, 0))) {
        return Failure{ErrorNoMemory, ""};
    }
    const double residual = differenceMeasure(table, scratch, values);
    outcome.residual = residual;
    warnIfNotConverged(notices, residual);
    log << ResidualLabel << general(residual, 17) << '\n' << std::flush;

    enterPhase(progress, PhaseCrossCheck);
    if (failed(direct.prepare(table, log))) return Failure{ErrorNoMemory, ""};
    if (failed(direct.solve(table, method.code, scratch, log))) return Failure{ErrorNoMemory, ""};
    // With `exact` the results table carries the direct solution instead of the iteration's
    // values; the measure leaves the difference in scratch.
    std::vector<double> solution;
    if (exact) solution = scratch;
    const double distance = differenceMeasure(table, scratch, values);
    outcome.directDistance = distance;
    outcome.sparseCheck = direct.sparse();
    warnIfNotConverged(notices, distance);
    log << direct.label() << general(distance, 17) << '\n' << std::flush;
    if (exact) {
        values = std::move(solution);
        log << "Values of " << method.name << ": the direct solution of the system\n" << std::flush;
    }
    return std::nullopt;
}

bool rivalsCheckMet(const AdvancedRunOptions& options, const TournamentTable& table) {
    for (int row = 0; row < AdvancedRowCount; ++row) {
        if (static_cast<long>(options.worst[row]) + options.best[row] >=
            static_cast<long>(table.maxGamesPlayed())) {
            return true;
        }
    }
    return false;
}

// The run after the reading; a failure comes back for its one error box.
std::optional<Failure> analyse(Notices& notices, FileOpener& opener,
                               const AdvancedRunOptions& options, std::ostream& log,
                               const TournamentTable& table) {
    // Row 1 carries the sorting column; only a hand-edited rp.log leaves it without a method.
    if (options.method[0] == RowUnused) return Failure{StatusInvalidArgument, ""};
    std::vector<double> scratch(table.playerCount());
    MethodOutcome performance;
    MethodOutcome bucholz;
    DirectSolutions direct;
    log << "\nExecuting methods...\n" << std::flush;
    if (usesMethod(options, MethodRecursivePerformance)) {
        if (auto failure = computeMethod(table, Performance, performance, scratch, direct,
                                         options.exactSolution, notices, log, options.progress)) {
            return failure;
        }
    }
    if (usesMethod(options, MethodRecursiveBucholz)) {
        if (auto failure = computeMethod(table, Bucholz, bucholz, scratch, direct,
                                         options.exactSolution, notices, log, options.progress)) {
            return failure;
        }
    }

    std::array<std::vector<double>, AdvancedRowCount> results;
    for (int row = 0; row < AdvancedRowCount; ++row) {
        if (options.method[row] == RowUnused) continue;
        if (options.method[row] != MethodRecursivePerformance &&
            options.method[row] != MethodRecursiveBucholz) {
            return Failure{StatusInvalidArgument, ""};  // a method code the run does not know
        }
        results[row].resize(table.playerCount());
        const std::vector<double>& values =
            options.method[row] == MethodRecursiveBucholz ? bucholz.values : performance.values;
        const int status = applyModification(
            table, results[row], values, static_cast<Modification>(options.modification[row]),
            ratingDifference, options.worst[row], options.best[row]);
        if (failed(status)) return Failure{status, ""};
    }

    enterPhase(options.progress, PhaseWriting);
    log << "\nOutput file: " << options.intermediatePath << '\n' << std::flush;
    if (const int written = writeAdvancedReport(options.intermediatePath, table, results, options);
        written != 0) {
        // A table that cannot be created is the folder's fault, not the input's.
        if (written == ErrorCannotOpenFile)
            return Failure{ErrorCannotWriteFolder, folderOf(options.intermediatePath)};
        return Failure{written, options.intermediatePath};
    }
    if (std::string name; const int delivered = deliverResults(options, notices, log, name))
        return Failure{delivered, name};

    logContestantLists(log, table);
    if (rivalsCheckMet(options, table)) {
        log << RivalsText;
        notices.showNotice(RivalsText);
    }
    log << '\n' << std::flush;
    finishRun(options, notices, opener);
    if (options.result != nullptr) {
        if (usesMethod(options, MethodRecursivePerformance)) {
            options.result->performance = std::move(performance);
        }
        if (usesMethod(options, MethodRecursiveBucholz)) {
            options.result->bucholz = std::move(bucholz);
        }
        options.result->rows = std::move(results);
    }
    return std::nullopt;
}

}  // namespace

RunOutcome runAdvancedAnalysis(Notices& notices, FileOpener& opener,
                               const AdvancedRunOptions& options, std::ostream& log,
                               const TournamentTable& table, int readResult,
                               const std::string& readReason) {
    if (readResult != 0) {
        showErrorMessage(notices, readResult, options.inputPath, readReason);
        if ((readResult == ErrorCannotOpenFile || readResult == ErrorUnsuitableFile) &&
            log.good()) {
            log << "Unsuitable input file.\n";
            if (!readReason.empty()) log << readReason << '\n';
            log << std::flush;
        }
        return RunFailed;
    }
    const std::optional<Failure> failure = guardMemory(
        Failure{ErrorNoMemory, ""}, [&] { return analyse(notices, opener, options, log, table); });
    if (!failure) return RunFinished;
    showErrorMessage(notices, failure->code, failure->name);
    return RunFailed;
}

}  // namespace tiebreak
