#include "runs/run_log.h"

#include <algorithm>

#include "runs/error_messages.h"
#include "runs/output_paths.h"
#include "runs/text_format.h"

namespace tiebreak {

namespace {

// Both error lines of the advanced log are 47 characters before their measure.
constexpr const char* ResidualLabel = "Error:                                         ";
constexpr const char* DecompositionLabel = "Error between recursive method and SVD method: ";
constexpr const char* SparseLabel = "Error between recursive method and sparse solver: ";
constexpr const char* DirectResidualLabel = "Error of these values:                         ";
constexpr const char* NotConvergedLine =
    "Singular value decomposition: not converged in 30 sweeps, maybe inexact\n";

const char* methodName(TieBreakMethod method) {
    return method == MethodRecursiveBucholz ? "Recursive Buchholz" : "Recursive Performance";
}

void logIteration(std::ostream& log, const MethodOutcome& outcome) {
    if (outcome.iteration.converged) {
        log << "\nNumber of iterations of " << methodName(outcome.method) << ": "
            << outcome.iteration.sweeps << '\n';
    } else {
        log << "\nMaximum number of iterations of " << methodName(outcome.method) << " surpassed\n";
    }
}

void logDirectSolution(std::ostream& log, const RunResult& result, const MethodOutcome& outcome,
                       bool firstChecked) {
    if (firstChecked && !result.decompositionConverged) log << NotConvergedLine;
    if (outcome.solver == SolverSparse) {
        log << "Sparse solver: " << outcome.directIterations << " iterations of conjugate gradients"
            << (outcome.directConverged ? "" : ", stopped at its iteration limit") << '\n';
    }
    if (result.request.style == StyleSimple) return;
    log << (outcome.solver == SolverSparse ? SparseLabel : DecompositionLabel)
        << general(outcome.directDistance, 17) << '\n';
}

void logValuesTaken(std::ostream& log, const MethodOutcome& outcome) {
    if (outcome.direct == DirectNotTaken) return;
    log << "Values of " << methodName(outcome.method) << ": the direct solution of the system";
    if (outcome.direct == DirectAtLimit) log << " (the iteration stopped at its limit)";
    if (outcome.direct == DirectAboveTolerance)
        log << " (the iteration's residual is above the tolerance)";
    log << '\n';
    if (outcome.direct != DirectAsked)
        log << DirectResidualLabel << general(outcome.directResidual, 17) << '\n';
}

// The groups of a field whose players did not all meet, with their sizes.
void logGroups(std::ostream& log, const RunResult& result) {
    const std::vector<std::uint32_t>& sizes = result.groups.sizes;
    if (sizes.size() < 2) return;
    log << "Groups of players who never met the others: " << sizes.size() << ", of ";
    for (std::size_t k = 0; k < sizes.size(); ++k)
        log << (k == 0 ? "" : k + 1 == sizes.size() ? " and " : ", ") << sizes[k];
    log << " players; "
        << (result.request.solve == SolveIterate ? "the iteration runs over the whole field as one"
                                                 : "each is solved as a tournament of its own")
        << '\n';
}

void logNames(std::ostream& log, const TournamentTable& table,
              bool (*listed)(std::uint32_t games, std::uint32_t half)) {
    const std::uint32_t half = table.maxGamesPlayed() / 2;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        if (listed(table.gamesPlayed()[i], half)) log << table.name(i) << '\n';
    }
}

// The FIDE tie-breaks among the rows, with the edition of the rules they follow.
void logFideRows(std::ostream& log, const RunResult& result) {
    std::string codes;
    for (const ResultRow& row : result.rows) {
        if (row.row.fide) codes += (codes.empty() ? "" : ", ") + row.label;
    }
    if (codes.empty()) return;
    log << "\nFIDE tie-breaks under the " << static_cast<int>(result.request.fideRules)
        << " rules: " << codes << '\n';
}

}  // namespace

void logMethods(std::ostream& log, const RunResult& result) {
    const bool simple = result.request.style == StyleSimple;
    if (simple) log << "Input file: " << result.request.inputPath << '\n';
    log << "\nExecuting methods...\n";
    logGroups(log, result);
    bool firstChecked = true;
    for (const MethodOutcome& outcome : result.methods) {
        logIteration(log, outcome);
        log << (simple ? "Error: " : ResidualLabel) << general(outcome.residual, 17) << '\n';
        if (outcome.solver != SolverNone) {
            logDirectSolution(log, result, outcome, firstChecked);
            firstChecked = false;
        }
        logValuesTaken(log, outcome);
    }
    logFideRows(log, result);
    log << std::flush;
}

void logOutputFile(std::ostream& log, const RunResult& result, const std::string& written) {
    log << "\nOutput file: " << written << '\n';
    if (written != "-" && inputIsCsv(result.request.inputPath) &&
        written == csvPathFor(result.request.inputPath)) {
        log << "Results file: " << written << " (the input is a .csv file and stays as it is)\n";
    }
    log << std::flush;
}

void logEnd(std::ostream& log, const RunResult& result) {
    log << "\nContestants that did not play any round:\n";
    logNames(log, result.tournament, [](std::uint32_t games, std::uint32_t) { return games == 0; });
    log << "\nContestants that played less than half the number of rounds:\n";
    logNames(log, result.tournament,
             [](std::uint32_t games, std::uint32_t half) { return games > 0 && games < half; });
    const auto& notices = result.notices;
    if (std::find(notices.begin(), notices.end(), NoticeRivals) != notices.end()) log << RivalsText;
    log << '\n' << std::flush;
}

void logRefusedInput(std::ostream& log, RunStyle style, int code, const std::string& reason) {
    if (style == StyleSimple) {
        log << "Unsuitable input file\n";
    } else if (code == ErrorCannotOpenFile || code == ErrorUnsuitableFile) {
        log << "Unsuitable input file.\n";
    } else {
        return;
    }
    if (!reason.empty()) log << reason << '\n';
    log << std::flush;
}

}  // namespace tiebreak
