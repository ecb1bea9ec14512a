#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/explanation.h"
#include "engine/tie_break.h"
#include "runs/run_request.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// What solved a method's system directly: nothing (the simple run checks no method), the
// singular value decomposition, or above its size limit the sparse solver.
enum DirectSolver : int {
    SolverNone = 0,
    SolverDecomposition = 1,
    SolverSparse = 2,
};

// One method as the run computed it: the values its rows start from and the measures of their
// quality.
struct MethodOutcome {
    TieBreakMethod method = MethodRecursivePerformance;
    std::vector<double> values;  // the iteration's, or the direct solution's (valuesAreDirect)
    Iteration iteration;
    double residual = std::numeric_limits<double>::quiet_NaN();  // one more step against them
    DirectSolver solver = SolverNone;
    // The direct solution against the iteration's values; not a number without one.
    double directDistance = std::numeric_limits<double>::quiet_NaN();
    bool directConverged = true;  // false: the sparse solver stopped at its iteration limit
    bool valuesAreDirect = false;
    std::vector<ValueExplanation> explanations;  // each player's value, when asked for
};

// One column of the results.
struct ResultRow {
    TieBreakRow row;
    std::string label;                      // its heading: "RP", "RB(A(1-0))", "RP(MA)(1,0)"
    std::vector<double> values;             // one per player in table order; see hasValue
    std::vector<RivalsExplanation> rivals;  // for a rivals average, when asked for
};

// What the user is told of a finished run beside its results, in the order it arose.
enum RunNotice : int {
    NoticeNonConvergence = 0,             // a measure of a method above ConvergenceTolerance
    NoticeRivals = 1,                     // a row takes out as many rivals as there were rounds
    NoticeDecompositionNotConverged = 2,  // the decomposition may be inexact
};

// Everything a finished run's outputs need: the tournament as read, each method's outcome, each
// row's values, the order of the players and the notices. Nothing is written while it is made;
// every writer reads only this.
struct RunResult {
    RunRequest request;
    TournamentTable tournament;
    std::vector<MethodOutcome> methods;  // recursive performance first, as the rows use them
    std::vector<ResultRow> rows;
    std::vector<std::uint32_t> order;  // the players, best first (table order when not sorted)
    std::vector<RunNotice> notices;
    bool decompositionConverged = true;

    // The outcome of method, or nullptr when no row uses it.
    [[nodiscard]] const MethodOutcome* outcomeOf(TieBreakMethod method) const noexcept;
};

// False for what stands for no value: not a number (a player without games) or an infinity (a
// rivals average with nothing left).
[[nodiscard]] inline bool hasValue(double value) noexcept {
    return std::isfinite(value);
}

}  // namespace tiebreak
