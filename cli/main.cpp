// rptiebreaks-cli [OPTIONS] CROSSTABLE: the advanced run (or the simple one) on one crosstable,
// without any dialog and without rp.log unless --log names it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_options.h"
#include "cli/console_platform.h"
#include "cli/result_outputs.h"
#include "runs/platform.h"
#include "runs/replaced_file.h"
#include "runs/run_codes.h"
#include "tournament/tournament_reader.h"

namespace {

using namespace tiebreak;

// A private directory for the intermediate table, so that two runs in one directory never meet;
// removed with everything in it on every way out. Creating a directory is atomic: a name that
// is taken is never shared, another one is tried.
class PrivateTable {
public:
    PrivateTable() {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        std::random_device seed;
        for (int attempt = 0; attempt < 100 && directory_.empty(); ++attempt) {
            const std::filesystem::path candidate =
                base / ("rptiebreaks-" + std::to_string(seed()) + std::to_string(seed()));
            if (std::filesystem::create_directory(candidate, error)) directory_ = candidate;
        }
        // Without a directory of its own the table goes to a name that cannot be created, and
        // the run reports that it could not write it.
        path_ = (directory_.empty() ? base / "rptiebreaks-none" / IntermediateFile
                                    : directory_ / IntermediateFile)
                    .string();
    }
    ~PrivateTable() {
        std::error_code ignored;
        if (!directory_.empty()) std::filesystem::remove_all(directory_, ignored);
    }
    PrivateTable(const PrivateTable&) = delete;
    PrivateTable& operator=(const PrivateTable&) = delete;
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::filesystem::path directory_;
    std::string path_;
};

// The run log's stream: standard error for "-", a file replaced whole when the run ends, or
// nowhere (no --log, or a file that cannot be written).
class LogStream {
public:
    explicit LogStream(const std::string& path)
        : toStandardError_(path == "-"),
          file_(path.empty() || toStandardError_ ? ReplacedFile() : ReplacedFile(path)) {
        if (path.empty() || toStandardError_) return;
        if (!file_.isOpen()) std::cerr << "rptiebreaks-cli: " << path << " cannot be written\n";
    }
    std::ostream& get() {
        if (toStandardError_) return std::cerr;
        if (file_.isOpen()) return file_.stream();
        return nowhere_;
    }

private:
    bool toStandardError_;
    ReplacedFile file_;
    std::ostream nowhere_{nullptr};  // without a buffer every write fails and is dropped
};

// The phases of a run, one line each on standard error, when that is a terminal: a person is
// waiting there, and a script reading it gets nothing new.
PhaseReport terminalProgress() {
    if (!standardErrorIsTerminal()) return {};
    return [](std::string_view phase) { std::cerr << "rptiebreaks-cli: " << phase << '\n'; };
}

// Where the run's results go: the plain table on standard output for "-o -", else the .csv that
// --output names (beside the crosstable without it), by way of the program's private table.
void placeResults(const CliOptions& options, const PrivateTable& intermediate,
                  CommonRunOptions& run) {
    run.intermediatePath = intermediate.path();
    if (options.output == "-") {
        run.plainTable = &std::cout;
    } else {
        run.csvPath = options.output;
    }
    run.progress = terminalProgress();
}

int runSimpleCommand(const CliOptions& options, Notices& notices, FileOpener& opener,
                     std::ostream& log) {
    const PrivateTable intermediate;
    SimpleRunOptions run = simpleRunOptions(options);
    placeResults(options, intermediate, run);
    return runSimple(notices, opener, run, log) == RunFinished ? CliSuccess : CliRunFailed;
}

int runAdvancedCommand(const CliOptions& options, Notices& notices, FileOpener& opener,
                       std::ostream& log) {
    const PrivateTable intermediate;
    AdvancedRunOptions run = options.run;
    placeResults(options, intermediate, run);
    enterPhase(run.progress, PhaseReading);
    TournamentTable table;
    std::string reason;
    const int read = readTournament(table, run.inputPath, run.eloForUnrated, &reason);
    std::optional<std::uint32_t> player;
    if (read == 0 && !options.explain.empty()) {
        player = chooseExplainedPlayer(table, options.explain, std::cerr);
        if (!player) return CliUsageError;
    }
    // An explanation alone writes no spreadsheet, unless --output asks for one.
    std::ostream nowhere(nullptr);
    if (player && options.output.empty()) run.plainTable = &nowhere;
    AdvancedRunResult result;
    const bool outputs = player || !options.json.empty() || !options.html.empty();
    if (outputs) run.result = &result;
    if (runAdvancedAnalysis(notices, opener, run, log, table, read, reason) != RunFinished) {
        return CliRunFailed;
    }
    return outputs ? writeResultOutputs(options, run, table, result, player, notices, std::cout)
                   : CliSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CliOptions options;
    if (const auto status = parseCommandLine(arguments, options, std::cout, std::cerr)) {
        return *status;
    }
    StderrNotices notices;
    OptionalOpener opener(options.open);
    LogStream log(options.log);
    return options.simple ? runSimpleCommand(options, notices, opener, log.get())
                          : runAdvancedCommand(options, notices, opener, log.get());
}
