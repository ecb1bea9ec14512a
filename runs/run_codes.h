#pragma once

#include "engine/engine_codes.h"
#include "tournament/status_codes.h"

namespace tiebreak {

// The runs' result codes, beside the readers' (ErrorNoMemory, ErrorCannotOpenFile,
// ErrorUnsuitableFile, ErrorTooManyPlayers) that they pass on.
enum RunError : int {
    ErrorCannotCreateOutput = -12,  // a results file cannot be created
    // A results file that cannot be created where it belongs: the folder is to blame.
    ErrorCannotWriteFolder = -13,
    ErrorNoTieBreak = -16,  // a run asked for no tie-break at all
    ErrorCancelled = -17,   // the user stopped the run: no box, nothing written
};

// How a run ended: finished (the program ends), failed (one error box has been shown and the
// dialog comes back) or cancelled by the user (nothing written, no box).
enum RunOutcome : int {
    RunFinished = 0,
    RunFailed = 1,
    RunCancelled = 2,
};

// Error measures above this magnitude make the advanced run warn of possible non-convergence.
inline constexpr double ConvergenceTolerance = 0.00001;

}  // namespace tiebreak
