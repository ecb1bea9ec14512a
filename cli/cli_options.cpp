#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

#include "engine/engine_codes.h"

namespace tiebreak {

namespace {

constexpr const char* Usage =
    "Usage: rptiebreaks-cli [OPTIONS] CROSSTABLE\nRun with --help for more information.\n";

// "rp", "rb", "rp:avg:W:B" or "rb:avg:W:B" into row (W and B single digits); false otherwise.
bool parseRow(const std::string& text, AdvancedRunOptions& options, int row) {
    const std::string method = text.substr(0, 2);
    if (method != "rp" && method != "rb") return false;
    options.method[row] = method == "rp" ? MethodRecursivePerformance : MethodRecursiveBucholz;
    if (text.size() == 2) {
        options.modification[row] = ModificationNone;
        return true;
    }
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() != 10 || text.compare(2, 5, ":avg:") != 0 || !digit(text[7]) ||
        text[8] != ':' || !digit(text[9])) {
        return false;
    }
    options.modification[row] = ModificationRivalsAverage;
    options.worst[row] = text[7] - '0';
    options.best[row] = text[9] - '0';
    return true;
}

}  // namespace

std::optional<int> parseCommandLine(const std::vector<std::string>& arguments, CliOptions& options,
                                    std::ostream& out, std::ostream& err) {
    CLI::App app{
        "Recursive performance and recursive Bucholz tie-breaks of a Swiss Manager "
        "crosstable (or a FIDE TRF file).",
        "rptiebreaks-cli"};
    // "/x" is a path, also on Windows, where CLI11 would read it as an option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("rptiebreaks-cli ") + RPT_VERSION);
    std::vector<std::string> rows;
    std::string simple;
    std::string solve;
    bool noSort = false;
    bool noHeadings = false;
    bool beep = false;
    AdvancedRunOptions& run = options.run;
    run.eloForUnrated = 1400;
    app.add_option("crosstable", run.inputPath, "the crosstable file")->required();
    auto* tiebreak =
        app.add_option("-t,--tiebreak", rows,
                       "a method row, up to four times, in order: rp, rb (no modification), "
                       "rp:avg:W:B, rb:avg:W:B (rivals average without W worst and B best)")
            ->expected(1)  // one row a -t: the words after it are not rows
            ->allow_extra_args(false)
            ->take_all();
    auto* explain = app.add_option("--explain", options.explain,
                                   "print the breakdown of one player's values; PLAYER is a "
                                   "name, the start of one, or the line of the file that "
                                   "holds the player");
    auto* json = app.add_option("--json", options.json,
                                "write the whole result as JSON there (- for standard output)");
    auto* html = app.add_option("--html", options.html, "write the results as a web page there");
    auto* simpleRun = app.add_option("--simple", simple,
                                     "the simple run, sorted by rp, ma (rivals without the "
                                     "worst) or none")
                          ->check(CLI::IsMember({"rp", "ma", "none"}))
                          ->excludes(tiebreak)
                          ->excludes(explain)
                          ->excludes(json)
                          ->excludes(html);
    app.add_option("--solve", solve,
                   "exact: the results table carries the direct solution of the linear system "
                   "instead of the iteration's values (default: the iteration's values)")
        ->check(CLI::IsMember({"exact"}))
        ->excludes(simpleRun);
    app.add_option("--elo", run.eloForUnrated, "Elo for unrated players")
        ->check(CLI::Range(0, 9999));
    app.add_flag("--no-sort", noSort, "keep crosstable order");
    app.add_flag("--no-headings", noHeadings, "omit the heading line");
    app.add_option("-o,--output", options.output,
                   "the .csv file; - prints the plain results table (default: beside the "
                   "crosstable)");
    app.add_option("--log", options.log, "write the run log there (- for standard error)");
    app.add_flag("--open", options.open, "open the .csv with its associated program");
    app.add_flag("--beep", beep, "beep when done");

    // CLI11 takes the arguments after the program's name, last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return CliSuccess;
    } catch (const CLI::CallForVersion&) {
        out << "rptiebreaks-cli " << RPT_VERSION << '\n';
        return CliSuccess;
    } catch (const CLI::ParseError& error) {
        err << "rptiebreaks-cli: " << error.what() << '\n' << Usage;
        return CliUsageError;
    }

    run.method.fill(RowUnused);
    run.modification.fill(RowUnused);
    if (rows.empty()) rows.push_back("rp");
    if (rows.size() > AdvancedRowCount) {
        err << "rptiebreaks-cli: at most " << AdvancedRowCount << " tie-break rows\n" << Usage;
        return CliUsageError;
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (!parseRow(rows[row], run, static_cast<int>(row))) {
            err << "rptiebreaks-cli: not a tie-break row: " << rows[row] << '\n' << Usage;
            return CliUsageError;
        }
    }
    if (!simple.empty()) {
        options.simple = simple == "rp"   ? SimpleSortingPerformance
                         : simple == "ma" ? SimpleSortingRivalsWithoutWorst
                                          : SimpleSortingNone;
    }
    run.exactSolution = solve == "exact";
    run.sort = noSort ? 0 : 1;
    run.headings = noHeadings ? 0 : 1;
    run.beep = beep ? 1 : 0;
    return std::nullopt;
}

SimpleRunOptions simpleRunOptions(const CliOptions& options) {
    SimpleRunOptions simple = simpleRunOptions(*options.simple, options.run.eloForUnrated);
    static_cast<CommonRunOptions&>(simple) = options.run;
    if (options.run.sort == 0) simple.sortRows = 2;
    if (options.run.headings == 0) simple.writeHeadings = 0;
    return simple;
}

}  // namespace tiebreak
