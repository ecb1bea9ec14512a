#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/app_mode.h"
#include "app/option_views.h"
#include "app/progress_view.h"
#include "runs/notices.h"
#include "runs/run_codes.h"

namespace tiebreak {

class ReplacedFile;
struct RunOutputs;
struct RunRequest;

// Where the program meets the platform: the dialogs, the runs' boxes, beep and file opening, and
// the progress window of a run. Everything referred to must outlive the application object, and
// is called on the user interface thread only: the runs work on a worker thread meanwhile.
struct AppViews {
    SimpleOptionsView& simpleOptions;
    AdvancedOptionsView& advancedOptions;
    InputFileView& inputFiles;
    Notices& notices;
    FileOpener& opener;
    ProgressView& progress;
};

// The full path of the settings file rp.log in directory, joined with the platform's separator.
[[nodiscard]] std::string settingsPathIn(const std::filesystem::path& directory);

// The desktop program: it has no main window, only the two options dialogs between which the
// mode loop passes until the user cancels or one run has finished.
class CTieBreakApp {
public:
    // diagnostics receives the few messages for which no dialog can be shown.
    CTieBreakApp(const AppViews& views, std::ostream& diagnostics) noexcept
        : views_(views), diagnostics_(diagnostics) {}

    // Start-up: rp.log lies in the current working directory; its header chooses the first mode,
    // then the mode loop runs. Returns the process's exit status: 0, or 1 when the working
    // directory cannot be read (with a message to diagnostics).
    [[nodiscard]] int initInstance();

    // The mode loop from the mode of the header in settingsPath until a driver returns ModeExit.
    void runModeLoop(const std::string& settingsPath);

    // Simple mode: dialog, file choice, header, simple run, .csv, opening it, beep. Returns
    // ModeAdvanced after "&Advanced...", ModeExit after a cancellation or a finished run. A failed
    // run shows its error and asks for another input file; a run cancelled in the progress window
    // leaves rp.log as it was and brings the dialog back.
    [[nodiscard]] AppMode runSimpleMode(const std::string& settingsPath);

    // Advanced mode: dialog, header, reading the input, advanced run, and the web page when the
    // dialog asks for it. Returns ModeSimple after "&Less options", ModeExit after Cancel or a
    // finished run. A failed run shows its error and brings the dialog back with the options just
    // accepted; so does a cancelled run, which leaves rp.log as it was. Without an advanced header
    // the dialog opens on the crosstable of the last simple run.
    [[nodiscard]] AppMode runAdvancedMode(const std::string& settingsPath);

private:
    // The run on a worker thread while the progress window waits; then rp.log is replaced by log
    // (or left as it was after a cancellation), and the run's boxes and openings are shown.
    [[nodiscard]] RunOutcome runShowingProgress(const RunRequest& request,
                                                const RunOutputs& outputs, ReplacedFile& log);

    // The mode that follows an options dialog that ended with outcome; nothing after OK, when
    // the driver goes on. switchMode is the mode of the dialog's switch button.
    [[nodiscard]] std::optional<AppMode> modeAfter(DialogOutcome outcome, AppMode switchMode);

    AppViews views_;
    std::ostream& diagnostics_;
};

}  // namespace tiebreak
