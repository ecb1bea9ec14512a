#pragma once

#include "tournament/status_codes.h"

namespace tiebreak {

// The engine's own statuses, beside the table's (StatusOk, StatusNoMemory, StatusOutOfRange,
// StatusInvalidArgument) that its operations return as well. The iterative operations return a
// sweep count >= 0 instead of StatusOk, so 1 doubles as a count.
enum EngineStatus : int {
    StatusIterationLimit = 1,
    StatusTooLarge = -4,  // a field too large for the dense decomposition: not attempted
};

// What computeTieBreak computes.
enum TieBreakMethod : int {
    MethodRecursivePerformance = 1,
    MethodRecursivePerformanceSvd = -1,
    MethodRecursiveBucholz = 10,
    MethodRecursiveBucholzSvd = -10,
};

// How applyModification derives a player's final value from the method's values.
enum Modification : int {
    ModificationPerformanceStep = 0,        // one more application of the recursive map
    ModificationNone = 1,                   // the values unchanged
    ModificationPlainRivalsAverage = 2,     // games-weighted mean of the opponents' values
    ModificationRivalsAverage = 3,          // the same without the # worst and # best of them
    ModificationCappedToOwn = 4,            // opponents capped relative to the player's value
    ModificationCappedToRivalsAverage = 5,  // opponents capped relative to their plain mean
};

// Constants both runs pass to the engine.
inline constexpr double IterationTolerance = 1e-10;
inline constexpr unsigned IterationLimit = 500;
inline constexpr double SvdCutoff = 1e-16;  // V entries at or below it are left out

}  // namespace tiebreak
