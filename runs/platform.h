#pragma once

#include <string>
#include <string_view>

#include "runs/notices.h"

namespace tiebreak {

// The pieces of the platform the runs and the command line need, one source file per platform.

// Characters that end a directory name in a path: "/" here, "\\/" on Windows.
[[nodiscard]] std::string_view directorySeparators() noexcept;

// The separators of the user's locale; '.' and ';' when it tells nothing.
[[nodiscard]] Separators userLocaleSeparators() noexcept;

// Starts the desktop's program for the file's type on path, without a shell and without
// waiting; false when it could not be started.
bool openWithAssociatedProgram(const std::string& path) noexcept;

// The system's information sound.
void informationBeep() noexcept;

// True when standard error goes to a terminal, where a person watches.
[[nodiscard]] bool standardErrorIsTerminal() noexcept;

}  // namespace tiebreak
