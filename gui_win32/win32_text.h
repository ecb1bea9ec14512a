#pragma once

// windows.h with what this program needs and without the min and max macros.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace tiebreak {

// The program's text is UTF-8; the window system's is UTF-16.
[[nodiscard]] std::wstring toWide(std::string_view text);
[[nodiscard]] std::string toUtf8(std::wstring_view text);

// The text of a dialog's control, and setting it.
[[nodiscard]] std::string controlText(HWND dialog, int id);
void setControlText(HWND dialog, int id, std::string_view text);

// An edit control that takes at most length characters, filled with text cut to that length.
void setLimitedText(HWND dialog, int id, std::string_view text, int length);

// Gives the dialog the program's icon in its title bar and task bar button.
void setProgramIcon(HWND dialog);

}  // namespace tiebreak
