// rptiebreaks-cli [OPTIONS] CROSSTABLE: the advanced run (or the simple one) on one crosstable,
// without any dialog and without rp.log unless --log names it.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/console_platform.h"
#include "cli/player_choice.h"
#include "runs/platform.h"
#include "runs/replaced_file.h"
#include "runs/run.h"

namespace {

using namespace tiebreak;

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
    return [](std::string_view phase) {
        std::cerr << "rptiebreaks-cli: " << phase << '\n';
        return true;
    };
}

// Where the run's results go: the plain table on standard output for "-o -", else the .csv that
// --output names (beside the crosstable without it). A breakdown alone writes no table unless
// --output asks for one.
RunOutputs outputsOf(const CliOptions& options) {
    RunOutputs outputs;
    outputs.table = options.output;
    outputs.writeTable = !options.explain || !options.output.empty();
    outputs.json = options.json;
    outputs.html = options.html;
    outputs.screen = &std::cout;
    outputs.beep = options.beep;
    outputs.logName = options.log;
    return outputs;
}

// The files a finished run wrote, for the last line a person at a terminal reads.
void tellWrittenFiles(const RunRequest& request, const RunOutputs& outputs) {
    std::vector<std::string> files;
    if (outputs.writeTable) files.push_back(tableName(request, outputs));
    files.push_back(outputs.json);
    files.push_back(outputs.html);
    std::string named;
    for (const std::string& file : files) {
        if (file.empty() || file == "-") continue;
        named += (named.empty() ? "" : ", ") + file;
    }
    if (!named.empty()) std::cerr << "rptiebreaks-cli: written: " << named << '\n';
}

int run(const CliOptions& options, std::ostream& log) {
    StderrNotices notices;
    OptionalOpener opener(options.open);
    const PhaseReport progress = terminalProgress();
    RunRequest request = options.request;
    RunOutputs outputs = outputsOf(options);
    TournamentTable table;
    if (readRunInput(request, table, notices, log, progress) != StatusOk) return CliRunFailed;
    if (options.explain) {
        outputs.explained = chooseExplainedPlayer(table, *options.explain, std::cerr);
        if (!outputs.explained) return CliUsageError;
    }
    request.explain = options.explain || !options.html.empty();
    if (runOnTable(std::move(table), request, outputs, notices, opener, log, progress) !=
        RunFinished) {
        return CliRunFailed;
    }
    if (progress) tellWrittenFiles(request, outputs);
    return CliSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CliOptions options;
    if (const auto status = parseCommandLine(arguments, options, std::cout, std::cerr)) {
        return *status;
    }
    LogStream log(options.log);
    return run(options, log.get());
}
