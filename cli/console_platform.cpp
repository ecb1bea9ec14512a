#include "cli/console_platform.h"

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <iostream>

#include "runs/platform.h"

namespace tiebreak {

namespace {

// A box's text without its leading and trailing line breaks, as one block on standard error.
void writeBlock(const std::string& text) {
    const std::size_t first = text.find_first_not_of('\n');
    if (first == std::string::npos) return;
    const std::size_t last = text.find_last_not_of('\n');
    std::cerr << text.substr(first, last - first + 1) << '\n' << std::flush;
}

}  // namespace

void StderrNotices::showError(const std::string& text) {
    writeBlock(text);
}

void StderrNotices::showNotice(const std::string& text) {
    writeBlock(text);
}

void StderrNotices::beep() {
#ifdef _WIN32
    MessageBeep(MB_ICONASTERISK);  // 0x40
#else
    std::cerr << '\a' << std::flush;
#endif
}

Separators StderrNotices::separators() const {
    return userLocaleSeparators();
}

bool standardErrorIsTerminal() noexcept {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

bool OptionalOpener::open(const std::string& path) {
    return !enabled_ || openWithAssociatedProgram(path);
}

}  // namespace tiebreak
