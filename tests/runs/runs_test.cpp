// The two runs from crosstable to results table and log, through recording notices, each in a
// directory of its own: the goldens of four_rounds.txt, each failure's one box, and generated
// fields up to above the decomposition's size limit; the spreadsheet conversion and rp.log's
// replacement they write with.
#include "runs/advanced_run.h"
#include "runs/simple_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>
#include <vector>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "runs/error_messages.h"
#include "runs/replaced_file.h"
#include "runs/spreadsheet.h"
#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"
#include "tools/crosstable_generator.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;

const std::filesystem::path DataDir = std::filesystem::path(RPT_TEST_DATA_DIR) / "runs";

// The logged distances between the iterative and the direct solutions: round-off, which any
// change in the order of the additions moves by its own size.
const std::string MeasureLabels[] = {"Error between recursive method and SVD method: ",
                                     "Error between recursive method and SVD decomposition: ",
                                     "Error between recursive method and sparse solver: "};

const std::string DirectSolutionLine = "Singular value decomposition for ";
const std::string ResidualLabel = "Error: ";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The label of line k of the stored lines when it holds a measure: a distance, or the simple
// run's residual of a direct solution.
std::string measureLabel(const std::vector<std::string>& lines, std::size_t k) {
    for (const std::string& label : MeasureLabels) {
        if (lines[k].starts_with(label)) return label;
    }
    const bool residual = k > 0 && lines[k - 1].starts_with(DirectSolutionLine);
    return residual && lines[k].starts_with(ResidualLabel) ? ResidualLabel : "";
}

// Line k the same in both, a measure within relative 1e-3, or both below 1e-6 where the stored
// one is.
bool sameLine(const std::vector<std::string>& got, const std::vector<std::string>& want,
              std::size_t k) {
    const std::string label = measureLabel(want, k);
    if (got[k] == want[k] || label.empty() || !got[k].starts_with(label)) return got[k] == want[k];
    const double a = std::strtod(got[k].c_str() + label.size(), nullptr);
    const double e = std::strtod(want[k].c_str() + label.size(), nullptr);
    return std::fabs(e) < 1e-6 ? std::fabs(a) < 1e-6 : std::fabs(a - e) <= 1e-3 * std::fabs(e);
}

// text with the line ends of the stored files ("\n").
std::string withStoredLineEnds(std::string text) {
#ifdef _WIN32
    // Text files end their lines with "\r\n" here; the stored files with "\n".
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
#endif
    return text;
}

// The text of expected/name, first rewritten to text under RPT_UPDATE_GOLDEN=1.
std::string storedGolden(const std::string& text, const std::string& name) {
    const std::filesystem::path path = DataDir / "expected" / name;
    const char* update = std::getenv("RPT_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") writeText(path, withStoredLineEnds(text));
    return readBytes(path);
}

constexpr int Rp = MethodRecursivePerformance;
constexpr int Rb = MethodRecursiveBucholz;
constexpr int None = ModificationNone;
constexpr int Avg = ModificationRivalsAverage;
constexpr int Unused = RowUnused;

const std::string RivalsNotice =
    "notice: \nOne of the tie-breaks cannot be calculated because\nmore rivals than rounds were "
    "taken out.";
const std::string Warning = std::string("notice: ") + NonConvergenceText;

using Row = std::tuple<int, int, int, int>;  // method, modification, worst, best

AdvancedRunOptions optionsFor(const std::string& input, std::vector<Row> rows, int flags = 1) {
    AdvancedRunOptions options;
    options.inputPath = input;
    options.method.fill(Unused);
    options.modification.fill(Unused);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::tie(options.method[r], options.modification[r], options.worst[r], options.best[r]) =
            rows[r];
    }
    options.sort = options.headings = flags;  // sorted with headings, or neither
    options.eloForUnrated = 1400;
    return options;
}

// four_rounds.txt: ten players, at most four games each. Absent played no game but has a point
// from a bye (no value, listed first among the contestants without games); Late played one game
// (below 4 / 2 games, the second list); Lindqvist and Kowalski met the same opponents with the
// same results, so they tie in points and value and keep their crosstable order; Abercrombie's
// name is 29 characters (filling the name field with its ';'), Featherstonehaugh's is longer
// and widens its line.
SimpleRunOptions simple(SimpleSorting sorting, int headings = 1) {
    SimpleRunOptions options = simpleRunOptions(sorting, 1400);
    options.inputPath = "four_rounds.txt";
    options.writeHeadings = headings;
    return options;
}

// The columns of masks, sorted by slot sortMethod and bit sortVariant; (MA) leaves out the worst
// and best rivals given.
SimpleRunOptions columns(std::array<int, MethodSlotCount> masks, int sortMethod, int sortVariant,
                         int worst = 1, int best = 0) {
    SimpleRunOptions options = simple(SimpleSortingPerformance);
    options.methodVariants = masks;
    std::tie(options.sortMethod, options.sortVariant, options.dropWorst, options.dropBest) =
        std::tie(sortMethod, sortVariant, worst, best);
    return options;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

// Each test runs in a fresh directory of its own, which is the current directory meanwhile (the
// runs write their intermediate table there), and gets the crosstables of tests/data/runs copied
// in, so that logs name them without a machine's path.
class Run : public ::testing::Test {
protected:
    Run() {
        for (const auto& entry : std::filesystem::directory_iterator(DataDir)) {
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry, dir.path() / entry.path().filename());
        }
        std::filesystem::current_path(dir.path());
    }
    ~Run() override { std::filesystem::current_path(previous); }

    // Compares text with tests/data/runs/expected/name, byte for byte but for the measures of the
    // distance between the iterative and the direct solutions and of the simple run's residual
    // of a direct solution, which agree to round-off. Under RPT_UPDATE_GOLDEN=1 the file is
    // rewritten first.
    static void expectGolden(const std::string& text, const std::string& name) {
        const std::string actual = withStoredLineEnds(text);
        const std::string expected = storedGolden(text, name);
        const std::vector<std::string> a = linesOf(actual);
        const std::vector<std::string> e = linesOf(expected);
        bool same = a.size() == e.size() && actual.ends_with('\n') == expected.ends_with('\n');
        for (std::size_t k = 0; same && k < a.size(); ++k)
            same = sameLine(a, e, k);
        // On a difference, the whole texts, so that the failure shows where.
        if (same) return;
        EXPECT_EQ(actual, expected) << "golden file " << (DataDir / "expected" / name);
    }
    // Reads the input as the advanced driver does and runs; the log collects what the run writes.
    RunOutcome run(const AdvancedRunOptions& options) {
        TournamentTable table;
        std::string reason;
        const int read = readTournament(table, options.inputPath, options.eloForUnrated, &reason);
        return runAdvancedAnalysis(notices, notices, options, log, table, read, reason);
    }
    // The run's one error box, with the name and reason it shows, then forgotten; nothing opened.
    void expectError(int code, const std::string& name, const std::string& reason = {}) {
        EXPECT_EQ(notices.events, Events{"error: " + errorMessageText(code, name, reason)});
        EXPECT_FALSE(std::filesystem::exists("four_rounds.csv"));
        notices.events.clear();
    }
    static std::string inHere(const std::string& name) {
        return (std::filesystem::current_path() / name).string();
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    const TempDir dir;
    RecordingNotices notices;
    std::ostringstream log;
};

const auto ByName = [](const auto& info) { return std::string(info.param.name); };

struct SimpleCase {
    const char* name;
    SimpleRunOptions options;
    const char* log = "by_performance";  // the order and headings of the table change no log
};

class SimpleRunGolden : public Run, public ::testing::WithParamInterface<SimpleCase> {};

// The results table and the log, byte for byte. Column widths: two columns are 17 wide with 12
// decimals, four 9 with 4 (43 / 4 - 1), five 7 with 2 (43 / 5 - 1 = 7).
TEST_P(SimpleRunGolden, TableAndLog) {
    SimpleRunOptions options = GetParam().options;
    std::ostringstream table;
    options.plainTable = &table;
    EXPECT_EQ(runSimple(notices, notices, options, log), RunFinished);
    EXPECT_EQ(notices.events, Events{"beep"});
    expectGolden(table.str(), std::string("simple_") + GetParam().name + ".txt");
    expectGolden(log.str(), std::string("simple_") + GetParam().log + ".log");
}

INSTANTIATE_TEST_SUITE_P(
    Options, SimpleRunGolden,
    ::testing::Values(SimpleCase{"by_performance", simple(SimpleSortingPerformance)},
                      SimpleCase{"by_rivals_without_worst",
                                 simple(SimpleSortingRivalsWithoutWorst)},
                      SimpleCase{"unsorted_without_headings", simple(SimpleSortingNone, 0)},
                      SimpleCase{"all_four_slots", columns({1, 1, 1, 1}, 2, 1), "all_four_slots"},
                      SimpleCase{"five_variants", columns({1 | 2 | 4, 0, 8 | 16, 0}, 2, 16, 2, 1),
                                 "five_variants"}),
    ByName);

struct GoldenCase {
    const char* name;
    std::vector<Row> rows;
    // The stored log, when another case's: order and headings change none.
    const char* log = nullptr;
    int sortAndHeadings = 1;
};

class AdvancedRunGolden : public Run, public ::testing::WithParamInterface<GoldenCase> {};

// four_rounds.txt as in the simple run's tests: at most four games, so no row takes out four or
// more rivals here. The .csv (decimal ',' and list ';') lies beside the input, the intermediate
// table is gone, and the .csv is opened. Rows share their method's values: "rp" and "rp:avg"
// both start from one computation, and the performance block of the log comes before the Bucholz
// block whatever the row order.
TEST_P(AdvancedRunGolden, CsvAndLog) {
    const GoldenCase& row = GetParam();
    notices.localeSeparators = {',', ';'};
    EXPECT_EQ(run(optionsFor("four_rounds.txt", row.rows, row.sortAndHeadings)), RunFinished);
    EXPECT_EQ(notices.events, Events{"open: four_rounds.csv"});
    EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
    expectGolden(readBytes("four_rounds.csv"), std::string("advanced_") + row.name + ".csv");
    expectGolden(log.str(), std::string("advanced_") + (row.log ? row.log : row.name) + ".log");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AdvancedRunGolden,
    ::testing::Values(
        GoldenCase{"one_row", {{Rp, None, 1, 0}}},
        GoldenCase{"bucholz_first", {{Rb, None, 0, 0}, {Rp, Avg, 2, 1}, {Rb, Avg, 0, 0}}},
        GoldenCase{"four_rows_unsorted_without_headings",
                   {{Rb, Avg, 1, 1}, {Rp, None, 0, 0}, {Rb, None, 0, 0}, {Rp, Avg, 3, 0}},
                   "bucholz_first",
                   0},
        GoldenCase{"bucholz_only_rows_two_and_four",
                   {{Rb, None, 0, 0}, {Unused, Unused, 0, 0}, {Rb, Avg, 1, 0}}}),
    ByName);

// worked_example.txt: A beat B and nothing else was played. The iteration swaps the two values
// with every sweep (x_A' = x_B + 800, x_B' = x_A - 800, from 2000 and 1400), so it stops at its
// limit, and both measures are far above the tolerance: two warnings, one per measure, and the
// run goes on. Worst 1 plus best 0 reaches the one round played: the rivals check is met. The
// beep comes last. The phases come in order, as a progress window shows them.
TEST_F(Run, AdvancedLimitWarningsRivalsCheckBeepAndPhases) {
    std::filesystem::copy_file(RPT_TEST_DATA_DIR "/worked_example.txt", "worked_example.txt");
    AdvancedRunOptions options = optionsFor("worked_example.txt", {{Rp, None, 1, 0}});
    options.beep = 1;
    std::vector<std::string> phases;
    options.progress = [&](std::string_view phase) { phases.emplace_back(phase); };
    EXPECT_EQ(run(options), RunFinished);
    EXPECT_EQ(notices.events,
              (Events{Warning, Warning, RivalsNotice, "open: worked_example.csv", "beep"}));
    expectGolden(log.str(), "advanced_worked_example.log");
    EXPECT_EQ(phases,
              (std::vector<std::string>{"Iterating recursive performance",
                                        "Cross-check by decomposition", "Writing the results"}));
}

// Nobody played: maxGamesPlayed is 0, so the check is met with every count 0. A .csv input keeps
// its content: the results get a name of their own beside it, and the log says which. When no
// program can open them, a notice tells where they are.
TEST_F(Run, AdvancedTournamentWithoutGamesMeetsTheRivalsCheck) {
    std::filesystem::copy_file("no_games.txt", "no_games.csv");
    notices.opens = false;
    EXPECT_EQ(run(optionsFor("no_games.csv", {{Rb, Avg, 0, 0}})), RunFinished);
    const std::string results = "no_games-tiebreaks.csv";
    EXPECT_EQ(notices.events, (Events{RivalsNotice, "open: " + results,
                                      "notice: The results were written to\n" + inHere(results) +
                                          "\nbut no program could be started to open them."}));
    EXPECT_EQ(readBytes("no_games.csv"), readBytes("no_games.txt"));
    expectGolden(readBytes(results), "advanced_no_games.csv");
    expectGolden(log.str(), "advanced_no_games.log");
}

// team_match.txt: two teams of four, each player meeting the other team's four. The meetings are
// two-coloured, so the iteration stops at its limit far from the system's solution; with the
// exact solution the row carries values that satisfy the system to round-off, with the ratings'
// games-weighted level, and the log says so.
TEST_F(Run, AdvancedExactSolutionSatisfiesTheSystemWhereTheIterationStops) {
    AdvancedRunOptions options = optionsFor("team_match.txt", {{Rp, None, 0, 0}}, 0);
    options.exactSolution = true;
    AdvancedRunResult result;
    options.result = &result;
    EXPECT_EQ(run(options), RunFinished);
    for (const char* line :
         {"\nMaximum number of iterations of Recursive Performance surpassed\n",
          "\nValues of Recursive Performance: the direct solution of the system\n"})
        EXPECT_EQ(count(log.str(), line), 1u) << line;

    TournamentTable table;
    ASSERT_EQ(readTournament(table, "team_match.txt", 1400), 0);
    const std::vector<double>& values = result.rows[0];
    ASSERT_EQ(values.size(), table.playerCount());
    std::vector<double> stepped(values.size());
    ASSERT_EQ(performanceStep(table, stepped, ratingDifference, values), StatusOk);
    double level = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        stepped[i] -= values[i];
        level += table.gamesPlayed()[i] * (values[i] - table.ratings()[i]);
    }
    EXPECT_LT(weightedNorm(table, stepped), 1e-10);
    EXPECT_LT(std::fabs(level), 1e-9);
}

// A failure after the reading: one box with its code and name, the log as far as the run came
// and no intermediate table left once the conversion has run.
TEST_F(Run, FailuresAfterTheReading) {
    EXPECT_EQ(run(optionsFor("four_rounds.txt", {{Unused, Unused, 0, 0}})), RunFailed);
    expectError(StatusInvalidArgument, "");
    // A table that cannot be written blames its folder, not the input.
    AdvancedRunOptions options = optionsFor("four_rounds.txt", {{Rp, None, 0, 0}});
    options.intermediatePath = "nowhere/aux.txt";
    EXPECT_EQ(run(options), RunFailed);
    expectError(ErrorCannotWriteFolder, inHere("nowhere"));
    options.intermediatePath = "output_aux_rp.txt";
    options.csvPath = "nowhere/x.csv";
    EXPECT_EQ(run(options), RunFailed);
    expectError(ErrorCannotCreateOutput, "nowhere/x.csv");
    EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
    EXPECT_EQ(count(log.str(), "Executing methods"), 2u);
    EXPECT_EQ(count(log.str(), "\nOutput file: nowhere/aux.txt\n"), 1u);
    EXPECT_EQ(count(log.str(), "Contestants"), 0u);

    // The simple run's table that cannot be written blames its folder too; the log is whole.
    SimpleRunOptions simpleOptions = simple(SimpleSortingPerformance);
    simpleOptions.intermediatePath = "nowhere/table.txt";
    log.str("");
    EXPECT_EQ(runSimple(notices, notices, simpleOptions, log), RunFailed);
    expectError(ErrorCannotWriteFolder, inHere("nowhere"));
    EXPECT_NE(log.str().find("\nOutput file: nowhere/table.txt\n"), std::string::npos);
    EXPECT_NE(log.str().find("\nContestants that played less than half"), std::string::npos);
    // The engine knows no modification for the (P) variant: the run stops computing there (the
    // Bucholz slot after it is never computed), still writes the table with the column it could
    // not fill, and shows the engine's refusal.
    log.str("");
    EXPECT_EQ(runSimple(notices, notices, columns({1 | 4 | 32, 0, 1, 0}, 0, 1), log), RunFailed);
    expectError(StatusInvalidArgument, "four_rounds.txt");
    EXPECT_NE(readBytes("output_aux_rp.txt").find("RP(P)"), std::string::npos);
    EXPECT_EQ(log.str().find("Bucholz"), std::string::npos);
}

// A refused input: the reader's reason in the box, no table. The simple run logs it in one line;
// the advanced run only for a file that cannot be read (an empty file field arrives as "<none>").
TEST_F(Run, RejectedInput) {
    const std::string reason = "line 3: no player line follows the header";
    writeText("header_last.txt", "Title\nTitle\nNo.;Name;Rtg;1.Rd.;;;x\n");
    SimpleRunOptions options = simple(SimpleSortingPerformance);
    options.inputPath = "header_last.txt";
    EXPECT_EQ(runSimple(notices, notices, options, log), RunFailed);
    expectError(ErrorUnsuitableFile, "header_last.txt", reason);
    EXPECT_EQ(log.str(), "Unsuitable input file\n" + reason + "\n");
    EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
    log.str("");
    EXPECT_EQ(run(optionsFor("header_last.txt", {{Rp, None, 0, 0}})), RunFailed);
    expectError(ErrorUnsuitableFile, "header_last.txt", reason);
    EXPECT_EQ(log.str(), "Unsuitable input file.\n" + reason + "\n");
    log.str("");
    EXPECT_EQ(run(optionsFor("<none>", {{Rp, None, 0, 0}})), RunFailed);
    expectError(ErrorCannotOpenFile, "<none>", "the file cannot be read");
    EXPECT_EQ(log.str(), "Unsuitable input file.\nthe file cannot be read\n");
}

// The benchmarks' open of 300 players and 9 rounds: its .csv and its log held to the stored
// output of the element-by-element decomposition, the log's distances to round-off.
TEST_F(Run, BenchmarkOpenMatchesTheUnoptimisedRun) {
    ASSERT_TRUE(writeCrosstable({.players = 300, .rounds = 9}, "open.txt"));
    const std::vector<Row> rows{
        {Rp, None, 0, 0}, {Rp, Avg, 1, 1}, {Rb, None, 0, 0}, {Rb, Avg, 1, 1}};
    ASSERT_EQ(run(optionsFor("open.txt", rows)), RunFinished);
    expectGolden(readBytes("open.csv"), "benchmark_open_300_9.csv");
    expectGolden(log.str(), "benchmark_open_300_9.log");
}

// One player with games more than the decomposition takes. The advanced run checks both methods
// with the sparse solver, without a warning: the iterations reach its solution to well within
// 0.00001. The simple run fills both decomposition slots from one sparse system, each within
// round-off of its iterative column (the log's measure of their distance).
TEST_F(Run, AboveTheDecompositionsLimitTheSparseSolverChecks) {
    ASSERT_TRUE(writeCrosstable({.players = MaxDecompositionPlayers + 1, .rounds = 5, .seed = 11},
                                "open.txt"));
    ASSERT_EQ(run(optionsFor("open.txt", {{Rp, None, 0, 0}, {Rb, Avg, 1, 0}})), RunFinished);
    EXPECT_EQ(notices.events, Events{"open: open.csv"});
    EXPECT_EQ(count(log.str(), "\nError between recursive method and sparse solver: "), 2u);
    EXPECT_EQ(count(log.str(), "SVD method"), 0u);
    EXPECT_EQ(count(readBytes("open.csv"), "\n"), MaxDecompositionPlayers + 2u);

    SimpleRunOptions simple = columns({1, 1, 1, 1}, 0, 1);
    simple.inputPath = "open.txt";
    log.str("");
    EXPECT_EQ(runSimple(notices, notices, simple, log), RunFinished);
    const std::string text = log.str();
    EXPECT_EQ(count(text, "\nSparse solver for Recursive Performance successful\nError: "), 1u);
    EXPECT_EQ(count(text, "\nSparse solver for Recursive Bucholz successful\nError: "), 1u);
    EXPECT_EQ(count(text, "decomposition"), 0u);
    const std::string label = "Error between recursive method and sparse solver: ";
    EXPECT_EQ(count(text, label), 2u);
    for (auto at = text.find(label); at != std::string::npos; at = text.find(label, at + 1))
        EXPECT_LT(std::stod(text.substr(at + label.size())), 1e-6) << text.substr(at);
}

// The '.' is replaced first, then the ';'. A field that then holds the list separator or a
// double quote is quoted, its quotes doubled, so that it stays one column.
TEST_F(Run, SpreadsheetSubstitutesTheSeparatorsAndQuotesWhereNeeded) {
    const std::tuple<Separators, const char*, const char*> cases[] = {
        {{',', ';'}, "", ""},
        {{'.', ','}, "Lindqvist, Elin;  2.5;  2117.2\n", "\"Lindqvist, Elin\",  2.5,  2117.2\n"},
        {{',', ';'},
         "Smith, J. \"Jack\";2.5\r\nB;1.0\r\n",
         "\"Smith, J, \"\"Jack\"\"\";2,5\r\nB;1,0\r\n"},
        {{';', ','}, "1.5;2\n", "\"1,5\",2\n"}};
    for (const auto& [separators, source, target] : cases) {
        notices.localeSeparators = separators;
        writeText("table.txt", source);
        EXPECT_EQ(convertToSpreadsheet("table.txt", "table.csv", notices), 0);
        EXPECT_EQ(readBytes("table.csv"), target) << source;
    }
}

// Two programs rewrite rp.log at the same time: while they write, a reader sees the old text
// whole; afterwards, the whole text of the one that finished last, and no temporary file.
TEST_F(Run, ReplacedLogReadersSeeOneWholeText) {
    writeText("rp.log", "old\n");
    ReplacedFile first("rp.log");
    ReplacedFile second("rp.log");
    first.stream() << "first\n" << std::flush;
    second.stream() << "second\n" << std::flush;
    EXPECT_EQ(readText("rp.log"), "old\n");
    EXPECT_TRUE(second.close());
    EXPECT_EQ(readText("rp.log"), "second\n");
    second.stream() << "lost\n";  // nothing more after closing
    first.stream() << "first log\n" << std::flush;
    EXPECT_TRUE(first.close());
    EXPECT_EQ(readText("rp.log"), "first\nfirst log\n");
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

}  // namespace
}  // namespace tiebreak
