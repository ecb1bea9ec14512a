#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runs/advanced_run.h"
#include "runs/simple_run.h"

namespace tiebreak {

// Exit statuses of rptiebreaks-cli.
enum CliStatus : int {
    CliSuccess = 0,
    CliRunFailed = 1,
    CliUsageError = 2,
};

// The command line, checked: the advanced run it asks for (input, rows, Elo, sorting, headings,
// beep, solution), or the simple one, and what the program does around the run.
struct CliOptions {
    AdvancedRunOptions run;
    std::optional<SimpleSorting> simple;  // the simple run instead of the advanced one
    std::string output;  // the .csv; "-" for the plain table on standard output; empty: beside
    std::string log;     // the run log; "-" for standard error; empty: none
    bool open = false;
    std::string explain;  // the player whose values are broken down; empty: none
    std::string json;     // the whole result as JSON; "-" for standard output; empty: none
    std::string html;     // the results as a web page; empty: none
};

// The simple run the command line asks for: the simple dialog's options for its sorting, with
// the input, Elo, sorting, headings and beep of options.run.
[[nodiscard]] SimpleRunOptions simpleRunOptions(const CliOptions& options);

// Parses the arguments into options. Returns nothing when the run is to go ahead, otherwise the
// exit status: CliSuccess after --help or --version (written to out), CliUsageError after a
// message and the usage line on err.
[[nodiscard]] std::optional<int> parseCommandLine(const std::vector<std::string>& arguments,
                                                  CliOptions& options, std::ostream& out,
                                                  std::ostream& err);

}  // namespace tiebreak
