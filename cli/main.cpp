// rptiebreaks-cli [OPTIONS] CROSSTABLE: the advanced run (or the simple one) on one crosstable,
// without any dialog and without rp.log unless --log names it.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_options.h"
#include "cli/console_platform.h"
#include "runs/error_messages.h"
#include "runs/spreadsheet.h"
#include "tournament/tournament_reader.h"

namespace {

using namespace tiebreak;

// A private intermediate table, so that two runs in one directory never meet; removed on every
// way out.
class PrivateTable {
public:
    PrivateTable() {
        std::error_code ignored;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = (std::filesystem::temp_directory_path(ignored) /
                 ("rptiebreaks-" + std::to_string(now) + "-" +
                  std::to_string(std::hash<const void*>{}(this) % 1000000) + ".txt"))
                    .string();
    }
    ~PrivateTable() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    PrivateTable(const PrivateTable&) = delete;
    PrivateTable& operator=(const PrivateTable&) = delete;
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The run log's stream: standard error, a file, or nowhere.
class LogStream {
public:
    explicit LogStream(const std::string& path) {
        if (path == "-") return;
        if (path.empty()) {
            stream_.setstate(std::ios::badbit);  // writes go nowhere
            return;
        }
        file_.open(path, std::ios::trunc);
        if (!file_.is_open()) std::cerr << "rptiebreaks-cli: " << path << " cannot be written\n";
    }
    std::ostream& get() {
        if (file_.is_open()) return file_;
        return stream_.rdbuf() == nullptr ? static_cast<std::ostream&>(stream_) : std::cerr;
    }

private:
    std::ofstream file_;
    std::ostream stream_{nullptr};
};

int runSimpleCommand(const CliOptions& options, Notices& notices, FileOpener& opener,
                     std::ostream& log) {
    SimpleRunOptions run = simpleRunOptions(*options.simple, options.elo);
    if (!options.sort) run.sortRows = 2;
    if (!options.headings) run.writeHeadings = 0;
    if (options.output == "-") {
        const int ran = runSimple(options.crosstable, "-screen", run, log);
        if (ran != 0) showErrorMessage(notices, ran, options.crosstable);
        return ran == 0 ? CliSuccess : CliRunFailed;
    }
    const PrivateTable table;
    if (const int ran = runSimple(options.crosstable, table.path(), run, log); ran != 0) {
        showErrorMessage(notices, ran, options.crosstable);
        return CliRunFailed;
    }
    const std::string csv =
        options.output.empty() ? csvPathFor(options.crosstable) : options.output;
    if (const int converted = convertAndRemove(table.path(), csv, notices); converted != 0) {
        showErrorMessage(notices, converted, csv);
        return CliRunFailed;
    }
    opener.open(csv);
    if (options.beep) notices.beep();
    return CliSuccess;
}

int runAdvancedCommand(const CliOptions& options, Notices& notices, FileOpener& opener,
                       std::ostream& log) {
    const PrivateTable intermediate;
    AdvancedRunOptions run;
    run.inputPath = options.crosstable;
    run.method = options.method;
    run.modification = options.modification;
    run.worst = options.worst;
    run.best = options.best;
    run.sort = options.sort ? 1 : 0;
    run.eloForUnrated = options.elo;
    run.headings = options.headings ? 1 : 0;
    run.beep = options.beep ? 1 : 0;
    run.intermediatePath = intermediate.path();
    if (options.output == "-") {
        run.plainTable = &std::cout;
    } else {
        run.csvPath = options.output;
    }
    TournamentTable table;
    const int read = readTournament(table, run.inputPath, run.eloForUnrated);
    return runAdvancedAnalysis(notices, opener, run, log, table, read) == RunFinished
               ? CliSuccess
               : CliRunFailed;
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
