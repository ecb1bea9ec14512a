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

// Renames the file from over the file to, which it replaces whole; false when it could not.
// The paths go to the system as they are (UTF-8 on Windows, whose programs run with the UTF-8
// code page), not through std::filesystem, which reads 8-bit paths otherwise there.
bool replaceFile(const std::string& from, const std::string& to) noexcept;

}  // namespace tiebreak
