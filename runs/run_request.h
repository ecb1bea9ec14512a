#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/engine_codes.h"
#include "engine/fide/fide_codes.h"

namespace tiebreak {

// One column of the results: a recursive method, as it is or as a rivals average without the
// worst and best of the player's rivals; or one of FIDE's standard tie-breaks.
struct TieBreakRow {
    TieBreakMethod method = MethodRecursivePerformance;
    Modification modification = ModificationNone;
    int worst = 0;                     // rivals taken out at the low end of a rivals average
    int best = 0;                      // and at the high end
    std::optional<FideTieBreak> fide;  // when set, the row is this, and the rest is unused
    bool operator==(const TieBreakRow&) const = default;
};

// How the results table, the log and the checks look: the simple dialog's run or the advanced
// one. The simple run labels a rivals average "RP(MA)(1,0)", writes its own log and computes no
// direct solution; the advanced run labels it "RP(A(1-0))", checks each method against the direct
// solution of its system and warns of rows that take out as many rivals as there were rounds.
enum RunStyle : int {
    StyleAdvanced = 0,
    StyleSimple = 1,
};

// Which values the rows carry, and how a field of groups that never met is solved.
enum SolveMode : int {
    // The iteration's values, unless it stopped short of its solution (at its limit, or with a
    // residual above ConvergenceTolerance) and the direct solution converged: then the direct
    // solution's. Each group of players who never met the others is a tournament of its own.
    SolveDefault = 0,
    // The iteration's values always, over the whole field as one, groups or not.
    SolveIterate = 1,
    // The direct solution's values always, each group a tournament of its own.
    SolveExact = 2,
};

// Everything a run is asked to compute, from its input on.
struct RunRequest {
    std::string inputPath;
    // In the order of the table's columns. Players with equal points are ranked by the first
    // row, or, when a row is one of FIDE's, by each row in turn.
    std::vector<TieBreakRow> rows;
    int eloForUnrated = 1400;
    bool sorted = true;    // the players in their ranking's order; else the file's order
    bool headings = true;  // a heading line
    RunStyle style = StyleAdvanced;
    SolveMode solve = SolveDefault;
    FideRules fideRules = DefaultFideRules;  // the edition of FIDE's rules the FIDE rows follow
    bool explain = false;  // the breakdown of every value, for the explanation and the web page
};

// The simple dialog's three sorting choices.
enum SimpleSorting : int {
    SimpleSortingPerformance = 0,         // by recursive performance
    SimpleSortingRivalsWithoutWorst = 1,  // by the rivals' average without the worst of them
    SimpleSortingNone = 2,                // crosstable order
};

// The run the simple dialog stands for: recursive performance and its rivals average without the
// worst rival, the sorting column first, with headings.
[[nodiscard]] RunRequest simpleRequest(SimpleSorting sorting, int eloForUnrated);

}  // namespace tiebreak
