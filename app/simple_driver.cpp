#include "app/tie_break_app.h"

#include "app/deferred_notices.h"
#include "app/settings_log.h"
#include "app/worker_run.h"
#include "runs/error_messages.h"
#include "runs/simple_run.h"
#include "runs/spreadsheet.h"
#include "tournament/leading_number.h"

namespace tiebreak {

AppMode CTieBreakApp::runSimpleMode(const std::string& settingsPath) {
    const SettingsLog settings(settingsPath);
    SimpleDialogValues values;
    static_cast<void>(settings.readSimpleSection(values));  // without one the defaults stay
    if (const std::optional<AppMode> next =
            modeAfter(views_.simpleOptions.show(values), ModeAdvanced))
        return *next;
    const int elo = leadingInt(values.eloText);
    // The dialog selects one of its three buttons whatever it was filled with.
    const SimpleRunOptions options =
        simpleRunOptions(static_cast<SimpleSorting>(values.sortingIndex), elo);
    const std::string intermediate(IntermediateFile);

    // A failed run asks for another file with the same options.
    for (;;) {
        const std::optional<ChosenFile> input = views_.inputFiles.choose(OpenFileTitle);
        if (!input) return ModeExit;
        ReplacedFile log = settings.writeSimpleHeader({values.sortingIndex, elo});
        DeferredNotices deferred(views_.notices);
        const std::string results = csvPathFor(input->path);
        int ran = 0;
        int converted = 0;
        std::string reason;
        runWhileWaiting(views_.progress, [&](const PhaseReport& progress) {
            ran = runSimple(input->path, intermediate, options, log.stream(), progress, &reason);
            if (ran != 0) return;
            logResultsName(log.stream(), input->path, results);
            converted = convertAndRemove(intermediate, results, deferred);
        });
        log.close();  // rp.log is whole before the user reads a box
        deferred.replay(views_.notices, views_.opener);
        if (ran != 0) {
            const std::string name =
                ran == ErrorCannotWriteFolder ? folderOf(intermediate) : input->path;
            showErrorMessage(views_.notices, ran, name, reason);
            continue;
        }
        if (converted != 0) {
            showErrorMessage(views_.notices, converted, results);
            continue;
        }
        openInShell(views_.opener, views_.notices, results);
        views_.notices.beep();
        return ModeExit;
    }
}

}  // namespace tiebreak
