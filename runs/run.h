#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "runs/notices.h"
#include "runs/run_codes.h"
#include "runs/run_progress.h"
#include "runs/run_request.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// Where a finished run's results go, besides the run log. The front ends choose; the run writes
// nothing else.
struct RunOutputs {
    // The results table: empty for the .csv beside the input, "-" for the plain table on screen,
    // any other path for the .csv there.
    std::string table;
    bool writeTable = true;  // false: no results table (a breakdown alone)
    std::string json;        // the whole result as JSON ("-": on screen); empty: none
    std::string html;        // the results as a web page; empty: none
    bool openPage = false;   // the web page opened too, as the .csv is
    std::optional<std::uint32_t> explained;  // the player whose breakdown goes to screen
    std::ostream* screen = nullptr;          // for "-" and the breakdown
    bool beep = false;                       // a beep when the run has finished
    // Where the run log goes, as the notices name it: a path, "-" for standard error, or empty
    // for none.
    std::string logName;
};

// The name under which a run writes its results table: "-", the path given, or the .csv beside
// the input.
[[nodiscard]] std::string tableName(const RunRequest& request, const RunOutputs& outputs);

// Reads request.inputPath into an empty table, telling progress. StatusOk; ErrorCancelled when
// progress stops the run; after a refusal, its code once the refusal has been logged and shown in
// its one error box.
[[nodiscard]] int readRunInput(const RunRequest& request, TournamentTable& table, Notices& notices,
                               std::ostream& log, const PhaseReport& progress);

// The run on a read tournament: computes what request asks for, logs the methods, writes the
// outputs, ends the log, then tells the notices, opens the .csv with the desktop's program
// (through opener) and beeps when asked. RunFailed after one error box; RunCancelled, with
// nothing written, when progress stops the run at a phase.
[[nodiscard]] RunOutcome runOnTable(TournamentTable&& table, const RunRequest& request,
                                    const RunOutputs& outputs, Notices& notices, FileOpener& opener,
                                    std::ostream& log, const PhaseReport& progress);

// readRunInput, then runOnTable.
[[nodiscard]] RunOutcome runTieBreaks(const RunRequest& request, const RunOutputs& outputs,
                                      Notices& notices, FileOpener& opener, std::ostream& log,
                                      const PhaseReport& progress);

}  // namespace tiebreak
