#include "gui_win32/field_boxes.h"

#include "app/field_rules.h"

namespace tiebreak {

void showRefusal(HWND dialog, const std::string& text) {
    MessageBoxW(dialog, toWide(text).c_str(), L"rptiebreaks", MB_OK | MB_ICONWARNING);
}

bool refuseElo(HWND dialog, int eloId) {
    if (acceptedElo(controlText(dialog, eloId))) return false;
    showRefusal(dialog, std::string(EloRefusedText));
    const HWND edit = GetDlgItem(dialog, eloId);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return true;
}

}  // namespace tiebreak
