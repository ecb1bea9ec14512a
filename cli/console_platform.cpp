#include "cli/console_platform.h"

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
    informationBeep();
}

Separators StderrNotices::separators() const {
    return userLocaleSeparators();
}

bool OptionalOpener::open(const std::string& path) {
    return !enabled_ || openWithAssociatedProgram(path);
}

}  // namespace tiebreak
