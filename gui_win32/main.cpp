// rptiebreaks.exe: the desktop program on Windows. It has no main window: the options dialogs
// follow one another until the user cancels or one run has finished.
// windows.h before the headers that need its declarations.
#include "gui_win32/win32_text.h"

#include <commctrl.h>

#include <sstream>

#include "app/tie_break_app.h"
#include "gui_win32/progress_window.h"
#include "gui_win32/win32_notices.h"
#include "gui_win32/win32_views.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace tiebreak;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    Win32InputFileView files;
    Win32SimpleOptionsView simple;
    Win32AdvancedOptionsView advanced(files);
    Win32Notices notices;
    Win32FileOpener opener;
    Win32ProgressView progress;
    // A program without a console shows the few messages that have no dialog in a box.
    std::ostringstream diagnostics;
    CTieBreakApp app({simple, advanced, files, notices, opener, progress}, diagnostics);
    const int status = app.initInstance();
    if (!diagnostics.str().empty()) notices.showError(diagnostics.str());
    return status;
}
