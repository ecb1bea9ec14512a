// The advanced options dialog on template 129. The enabling rules are advanced_rules'; the dialog
// reports each change of a list to them and shows the row state they leave.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/advanced_rules.h"
#include "app/app_mode.h"
#include "gui_win32/field_boxes.h"
#include "gui_win32/resource.h"
#include "gui_win32/win32_text.h"
#include "gui_win32/win32_views.h"

namespace tiebreak {
namespace {

// The controls of one method row.
struct RowControls {
    int method;
    int modification;
    std::array<int, 5> average;  // the average label, the count labels and the count edits
    int worst;
    int best;
};

constexpr std::array<RowControls, MethodRowCount> Rows{{
    {IDC_METHOD_1,
     IDC_MODIFICATION_1,
     {IDC_AVERAGE_1, IDC_WORST_LABEL_1, IDC_WORST_1, IDC_BEST_LABEL_1, IDC_BEST_1},
     IDC_WORST_1,
     IDC_BEST_1},
    {IDC_METHOD_2,
     IDC_MODIFICATION_2,
     {IDC_AVERAGE_2, IDC_WORST_LABEL_2, IDC_WORST_2, IDC_BEST_LABEL_2, IDC_BEST_2},
     IDC_WORST_2,
     IDC_BEST_2},
    {IDC_METHOD_3,
     IDC_MODIFICATION_3,
     {IDC_AVERAGE_3, IDC_WORST_LABEL_3, IDC_WORST_3, IDC_BEST_LABEL_3, IDC_BEST_3},
     IDC_WORST_3,
     IDC_BEST_3},
    {IDC_METHOD_4,
     IDC_MODIFICATION_4,
     {IDC_AVERAGE_4, IDC_WORST_LABEL_4, IDC_WORST_4, IDC_BEST_LABEL_4, IDC_BEST_4},
     IDC_WORST_4,
     IDC_BEST_4},
}};

// What the dialog procedure works with while the dialog is open.
struct AdvancedDialog {
    AdvancedDialogValues& values;
    InputFileView& files;
    std::array<MethodRowState, MethodRowCount> rows{};
};

void addItems(HWND dialog, int id, const std::vector<std::string>& items) {
    for (const std::string& item : items)
        SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(toWide(item).c_str()));
}

int selection(HWND dialog, int id) {
    // CB_ERR, -1, is the list without a selection.
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

// The method item a row's list has selected; its places skip "<delete>" in row 1.
int methodItem(HWND dialog, int row) {
    const int place = selection(dialog, Rows[row].method);
    return place < 0 ? NoSelection : itemAtPlace(row, place);
}

void check(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void enable(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

// Shows the state of a row: both selections and what is enabled.
void showRow(HWND dialog, int rowIndex, const MethodRowState& state) {
    const RowControls& row = Rows[rowIndex];
    const int place = state.methodIndex < 0 ? -1 : placeOfItem(rowIndex, state.methodIndex);
    SendDlgItemMessageW(dialog, row.method, CB_SETCURSEL, static_cast<WPARAM>(place), 0);
    SendDlgItemMessageW(dialog, row.modification, CB_SETCURSEL,
                        static_cast<WPARAM>(state.modificationIndex), 0);
    enable(dialog, row.modification, state.modificationEnabled);
    for (const int id : row.average)
        enable(dialog, id, state.averageEnabled);
}

void fill(HWND dialog, AdvancedDialog& self) {
    setProgramIcon(dialog);
    const AdvancedDialogValues& values = self.values;
    setControlText(dialog, IDC_INPUT_FILE, values.inputFile);
    for (int row = 0; row < MethodRowCount; ++row) {
        const RowControls& controls = Rows[row];
        addItems(dialog, controls.method, methodItemTexts(row));
        addItems(dialog, controls.modification, {"No modification", "Rivals average"});
        setLimitedText(dialog, controls.worst, values.worstText[row], CountTextLength);
        setLimitedText(dialog, controls.best, values.bestText[row], CountTextLength);
        self.rows[row] = openedRow(row, values.methodIndex[row], values.modificationIndex[row]);
        showRow(dialog, row, self.rows[row]);
    }
    check(dialog, IDC_SORT_USING, values.sort);
    setLimitedText(dialog, IDC_ADVANCED_ELO, values.eloText, EloTextLength);
    check(dialog, IDC_HEADINGS, values.headings);
    check(dialog, IDC_BEEP, values.beep);
    check(dialog, IDC_WEB_PAGE, values.webPage);
}

AdvancedDialogValues shownValues(HWND dialog) {
    AdvancedDialogValues values;
    values.inputFile = controlText(dialog, IDC_INPUT_FILE);
    for (int row = 0; row < MethodRowCount; ++row) {
        const RowControls& controls = Rows[row];
        values.methodIndex[row] = methodItem(dialog, row);
        values.modificationIndex[row] = selection(dialog, controls.modification);
        // Disabled counts are read too: disabling never clears a value.
        values.worstText[row] = controlText(dialog, controls.worst);
        values.bestText[row] = controlText(dialog, controls.best);
    }
    values.sort = IsDlgButtonChecked(dialog, IDC_SORT_USING) == BST_CHECKED;
    values.eloText = controlText(dialog, IDC_ADVANCED_ELO);
    values.headings = IsDlgButtonChecked(dialog, IDC_HEADINGS) == BST_CHECKED;
    values.beep = IsDlgButtonChecked(dialog, IDC_BEEP) == BST_CHECKED;
    values.webPage = IsDlgButtonChecked(dialog, IDC_WEB_PAGE) == BST_CHECKED;
    return values;
}

// OK: the dialog stays open on a refused Elo or a count that a FIDE row does not take.
bool accept(HWND dialog, AdvancedDialogValues& values) {
    if (refuseElo(dialog, IDC_ADVANCED_ELO)) return false;
    AdvancedDialogValues shown = shownValues(dialog);
    if (const std::optional<std::string> refused = refusedFideRow(shown)) {
        showRefusal(dialog, *refused);
        return false;
    }
    if (shown.inputFile.empty()) {
        shown.inputFile = NoInputFile;
        setControlText(dialog, IDC_INPUT_FILE, NoInputFile);
    }
    values = std::move(shown);
    return true;
}

// A list of a method row changed its selection: the rules decide what the row shows next.
void listChanged(HWND dialog, AdvancedDialog& self, int id) {
    for (int row = 0; row < MethodRowCount; ++row) {
        const RowControls& controls = Rows[row];
        MethodRowState& state = self.rows[row];
        if (id == controls.modification) {
            chooseModification(state, selection(dialog, id));
        } else if (id == controls.method) {
            chooseMethod(state, methodItem(dialog, row));
        } else {
            continue;
        }
        showRow(dialog, row, state);
        return;
    }
}

void openFile(HWND dialog, AdvancedDialog& self) {
    const std::optional<ChosenFile> chosen = self.files.choose(OpenFileTitle);
    if (!chosen) return;  // the field and the focus stay as they were
    setControlText(dialog, IDC_INPUT_FILE, chosen->path);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_METHOD_1)),
                 TRUE);
}

INT_PTR CALLBACK advancedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        fill(dialog, *reinterpret_cast<AdvancedDialog*>(lParam));
        return TRUE;  // the focus goes to the first control, the file field
    }
    const LONG_PTR user = GetWindowLongPtrW(dialog, DWLP_USER);
    if (message != WM_COMMAND || user == 0) return FALSE;
    auto& self = *reinterpret_cast<AdvancedDialog*>(user);
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == CBN_SELCHANGE) {
        listChanged(dialog, self, id);
        return TRUE;
    }
    switch (id) {
        case IDOK:
            if (accept(dialog, self.values)) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_LESS_OPTIONS:
            EndDialog(dialog, ModeSimple);
            return TRUE;
        case IDC_OPEN:
            openFile(dialog, self);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

DialogOutcome Win32AdvancedOptionsView::show(AdvancedDialogValues& values) {
    // Only OK writes into values.
    AdvancedDialog self{values, files_};
    return dialogOutcome(
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ADVANCED_OPTIONS), nullptr,
                        advancedDialogProc, reinterpret_cast<LPARAM>(&self)),
        ModeSimple);
}

}  // namespace tiebreak
