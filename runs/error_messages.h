#pragma once

#include <string>

#include "runs/notices.h"

namespace tiebreak {

// The text of the error box for a result code and the file or folder name concerned (used by the
// -11, -12 and -13 texts only; other codes show "Unknown error: %d."). A reason, when there is
// one (why the reader refused the input), follows as the last line.
[[nodiscard]] std::string errorMessageText(int code, const std::string& name,
                                           const std::string& reason = {});

// Shows errorMessageText in an error box and returns when it is closed.
void showErrorMessage(Notices& notices, int code, const std::string& name,
                      const std::string& reason = {});

// The notice after a run whose results no program could be started to open.
[[nodiscard]] std::string resultsNotOpenedText(const std::string& fullPath);

// The warning shown when an error measure exceeds ConvergenceTolerance.
inline constexpr const char* NonConvergenceText =
    "Possible non converge of the method.\nCheck rp.log in the root directory to find out about "
    "the problem.";

// Shows the non-convergence notice when |measure| > ConvergenceTolerance (not for a
// not-a-number measure).
void warnIfNotConverged(Notices& notices, double measure);

}  // namespace tiebreak
