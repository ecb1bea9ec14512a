#include "runs/run_ending.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "runs/spreadsheet.h"

namespace tiebreak {

namespace {

// The plain table for the command line's standard output.
int copyTable(const std::string& path, std::ostream& out) {
    std::ifstream in(path);  // text mode: the table's line ends become the stream's own
    if (!in.is_open()) return ErrorCannotOpenFile;
    out << in.rdbuf();
    out.flush();
    return 0;
}

}  // namespace

std::string spreadsheetPathOf(const CommonRunOptions& options) {
    return options.csvPath.empty() ? csvPathFor(options.inputPath) : options.csvPath;
}

int deliverResults(const CommonRunOptions& options, Notices& notices, std::ostream& log,
                   std::string& failedName) {
    if (options.plainTable != nullptr) {
        const int copied = copyTable(options.intermediatePath, *options.plainTable);
        std::error_code ignored;
        std::filesystem::remove(options.intermediatePath, ignored);
        failedName = options.intermediatePath;
        return copied;
    }
    const std::string csv = spreadsheetPathOf(options);
    if (options.csvPath.empty()) logResultsName(log, options.inputPath, csv);
    failedName = csv;
    return convertAndRemove(options.intermediatePath, csv, notices);
}

void finishRun(const CommonRunOptions& options, Notices& notices, FileOpener& opener) {
    if (options.plainTable == nullptr) openInShell(opener, notices, spreadsheetPathOf(options));
    if (options.beep != 0) notices.beep();
}

}  // namespace tiebreak
