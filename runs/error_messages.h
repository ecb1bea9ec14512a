#pragma once

#include <string>

#include "runs/notices.h"

namespace tiebreak {

// The text of the error box for a result code and the file name concerned (used by the -11 and
// -12 texts only; other codes show "Unknown error: %d.").
[[nodiscard]] std::string errorMessageText(int code, const std::string& name);

// Shows errorMessageText in an error box and returns when it is closed.
void showErrorMessage(Notices& notices, int code, const std::string& name);

// The warning shown when an error measure exceeds ConvergenceTolerance.
inline constexpr const char* NonConvergenceText =
    "Possible non converge of the method.\nCheck rp.log in the root directory to find out about "
    "the problem.";

// Shows the non-convergence notice when |measure| > ConvergenceTolerance (not for a
// not-a-number measure).
void warnIfNotConverged(Notices& notices, double measure);

}  // namespace tiebreak
