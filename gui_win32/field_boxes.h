#pragma once

// windows.h before the headers that need its declarations.
#include "gui_win32/win32_text.h"

#include <string>

namespace tiebreak {

// On OK: when the Elo edit eloId holds no rating that the dialogs accept, a box says so, the
// field is selected for typing again, and true comes back; the dialog then stays open.
[[nodiscard]] bool refuseElo(HWND dialog, int eloId);

// A box of dialog's that refuses its values with text; the dialog waits behind it.
void showRefusal(HWND dialog, const std::string& text);

}  // namespace tiebreak
