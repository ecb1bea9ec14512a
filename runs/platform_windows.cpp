// windows.h first: shellapi.h needs its declarations.
#include <windows.h>

#include <shellapi.h>

#include "runs/platform.h"

namespace tiebreak {

std::string_view directorySeparators() noexcept {
    return "\\/";
}

Separators userLocaleSeparators() noexcept {
    Separators separators;
    char text[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text) > 0 &&
        text[0] != '\0') {
        separators.decimal = text[0];
    }
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLIST, text, sizeof text) > 0 &&
        text[0] != '\0') {
        separators.list = text[0];
    }
    return separators;
}

bool openWithAssociatedProgram(const std::string& path) noexcept {
    // ShellExecute opens the file by its association; no command interpreter reads the path.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool replaceFile(const std::string& from, const std::string& to) noexcept {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace tiebreak
