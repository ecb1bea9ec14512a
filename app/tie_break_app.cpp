// The application: start-up, the loop between the two modes and each mode's driver.
#include "app/tie_break_app.h"

#include <ostream>
#include <system_error>

#include "app/advanced_rules.h"
#include "app/deferred_notices.h"
#include "app/field_rules.h"
#include "app/settings_log.h"
#include "app/worker_run.h"
#include "engine/engine_codes.h"
#include "runs/run.h"
#include "runs/run_codes.h"
#include "tournament/leading_number.h"

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

RunOutcome CTieBreakApp::runShowingProgress(const RunRequest& request, const RunOutputs& outputs,
                                            ReplacedFile& log) {
    DeferredNotices deferred(views_.notices);
    RunOutcome outcome = RunFailed;
    runWhileWaiting(views_.progress, [&](const PhaseReport& progress) {
        outcome = runTieBreaks(request, outputs, deferred, deferred, log.stream(), progress);
    });
    // rp.log is whole before the user reads a box that sends him there; a cancelled run leaves it
    // as it was.
    if (outcome == RunCancelled)
        log.discard();
    else
        log.close();
    deferred.replay(views_.notices, views_.opener);
    return outcome;
}

AppMode CTieBreakApp::runSimpleMode(const std::string& settingsPath) {
    const SettingsLog settings(settingsPath);
    SimpleDialogValues values;
    static_cast<void>(settings.readSimpleSection(values));  // without one the defaults stay
    // A cancelled run brings the dialog back with the options just accepted.
    for (;;) {
        if (const std::optional<AppMode> next =
                modeAfter(views_.simpleOptions.show(values), ModeAdvanced))
            return *next;
        const int elo = leadingInt(values.eloText);
        // The dialog selects one of its three buttons whatever it was filled with.
        RunRequest request = simpleRequest(static_cast<SimpleSorting>(values.sortingIndex), elo);
        RunOutputs outputs;
        outputs.beep = true;
        outputs.logName = settingsPath;
        // A failed run asks for another file with the same options.
        RunOutcome outcome = RunFailed;
        while (outcome == RunFailed) {
            const std::optional<ChosenFile> input = views_.inputFiles.choose(OpenFileTitle);
            if (!input) return ModeExit;
            ReplacedFile log = settings.writeSimpleHeader({values.sortingIndex, elo, input->path});
            request.inputPath = input->path;
            outcome = runShowingProgress(request, outputs, log);
        }
        if (outcome == RunFinished) return ModeExit;
    }
}

namespace {

// The accepted dialog values as the header stores them: list indexes, numbers and 0/1 flags.
AdvancedOptions acceptedOptions(const AdvancedDialogValues& values) {
    AdvancedOptions options;
    options.inputFile = values.inputFile.empty() ? std::string(NoInputFile) : values.inputFile;
    options.methodIndex = values.methodIndex;
    options.modificationIndex = values.modificationIndex;
    for (int row = 0; row < MethodRowCount; ++row) {
        options.worst[row] = leadingInt(values.worstText[row]);
        options.best[row] = leadingInt(values.bestText[row]);
    }
    options.sort = values.sort ? 1 : 0;
    options.elo = leadingInt(values.eloText);
    options.headings = values.headings ? 1 : 0;
    options.beep = values.beep ? 1 : 0;
    options.webPage = values.webPage ? 1 : 0;
    return options;
}

// The same options as a run's request: a row for each method row that names a method, in their
// order, a rivals average where "Rivals average" is chosen, a FIDE tie-break with the cuts its
// counts give.
RunRequest requestOf(const AdvancedOptions& options) {
    RunRequest request;
    request.inputPath = options.inputFile;
    for (int row = 0; row < MethodRowCount; ++row) {
        const int method = options.methodIndex[row];
        if (const std::optional<FideTieBreak> fide = rowFideTieBreak(
                method, std::to_string(options.worst[row]), std::to_string(options.best[row]))) {
            TieBreakRow fideRow;
            fideRow.fide = fide;
            request.rows.push_back(fideRow);
            continue;
        }
        if (method != ItemRecursivePerformance && method != ItemRecursiveBucholz) continue;
        const bool average = options.modificationIndex[row] == ItemRivalsAverage;
        request.rows.push_back(
            {method == ItemRecursiveBucholz ? MethodRecursiveBucholz : MethodRecursivePerformance,
             average ? ModificationRivalsAverage : ModificationNone, options.worst[row],
             options.best[row]});
    }
    request.sorted = options.sort != 0;
    request.eloForUnrated = options.elo;
    request.headings = options.headings != 0;
    request.explain = options.webPage != 0;  // the page holds each player's breakdown
    return request;
}

}  // namespace

AppMode CTieBreakApp::runAdvancedMode(const std::string& settingsPath) {
    const SettingsLog settings(settingsPath);
    AdvancedDialogValues values;
    // Without an advanced header the defaults stay, with the crosstable of the last simple run.
    if (!settings.readAdvancedSection(values))
        values.inputFile = settings.readSimpleInputFile().value_or("");
    for (;;) {
        if (const std::optional<AppMode> next =
                modeAfter(views_.advancedOptions.show(values), ModeSimple))
            return *next;
        const AdvancedOptions accepted = acceptedOptions(values);
        ReplacedFile log = settings.writeAdvancedHeader(accepted);
        const RunRequest request = requestOf(accepted);
        RunOutputs outputs;
        outputs.beep = accepted.beep != 0;
        outputs.logName = settingsPath;
        if (accepted.webPage != 0) {
            outputs.html = webPagePathFor(request.inputPath);
            outputs.openPage = true;
        }
        const RunOutcome outcome = runShowingProgress(request, outputs, log);
        if (outcome == RunFinished) return ModeExit;
        // A failed run brings the dialog back filled from the header it has just written, a
        // cancelled one with the values as the user left them.
        if (outcome == RunFailed) static_cast<void>(settings.readAdvancedSection(values));
    }
}

}  // namespace tiebreak
