// The file-open dialog of both modes.
// windows.h before the headers that need its declarations.
#include "gui_win32/win32_text.h"

#include <commdlg.h>

#include <filesystem>
#include <vector>

#include "gui_win32/win32_views.h"

namespace tiebreak {

std::optional<ChosenFile> Win32InputFileView::choose(std::string_view windowTitle) {
    // Room for the longest path Windows knows.
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring title = toWide(windowTitle);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    // Owned by the options dialog that asks, if any, so that it waits behind the file dialog.
    dialog.hwndOwner = GetActiveWindow();
    // The crosstables first; "All files" for an export named otherwise.
    dialog.lpstrFilter =
        L"Crosstables (*.txt;*.trf;*.csv)\0*.txt;*.trf;*.csv\0All files (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    // A typed name must name a file that exists; the dialog itself says so otherwise.
    dialog.Flags = OFN_SHAREAWARE | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    const std::filesystem::path chosen(path.data());
    return ChosenFile{toUtf8(chosen.native()), toUtf8(chosen.stem().native())};
}

}  // namespace tiebreak
