#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

namespace tiebreak {

namespace {

constexpr const char* Usage =
    "Usage: rptiebreaks-cli [OPTIONS] CROSSTABLE\nRun with --help for more information.\n";

// "rp", "rb", "rp:avg:W:B" or "rb:avg:W:B" (W and B single digits); nothing otherwise.
std::optional<TieBreakRow> parseRecursiveRow(const std::string& text) {
    const std::string method = text.substr(0, 2);
    if (method != "rp" && method != "rb") return std::nullopt;
    TieBreakRow row;
    row.method = method == "rp" ? MethodRecursivePerformance : MethodRecursiveBucholz;
    if (text.size() == 2) return row;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() != 10 || text.compare(2, 5, ":avg:") != 0 || !digit(text[7]) ||
        text[8] != ':' || !digit(text[9])) {
        return std::nullopt;
    }
    row.modification = ModificationRivalsAverage;
    row.worst = text[7] - '0';
    row.best = text[9] - '0';
    return row;
}

// A recursive row, or one of FIDE's tie-breaks as FIDE writes it (any case); nothing, with why
// in error, otherwise.
std::optional<TieBreakRow> parseRow(const std::string& text, std::string& error) {
    if (std::optional<TieBreakRow> row = parseRecursiveRow(text)) return row;
    FideTieBreak fide;
    if (parseFideTieBreak(text, fide, &error) != StatusOk) return std::nullopt;
    TieBreakRow row;
    row.fide = fide;
    return row;
}

}  // namespace

std::optional<int> parseCommandLine(const std::vector<std::string>& arguments, CliOptions& options,
                                    std::ostream& out, std::ostream& err) {
    CLI::App app{
        "Recursive performance and recursive Buchholz tie-breaks of a Swiss Manager "
        "crosstable (or a FIDE TRF file).",
        "rptiebreaks-cli"};
    // "/x" is a path, also on Windows, where CLI11 would read it as an option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("rptiebreaks-cli ") + RPT_VERSION);
    std::vector<std::string> rows;
    std::string simple;
    std::string solve;
    std::string explain;
    bool noSort = false;
    bool noHeadings = false;
    RunRequest& request = options.request;
    request.eloForUnrated = 1400;
    app.add_option("crosstable", request.inputPath, "the crosstable file")->required();
    auto* tiebreak =
        app.add_option("-t,--tiebreak", rows,
                       "a tie-break row, as many as wanted, in order: rp, rb (no modification), "
                       "rp:avg:W:B, rb:avg:W:B (rivals average without W worst and B best), or "
                       "one of FIDE's tie-breaks as FIDE writes it (BH/C1, BH, SB, DE, ARO/M1, "
                       "TPR, ...)")
            ->expected(1)  // one row a -t: the words after it are not rows
            ->allow_extra_args(false)
            ->take_all();
    auto* explained = app.add_option("--explain", explain,
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
                          ->excludes(explained)
                          ->excludes(json)
                          ->excludes(html);
    app.add_option("--solve", solve,
                   "exact: the results carry the direct solution of each method's system; "
                   "iterate: the iteration's values always, over the whole field as one (default: "
                   "the iteration's values, or the direct solution where the iteration stops "
                   "short; each group of players who never met the others on its own)")
        ->check(CLI::IsMember({"exact", "iterate"}))
        ->excludes(simpleRun);
    int fideRules = DefaultFideRules;
    app.add_option("--fide-rules", fideRules,
                   "the edition of FIDE's tie-break rules for the FIDE rows: 2024 or 2026")
        ->check(CLI::IsMember({2024, 2026}));
    app.add_option("--elo", request.eloForUnrated, "Elo for unrated players")
        ->check(CLI::Range(0, 9999));
    app.add_flag("--no-sort", noSort, "keep crosstable order");
    app.add_flag("--no-headings", noHeadings, "omit the heading line");
    auto* output = app.add_option("-o,--output", options.output,
                                  "the .csv file; - prints the plain results table (default: "
                                  "beside the crosstable)");
    auto* log =
        app.add_option("--log", options.log, "write the run log there (- for standard error)");
    app.add_flag("--open", options.open, "open the .csv with its associated program");
    app.add_flag("--beep", options.beep, "beep when done");

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
    // An option given an empty value names nothing; it is not the same as leaving it out.
    for (const CLI::Option* given : {explained, json, html, output, log}) {
        if (given->count() > 0 && given->as<std::string>().empty()) {
            err << "rptiebreaks-cli: " << given->get_name() << " needs a value\n" << Usage;
            return CliUsageError;
        }
    }

    if (!simple.empty()) {
        const SimpleSorting sorting = simple == "rp"   ? SimpleSortingPerformance
                                      : simple == "ma" ? SimpleSortingRivalsWithoutWorst
                                                       : SimpleSortingNone;
        const std::string input = request.inputPath;
        request = simpleRequest(sorting, request.eloForUnrated);
        request.inputPath = input;
        request.sorted = request.sorted && !noSort;
    } else {
        if (rows.empty()) rows.push_back("rp");
        for (const std::string& text : rows) {
            std::string error;
            const std::optional<TieBreakRow> row = parseRow(text, error);
            if (!row) {
                err << "rptiebreaks-cli: not a tie-break row: " << text << "\n  " << error << '\n'
                    << "  or rp, rb, rp:avg:W:B, rb:avg:W:B for the recursive tie-breaks\n"
                    << Usage;
                return CliUsageError;
            }
            request.rows.push_back(*row);
        }
        request.fideRules = static_cast<FideRules>(fideRules);
        request.sorted = !noSort;
        request.solve = solve == "exact"     ? SolveExact
                        : solve == "iterate" ? SolveIterate
                                             : SolveDefault;
    }
    request.headings = !noHeadings;
    if (explained->count() > 0) options.explain = explain;
    return std::nullopt;
}

}  // namespace tiebreak
