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

// The command line, checked.
struct CliOptions {
    std::string crosstable;
    std::array<int, AdvancedRowCount> method{};
    std::array<int, AdvancedRowCount> modification{};
    std::array<int, AdvancedRowCount> worst{};
    std::array<int, AdvancedRowCount> best{};
    std::optional<SimpleSorting> simple;  // the simple run instead of the advanced one
    int elo = 1400;
    bool sort = true;
    bool headings = true;
    std::string output;  // the .csv; "-" for the plain table on standard output; empty: beside
    std::string log;     // the run log; "-" for standard error; empty: none
    bool open = false;
    bool beep = false;
    std::string explain;         // the player whose values are broken down; empty: none
    std::string json;            // the whole result as JSON; "-" for standard output; empty: none
    std::string html;            // the results as a web page; empty: none
    bool exactSolution = false;  // --solve exact: the direct solution in the results table
};

// Parses the arguments into options. Returns nothing when the run is to go ahead, otherwise the
// exit status: CliSuccess after --help or --version (written to out), CliUsageError after a
// message and the usage line on err.
[[nodiscard]] std::optional<int> parseCommandLine(const std::vector<std::string>& arguments,
                                                  CliOptions& options, std::ostream& out,
                                                  std::ostream& err);

}  // namespace tiebreak
