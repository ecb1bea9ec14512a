#pragma once

#include "engine/engine_codes.h"
#include "tournament/status_codes.h"

namespace tiebreak {

// The runs' and the reports' result codes, beside the readers' (ErrorNoMemory,
// ErrorCannotOpenFile) that they pass on.
enum RunError : int {
    ErrorCannotCreateOutput = -12,  // the spreadsheet file cannot be created
    // A results table that cannot be created where it belongs: the folder, not the input, is to
    // blame.
    ErrorCannotWriteFolder = -13,
};

// Method and modification code of an advanced method row that is not used.
inline constexpr int RowUnused = -3;

// How an advanced run ended: finished (the program ends) or failed (one error box has been
// shown and the dialog comes back).
enum RunOutcome : int {
    RunFinished = 0,
    RunFailed = 1,
};

// The results table of both runs before its conversion, relative to the current directory.
inline constexpr const char* IntermediateFile = "output_aux_rp.txt";

// Error measures above this magnitude make the advanced run warn of possible non-convergence.
inline constexpr double ConvergenceTolerance = 0.00001;

// The runs' code for an engine status: the engine's out-of-memory becomes ErrorNoMemory, every
// other code passes unchanged.
[[nodiscard]] constexpr int runCodeOf(int engineStatus) noexcept {
    return engineStatus == StatusNoMemory ? ErrorNoMemory : engineStatus;
}

}  // namespace tiebreak
