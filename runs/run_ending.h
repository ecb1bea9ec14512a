#pragma once

#include <ostream>
#include <string>

#include "runs/notices.h"
#include "runs/run_codes.h"
#include "runs/run_progress.h"

namespace tiebreak {

// What both runs take besides their methods: the input, where the results go and how the run
// ends.
struct CommonRunOptions {
    std::string inputPath;
    // Where the results table is written before its conversion, and the spreadsheet file (empty:
    // beside the input). The command line chooses both; the desktop keeps the defaults.
    std::string intermediatePath = std::string(IntermediateFile);
    std::string csvPath;
    // When set, the plain results table goes here instead of into a spreadsheet file, and
    // nothing is opened.
    std::ostream* plainTable = nullptr;
    int beep = 0;  // nonzero: a beep when the run has finished
    // Told each phase of the run as it starts, on the run's thread.
    PhaseReport progress;
};

// The spreadsheet file the run's results go to.
[[nodiscard]] std::string spreadsheetPathOf(const CommonRunOptions& options);

// Delivers the results table written to options.intermediatePath: copied to the plain table, or
// converted into the spreadsheet file (whose name the log gets when it is one of its own beside
// a .csv input); the intermediate table is removed either way. 0, or the failure's code with the
// name its message shows in failedName.
[[nodiscard]] int deliverResults(const CommonRunOptions& options, Notices& notices,
                                 std::ostream& log, std::string& failedName);

// The end of a finished run: the spreadsheet file opened (none for a plain table), then the beep
// when asked for.
void finishRun(const CommonRunOptions& options, Notices& notices, FileOpener& opener);

}  // namespace tiebreak
