#pragma once

#include "tournament/status_codes.h"

namespace tiebreak {

// The engine's own status, beside the table's (StatusOk, StatusNoMemory, StatusOutOfRange,
// StatusInvalidArgument) that its operations return as well.
enum EngineStatus : int {
    StatusTooLarge = -4,  // a field too large for the dense decomposition: not attempted
};

// The recursive tie-breaks.
enum TieBreakMethod : int {
    MethodRecursivePerformance = 1,
    MethodRecursiveBucholz = 10,
};

// How applyModification derives a player's final value from the method's values.
enum Modification : int {
    ModificationNone = 1,           // the values unchanged
    ModificationRivalsAverage = 3,  // the mean of the opponents' values without the # worst and
                                    // # best of them
};

// Constants the runs pass to the engine.
inline constexpr double IterationTolerance = 1e-10;
inline constexpr unsigned IterationLimit = 500;

}  // namespace tiebreak
