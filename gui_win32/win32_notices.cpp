#include "gui_win32/win32_notices.h"

// windows.h before the headers that need its declarations.
#include "gui_win32/win32_text.h"

#include <shellapi.h>

#include "runs/platform.h"

namespace tiebreak {
namespace {

void showBox(const std::string& text, UINT style) {
    // No dialog is open when a run reports: the box is the user's only window, so it comes to
    // the front.
    MessageBoxW(nullptr, toWide(text).c_str(), L"rptiebreaks", style | MB_SETFOREGROUND);
}

}  // namespace

void Win32Notices::showError(const std::string& text) {
    showBox(text, MB_ICONSTOP);
}

void Win32Notices::showNotice(const std::string& text) {
    showBox(text, MB_OK);
}

void Win32Notices::beep() {
    MessageBeep(MB_ICONASTERISK);  // 0x40
}

Separators Win32Notices::separators() const {
    return userLocaleSeparators();
}

bool Win32FileOpener::open(const std::string& path) {
    // ShellExecuteW returns a value above 32 when it started a program for the file.
    const auto started = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", toWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return started > 32;
}

}  // namespace tiebreak
