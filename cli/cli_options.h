#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runs/run_request.h"

namespace tiebreak {

// Exit statuses of rptiebreaks-cli.
enum CliStatus : int {
    CliSuccess = 0,
    CliRunFailed = 1,
    CliUsageError = 2,
};

// The command line, checked: the run it asks for (the advanced one with its rows, or the simple
// one) and what the program does around the run.
struct CliOptions {
    RunRequest request;
    std::string output;  // the .csv; "-" for the plain table on standard output; empty: beside
    std::string log;     // the run log; "-" for standard error; empty: none
    bool open = false;
    bool beep = false;
    std::optional<std::string> explain;  // the player whose values are broken down
    std::string json;  // the whole result as JSON; "-" for standard output; empty: none
    std::string html;  // the results as a web page; empty: none
};

// Parses the arguments into options. Returns nothing when the run is to go ahead, otherwise the
// exit status: CliSuccess after --help or --version (written to out), CliUsageError after a
// message and the usage line on err.
[[nodiscard]] std::optional<int> parseCommandLine(const std::vector<std::string>& arguments,
                                                  CliOptions& options, std::ostream& out,
                                                  std::ostream& err);

}  // namespace tiebreak
