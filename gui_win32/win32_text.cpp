#include "gui_win32/win32_text.h"

#include <utility>

#include "gui_win32/resource.h"

namespace tiebreak {

std::wstring toWide(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string toUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::string controlText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

void setControlText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextW(dialog, id, toWide(text).c_str());
}

void setLimitedText(HWND dialog, int id, std::string_view text, int length) {
    SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
    // The limit stops typing only; a longer text from rp.log is cut as the user would see it.
    setControlText(dialog, id, text.substr(0, static_cast<std::size_t>(length)));
}

void setProgramIcon(HWND dialog) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    constexpr std::pair<WPARAM, int> icons[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
    for (const auto& [which, metric] : icons) {
        const int size = GetSystemMetrics(metric);
        const HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), IMAGE_ICON,
                                       size, size, LR_SHARED);
        SendMessageW(dialog, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace tiebreak
