#include "runs/analysis.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "engine/explanation.h"
#include "engine/fide/fide_tie_break.h"
#include "engine/svd/svd.h"
#include "runs/ranking.h"
#include "runs/run_codes.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// The games-weighted norm of a - b, with a overwritten by the difference.
double differenceMeasure(const TournamentTable& table, std::vector<double>& a,
                         std::span<const double> b) noexcept {
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] -= b[i];
    return weightedNorm(table, a);
}

// The direct solutions of both methods, from one preparation made when the first method needs
// it: the singular value decomposition up to its size limit, the sparse solver above it, which
// solves both methods' systems at once.
class DirectSolutions {
public:
    // StatusOk, StatusNotConverged (the decomposition may be inexact), or StatusNoMemory.
    int prepare(const TournamentTable& table, Centring centring) {
        if (attempted_) return status_;
        attempted_ = true;
        status_ = decomposeBothMethods(decomposition_, table, centring);
        if (status_ != StatusTooLarge) return status_;
        solver_ = SolverSparse;
        SparseSystem system;
        status_ = system.build(table);
        if (status_ == StatusOk) status_ = solveBothMethodsSparse(system, table, centring, sparse_);
        return status_;
    }

    // The method's direct solution into out, with the sparse solver's iterations and whether it
    // converged.
    void solve(const TournamentTable& table, TieBreakMethod method, std::span<double> out,
               MethodOutcome& outcome) const {
        const std::size_t system =
            method == MethodRecursivePerformance ? PerformanceSystem : BucholzSystem;
        if (solver_ == SolverDecomposition) {
            static_cast<void>(decomposition_.solve(table, system, out));  // cannot fail here
            return;
        }
        const SparseSolution& solution = sparse_[system];
        std::copy(solution.values.begin(), solution.values.end(), out.begin());
        outcome.directIterations = solution.iterations;
        outcome.directConverged = solution.converged;
    }

    [[nodiscard]] DirectSolver solver() const { return solver_; }

private:
    SystemDecomposition decomposition_;
    std::vector<SparseSolution> sparse_;
    DirectSolver solver_ = SolverDecomposition;
    bool attempted_ = false;
    int status_ = StatusOk;
};

bool usesMethod(const RunRequest& request, TieBreakMethod method) {
    return std::any_of(request.rows.begin(), request.rows.end(), [method](const TieBreakRow& row) {
        return !row.fide && row.method == method;
    });
}

bool aboveTolerance(double measure) {
    // A measure that is not a number is above nothing.
    return std::fabs(measure) > ConvergenceTolerance;
}

// Why the rows of a method take the direct solution, if they do.
DirectReason directReason(const RunRequest& request, const MethodOutcome& outcome) {
    if (request.solve == SolveExact) return DirectAsked;
    if (request.solve == SolveIterate) return DirectNotTaken;
    if (!outcome.iteration.converged) return DirectAtLimit;
    return aboveTolerance(outcome.residual) ? DirectAboveTolerance : DirectNotTaken;
}

// The method's direct solution into solution, with its measures in outcome; its distance to the
// iteration's values when the run checks them. ErrorNoMemory or 0.
int solveDirectly(RunResult& result, MethodOutcome& outcome, DirectSolutions& direct,
                  std::vector<double>& solution) {
    const TournamentTable& table = result.tournament;
    const int prepared = direct.prepare(table, result.centring());
    if (failed(prepared)) return ErrorNoMemory;
    if (prepared == StatusNotConverged) result.decompositionConverged = false;
    outcome.solver = direct.solver();
    solution.resize(table.playerCount());
    direct.solve(table, outcome.method, solution, outcome);
    if (result.request.style == StyleSimple) return 0;
    std::vector<double> difference = solution;
    outcome.directDistance = differenceMeasure(table, difference, outcome.values);
    result.measureAboveTolerance =
        result.measureAboveTolerance || aboveTolerance(outcome.directDistance);
    return 0;
}

// One method: its iterative values and the residual of one more step; in the advanced run also
// the distance to the direct solution. The rows take the direct solution where the request and
// the iteration's outcome say so. ErrorNoMemory or 0.
int computeMethod(RunResult& result, TieBreakMethod method, DirectSolutions& direct,
                  const PhaseReport& progress) {
    const TournamentTable& table = result.tournament;
    const RunRequest& request = result.request;
    const Centring centring = result.centring();
    MethodOutcome& outcome = result.methods.emplace_back();
    outcome.method = method;
    if (!enterPhase(progress, method == MethodRecursivePerformance ? PhaseIteratingPerformance
                                                                   : PhaseIteratingBucholz)) {
        return ErrorCancelled;
    }
    outcome.values.resize(table.playerCount());
    outcome.iteration =
        method == MethodRecursivePerformance
            ? recursivePerformance(table, outcome.values, IterationTolerance, IterationLimit,
                                   centring)
            : recursiveBucholz(table, outcome.values, IterationTolerance, IterationLimit, centring);
    if (failed(outcome.iteration.status)) return ErrorNoMemory;

    std::vector<double> scratch(table.playerCount());
    if (failed(performanceStep(table, scratch, scoreFunctionOf(method), outcome.values, centring)))
        return ErrorNoMemory;
    outcome.residual = differenceMeasure(table, scratch, outcome.values);
    const DirectReason reason = directReason(request, outcome);
    // The simple run checks nothing, and solves directly only where the iteration stopped short.
    if (request.style == StyleSimple && reason == DirectNotTaken) return 0;
    result.measureAboveTolerance = result.measureAboveTolerance || aboveTolerance(outcome.residual);

    if (!enterPhase(progress, method == MethodRecursivePerformance ? PhaseDirectPerformance
                                                                   : PhaseDirectBucholz)) {
        return ErrorCancelled;
    }
    std::vector<double> solution;
    if (const int status = solveDirectly(result, outcome, direct, solution); status != 0)
        return status;
    // Values that may be inexact replace nothing that was not asked for.
    if (reason == DirectAsked ||
        (reason != DirectNotTaken && outcome.directConverged && result.decompositionConverged)) {
        outcome.values = std::move(solution);
        outcome.direct = reason;
        if (failed(performanceStep(table, scratch, scoreFunctionOf(method), outcome.values,
                                   centring))) {
            return ErrorNoMemory;
        }
        outcome.directResidual = differenceMeasure(table, scratch, outcome.values);
    }
    return 0;
}

// The advanced run warns when a rivals average takes out as many rivals as the most games anyone
// played, or more.
bool takesOutEveryRival(const RunResult& result) {
    const long rounds = result.tournament.maxGamesPlayed();
    return std::any_of(result.rows.begin(), result.rows.end(), [rounds](const ResultRow& row) {
        return !row.row.fide && row.row.modification == ModificationRivalsAverage &&
               static_cast<long>(row.row.worst) + row.row.best >= rounds;
    });
}

// The notice about convergence: a measure above the tolerance, a direct solver that may be
// inexact, or rows that carry the direct solution because the iteration stopped short.
bool convergenceToTell(const RunResult& result) {
    if (result.measureAboveTolerance) return true;
    return std::any_of(
        result.methods.begin(), result.methods.end(), [&](const MethodOutcome& outcome) {
            return !outcome.directConverged || !result.decompositionConverged ||
                   outcome.direct == DirectAtLimit || outcome.direct == DirectAboveTolerance;
        });
}

// A FIDE tie-break's values, with their breakdowns when asked for; direct encounter waits for
// the ranking, which forms its groups. ErrorNoMemory or 0.
int computeFideRow(RunResult& result, ResultRow& row) {
    const FideTieBreak& fide = *row.row.fide;
    std::fill(row.values.begin(), row.values.end(), std::numeric_limits<double>::quiet_NaN());
    if (fide.code == FideDe) return 0;
    const int status =
        computeFideTieBreak(result.tournament, fide, result.request.fideRules, row.values,
                            result.request.explain ? &row.breakdowns : nullptr);
    return failed(status) ? ErrorNoMemory : 0;
}

int computeAll(RunResult& result, const PhaseReport& progress) {
    const RunRequest& request = result.request;
    const TournamentTable& table = result.tournament;
    result.groups = playerGroups(table);
    DirectSolutions direct;
    for (const TieBreakMethod method : {MethodRecursivePerformance, MethodRecursiveBucholz}) {
        if (!usesMethod(request, method)) continue;
        if (const int status = computeMethod(result, method, direct, progress); status != 0)
            return status;
        MethodOutcome& outcome = result.methods.back();
        if (request.explain && failed(explainValues(table, outcome.values, scoreFunctionOf(method),
                                                    outcome.explanations, result.centring()))) {
            return ErrorNoMemory;
        }
    }
    for (const TieBreakRow& row : request.rows) {
        ResultRow& computed = result.rows.emplace_back();
        computed.row = row;
        computed.label = rowLabel(row, request.style);
        computed.values.resize(table.playerCount());
        if (row.fide) {
            if (const int status = computeFideRow(result, computed); status != 0) return status;
            continue;
        }
        const std::vector<double>& values = result.outcomeOf(row.method)->values;
        if (failed(applyModification(table, computed.values, values, row.modification, row.worst,
                                     row.best))) {
            return ErrorNoMemory;
        }
        if (request.explain && row.modification == ModificationRivalsAverage &&
            failed(explainRivalsAverages(table, values, row.worst, row.best, computed.rivals))) {
            return ErrorNoMemory;
        }
    }
    if (failed(rankPlayers(result))) return ErrorNoMemory;
    if (convergenceToTell(result)) result.notices.push_back(NoticeConvergence);
    if (result.groups.count() > 1) result.notices.push_back(NoticeGroups);
    if (request.style == StyleAdvanced && takesOutEveryRival(result))
        result.notices.push_back(NoticeRivals);
    return 0;
}

}  // namespace

Centring RunResult::centring() const noexcept {
    return request.solve == SolveIterate ? WholeField : &groups;
}

bool RunResult::ranksByEveryRow() const noexcept {
    return std::any_of(request.rows.begin(), request.rows.end(),
                       [](const TieBreakRow& row) { return row.fide.has_value(); });
}

const MethodOutcome* RunResult::outcomeOf(TieBreakMethod method) const noexcept {
    for (const MethodOutcome& outcome : methods) {
        if (outcome.method == method) return &outcome;
    }
    return nullptr;
}

std::string rowLabel(const TieBreakRow& row, RunStyle style) {
    if (row.fide) return fideLabel(*row.fide);
    // Appended piece by piece: g++ 12 warns falsely (-Wrestrict) about "(" + std::string.
    std::string label = row.method == MethodRecursiveBucholz ? "RB" : "RP";
    if (row.modification != ModificationRivalsAverage) return label;
    const bool simple = style == StyleSimple;
    label += simple ? "(MA)(" : "(A(";
    label += std::to_string(row.worst);
    label += simple ? ',' : '-';
    label += std::to_string(row.best);
    label += simple ? ")" : "))";
    return label;
}

int analyse(TournamentTable&& tournament, const RunRequest& request, const PhaseReport& progress,
            RunResult& result) noexcept {
    if (request.rows.empty()) return ErrorNoTieBreak;
    return guardMemory(ErrorNoMemory, [&] {
        result = RunResult();
        result.request = request;
        result.tournament = std::move(tournament);
        return computeAll(result, progress);
    });
}

}  // namespace tiebreak
