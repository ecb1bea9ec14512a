#pragma once

#include <string>

#include "runs/notices.h"
#include "runs/run_result.h"

namespace tiebreak {

// The text of the error box for a result code and the file or folder name concerned (used by the
// texts of the file and folder codes only; an unknown code shows "Unknown error: %d."). A reason,
// when there is one (why the reader refused the input), follows as the last line.
[[nodiscard]] std::string errorMessageText(int code, const std::string& name,
                                           const std::string& reason = {});

// Shows errorMessageText in an error box and returns when it is closed.
void showErrorMessage(Notices& notices, int code, const std::string& name,
                      const std::string& reason = {});

// The notice after a run whose results no program could be started to open.
[[nodiscard]] std::string resultsNotOpenedText(const std::string& fullPath);

// The message of a run in which a row took out as many rivals as there were rounds; the log
// ends with it too.
inline constexpr const char* RivalsText =
    "\nOne of the tie-breaks cannot be calculated because\nmore rivals than rounds were taken "
    "out.";

// The method as sentences name it: "recursive performance" or "recursive Buchholz".
[[nodiscard]] const char* methodText(TieBreakMethod method) noexcept;

// The text of a finished run's notice; a notice about convergence says where the run log is
// (logName: a path, "-" for standard error, empty for none).
[[nodiscard]] std::string noticeText(RunNotice notice, const RunResult& result,
                                     const std::string& logName);

}  // namespace tiebreak
