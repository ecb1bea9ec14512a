#include "gui_win32/progress_window.h"

// windows.h before the headers that need its declarations.
#include "gui_win32/win32_text.h"

#include <commctrl.h>

#include <chrono>
#include <string>
#include <string_view>

#include "gui_win32/resource.h"

namespace tiebreak {
namespace {

using Clock = std::chrono::steady_clock;

// Shorter runs finish without a window flashing up.
constexpr auto ShowAfter = std::chrono::milliseconds(500);
// How often the phase is looked at while no message arrives.
constexpr DWORD PollMilliseconds = 50;

constexpr std::string_view StoppingText = "Stopping...";

INT_PTR CALLBACK progressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            setProgramIcon(dialog);
            SendDlgItemMessageW(dialog, IDC_PROGRESS_BAR, PBM_SETMARQUEE, TRUE, 0);
            return TRUE;  // the focus goes to Cancel
        case WM_COMMAND:
            // Cancel, Escape and the close box (which the dialog manager turns into IDCANCEL):
            // the run stops at its next phase, and the window goes when it has.
            if (LOWORD(wParam) == IDCANCEL) {
                reinterpret_cast<RunProgress*>(GetWindowLongPtrW(dialog, DWLP_USER))->cancel();
                EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
                setControlText(dialog, IDC_PROGRESS_PHASE, StoppingText);
                return TRUE;
            }
            return LOWORD(wParam) == IDOK;  // Enter does nothing
        default:
            return FALSE;
    }
}

// Hands the thread's queued messages on; the window's own go through the dialog manager.
void dispatchMessages(HWND window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window != nullptr && IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

void Win32ProgressView::waitFor(RunProgress& progress) {
    const Clock::time_point start = Clock::now();
    HWND window = nullptr;
    std::string shownPhase;
    while (!progress.finished()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, PollMilliseconds, QS_ALLINPUT);
        dispatchMessages(window);
        if (window == nullptr && Clock::now() - start >= ShowAfter) {
            window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROGRESS),
                                        nullptr, progressDialogProc,
                                        reinterpret_cast<LPARAM>(&progress));
            if (window != nullptr) ShowWindow(window, SW_SHOW);
        }
        if (window == nullptr || progress.cancelled()) continue;
        if (std::string phase = progress.phase(); phase != shownPhase) {
            setControlText(window, IDC_PROGRESS_PHASE, phase);
            shownPhase = std::move(phase);
        }
    }
    if (window != nullptr) DestroyWindow(window);
}

}  // namespace tiebreak
