// The simple options dialog on template 131.
#include "app/app_mode.h"
#include "gui_win32/field_boxes.h"
#include "gui_win32/resource.h"
#include "gui_win32/win32_text.h"
#include "gui_win32/win32_views.h"

namespace tiebreak {
namespace {

// The radio buttons in the order of the sorting index.
constexpr int SortingButtons[] = {IDC_SORT_RECURSIVE_PERFORMANCE, IDC_SORT_RIVALS_WITHOUT_WORST,
                                  IDC_SORT_NONE};

void fill(HWND dialog, const SimpleDialogValues& values) {
    setProgramIcon(dialog);
    // An index that no button has selects the first one: OK always yields one of them.
    const bool known = values.sortingIndex >= 0 && values.sortingIndex < 3;
    CheckRadioButton(dialog, SortingButtons[0], SortingButtons[2],
                     SortingButtons[known ? values.sortingIndex : 0]);
    setLimitedText(dialog, IDC_SIMPLE_ELO, values.eloText, EloTextLength);
}

SimpleDialogValues accepted(HWND dialog) {
    SimpleDialogValues values;
    for (int index = 0; index < 3; ++index)
        if (IsDlgButtonChecked(dialog, SortingButtons[index]) == BST_CHECKED)
            values.sortingIndex = index;
    values.eloText = controlText(dialog, IDC_SIMPLE_ELO);
    return values;
}

INT_PTR CALLBACK simpleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            fill(dialog, *reinterpret_cast<const SimpleDialogValues*>(lParam));
            return TRUE;  // the focus goes to the first control, OK
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    if (refuseElo(dialog, IDC_SIMPLE_ELO)) return TRUE;
                    *reinterpret_cast<SimpleDialogValues*>(GetWindowLongPtrW(dialog, DWLP_USER)) =
                        accepted(dialog);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case IDC_ADVANCED:
                    EndDialog(dialog, ModeAdvanced);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

DialogOutcome dialogOutcome(std::intptr_t result, int switchResult) noexcept {
    if (result == IDOK) return DialogOk;
    if (result == IDCANCEL) return DialogCancel;
    if (result == switchResult) return DialogSwitchMode;
    return DialogNotShown;
}

DialogOutcome Win32SimpleOptionsView::show(SimpleDialogValues& values) {
    // Only OK writes into values.
    return dialogOutcome(
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SIMPLE_OPTIONS), nullptr,
                        simpleDialogProc, reinterpret_cast<LPARAM>(&values)),
        ModeAdvanced);
}

}  // namespace tiebreak
