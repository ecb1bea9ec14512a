#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/explanation.h"
#include "engine/fide/fide_breakdown.h"
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

// Why a method's rows carry the direct solution of its system rather than the iteration's values.
enum DirectReason : int {
    DirectNotTaken = 0,        // they carry the iteration's values
    DirectAsked = 1,           // SolveExact
    DirectAtLimit = 2,         // the iteration stopped at its limit
    DirectAboveTolerance = 3,  // the iteration's residual is above ConvergenceTolerance
};

// One method as the run computed it: the values its rows start from and the measures of their
// quality.
struct MethodOutcome {
    TieBreakMethod method = MethodRecursivePerformance;
    std::vector<double> values;  // the iteration's, or the direct solution's (see direct)
    Iteration iteration;
    double residual = std::numeric_limits<double>::quiet_NaN();  // one more step against the
                                                                 // iteration's values
    DirectSolver solver = SolverNone;
    // The direct solution against the iteration's values; not a number without one.
    double directDistance = std::numeric_limits<double>::quiet_NaN();
    bool directConverged = true;    // false: the direct solver may be inexact
    unsigned directIterations = 0;  // of the sparse solver, when it solved
    DirectReason direct = DirectNotTaken;
    // One more step against the direct solution the rows carry; not a number where they carry
    // the iteration's values.
    double directResidual = std::numeric_limits<double>::quiet_NaN();
    std::vector<ValueExplanation> explanations;  // each player's value, when asked for
};

// One column of the results.
struct ResultRow {
    TieBreakRow row;
    std::string label;           // its heading: "RP", "RB(A(1-0))", "RP(MA)(1,0)", "BH/C1"
    std::vector<double> values;  // one per player in table order; see hasValue
    std::vector<RivalsExplanation> rivals;  // for a rivals average, when asked for
    std::vector<FideBreakdown> breakdowns;  // for a FIDE tie-break, when asked for
};

// A player's place in the ranking: first == last alone, first < last shared by the players
// equal on the points and every row that ranks.
struct Rank {
    std::uint32_t first = 0;  // 1 for the winner
    std::uint32_t last = 0;
};

// What the user is told of a finished run beside its results, at most once each, in this order.
enum RunNotice : int {
    // A measure of a method above ConvergenceTolerance, a direct solver that may be inexact, or
    // rows that carry the direct solution because the iteration stopped short.
    NoticeConvergence = 0,
    NoticeGroups = 1,  // groups of players who never met the others
    NoticeRivals = 2,  // a row takes out as many rivals as there were rounds
};

// Everything a finished run's outputs need: the tournament as read, each method's outcome, each
// row's values, the order of the players and the notices. Nothing is written while it is made;
// every writer reads only this. It is made in place and not moved: its centring points into it.
struct RunResult {
    RunRequest request;
    TournamentTable tournament;
    std::vector<MethodOutcome> methods;  // recursive performance first, as the rows use them
    std::vector<ResultRow> rows;
    std::vector<std::uint32_t> order;  // the players, best first (table order when not sorted)
    std::vector<Rank> ranks;           // each player's, in table order
    std::vector<RunNotice> notices;
    PlayerGroups groups;  // of the players who met
    bool decompositionConverged = true;
    bool measureAboveTolerance = false;  // a residual or a distance above ConvergenceTolerance

    // How the terms are centred: within each group, or with SolveIterate over the whole field.
    [[nodiscard]] Centring centring() const noexcept;

    // True when a row is one of FIDE's tie-breaks: then every row ranks, and the tables show the
    // ranks.
    [[nodiscard]] bool ranksByEveryRow() const noexcept;

    // The outcome of method, or nullptr when no row uses it.
    [[nodiscard]] const MethodOutcome* outcomeOf(TieBreakMethod method) const noexcept;
};

// False for what stands for no value: not a number (a player without games) or an infinity (a
// rivals average with nothing left).
[[nodiscard]] inline bool hasValue(double value) noexcept {
    return std::isfinite(value);
}

}  // namespace tiebreak
