#include "app/tie_break_app.h"

#include <string>

#include "app/settings_log.h"
#include "runs/error_messages.h"
#include "runs/platform.h"
#include "runs/simple_run.h"
#include "runs/spreadsheet.h"
#include "tournament/leading_number.h"

namespace tiebreak {
namespace {

// The .csv beside the input file, named after its title. Cut as text: on Windows a
// std::filesystem::path made from an 8-bit string does not read it as UTF-8.
std::string resultsPath(const ChosenFile& file) {
    const std::size_t separator = file.path.find_last_of(directorySeparators());
    const std::size_t directoryLength = separator == std::string::npos ? 0 : separator + 1;
    return file.path.substr(0, directoryLength) + file.title + ".csv";
}

}  // namespace

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
        settings.writeSimpleHeader({values.sortingIndex, elo});
        const int ran = runSimple(input->path, intermediate, options, settingsPath);
        if (ran != 0) {
            showErrorMessage(views_.notices, ran, input->path);
            continue;
        }
        const std::string results = resultsPath(*input);
        const int converted = convertAndRemove(intermediate, results, views_.notices);
        if (converted != 0) {
            showErrorMessage(views_.notices, converted, results);
            continue;
        }
        openInShell(views_.opener, results);
        views_.notices.beep();
        return ModeExit;
    }
}

}  // namespace tiebreak
