#include "app/tie_break_app.h"

#include <ostream>
#include <system_error>

#include "app/settings_log.h"

namespace tiebreak {

std::string settingsPathIn(const std::filesystem::path& directory) {
    return (directory / "rp.log").string();
}

int CTieBreakApp::initInstance() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) {
        diagnostics_ << "rptiebreaks: cannot read the working directory, where rp.log belongs: "
                     << error.message() << '\n';
        return 1;
    }
    // Fixed here: the file-open dialog may change the working directory later.
    runModeLoop(settingsPathIn(directory));
    return 0;
}

void CTieBreakApp::runModeLoop(const std::string& settingsPath) {
    AppMode mode = SettingsLog(settingsPath).holdsAdvancedOptions() ? ModeAdvanced : ModeSimple;
    while (mode != ModeExit)
        mode = mode == ModeAdvanced ? runAdvancedMode(settingsPath) : runSimpleMode(settingsPath);
}

std::optional<AppMode> CTieBreakApp::modeAfter(DialogOutcome outcome, AppMode switchMode) {
    switch (outcome) {
        case DialogOk:
            return std::nullopt;
        case DialogCancel:
            return ModeExit;
        case DialogSwitchMode:
            return switchMode;
        case DialogNotShown:
            break;
    }
    // The loop knows only the three modes: a dialog that cannot be shown ends the program.
    diagnostics_ << "rptiebreaks: the options dialog could not be shown\n";
    return ModeExit;
}

}  // namespace tiebreak
