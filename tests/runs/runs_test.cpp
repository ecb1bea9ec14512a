// Runs from crosstable to results table, .csv and log, through recording notices, each in a
// directory of its own: the goldens of four_rounds.txt, each failure's one box, and generated
// fields up to above the decomposition's size limit; the .csv's fields and rp.log's replacement.
#include "runs/run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>
#include <vector>

#include "engine/svd/svd.h"
#include "runs/analysis.h"
#include "runs/error_messages.h"
#include "runs/replaced_file.h"
#include "runs/results_table.h"
#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"
#include "tools/crosstable_generator.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;

const std::filesystem::path DataDir = std::filesystem::path(RPT_TEST_DATA_DIR) / "runs";

// The logged distances between the iterative and the direct solutions, and the residuals of the
// direct solutions: round-off, which any change in the order of the additions moves by its own
// size.
const std::string MeasureLabels[] = {
    "Error between recursive method and SVD method: ",
    "Error between recursive method and sparse solver: ", "Error of these values: "};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Line k the same in both, or a measure within relative 1e-3, or both below 1e-6 where the
// stored one is.
bool sameLine(const std::string& got, const std::string& want) {
    if (got == want) return true;
    for (const std::string& label : MeasureLabels) {
        if (!want.starts_with(label) || !got.starts_with(label)) continue;
        const double a = std::strtod(got.c_str() + label.size(), nullptr);
        const double e = std::strtod(want.c_str() + label.size(), nullptr);
        return std::fabs(e) < 1e-6 ? std::fabs(a) < 1e-6 : std::fabs(a - e) <= 1e-3 * std::fabs(e);
    }
    return false;
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

// The text to store for actual: its lines, but the stored ones where they are the same by
// sameLine, so that an update leaves measures alone that only moved by round-off.
std::string updated(const std::string& actual, const std::string& stored) {
    const std::vector<std::string> a = linesOf(actual);
    const std::vector<std::string> e = linesOf(stored);
    std::string text;
    for (std::size_t k = 0; k < a.size(); ++k)
        text += (k < e.size() && sameLine(a[k], e[k]) ? e[k] : a[k]) + "\n";
    if (!actual.ends_with('\n') && !text.empty()) text.pop_back();
    return text;
}

// Compares text with tests/data/runs/expected/name, byte for byte but for the measures of the
// distance between the iterative and the direct solutions, which agree to round-off. Under
// RPT_UPDATE_GOLDEN=1 the file is rewritten first.
void expectGolden(const std::string& text, const std::string& name) {
    const std::filesystem::path path = DataDir / "expected" / name;
    const std::string actual = withStoredLineEnds(text);
    const char* update = std::getenv("RPT_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1")
        writeText(path, updated(actual, readBytes(path)));
    const std::string expected = readBytes(path);
    const std::vector<std::string> a = linesOf(actual);
    const std::vector<std::string> e = linesOf(expected);
    bool same = a.size() == e.size() && actual.ends_with('\n') == expected.ends_with('\n');
    for (std::size_t k = 0; same && k < a.size(); ++k)
        same = sameLine(a[k], e[k]);
    // On a difference, the whole texts, so that the failure shows where.
    if (!same) {
        EXPECT_EQ(actual, expected) << "golden file " << path;
    }
}

constexpr TieBreakMethod Rp = MethodRecursivePerformance;
constexpr TieBreakMethod Rb = MethodRecursiveBucholz;
constexpr Modification None = ModificationNone;
constexpr Modification Avg = ModificationRivalsAverage;

const std::string RivalsNotice = std::string("notice: ") + RivalsText;
const std::string Carried =
    "notice: The iteration of recursive performance stopped short of its solution: the results "
    "carry the direct solution of the system instead.\nRun it again with --log FILE to see the "
    "measures.";

RunRequest request(const std::string& input, std::vector<TieBreakRow> rows, bool flags = true) {
    RunRequest request;
    request.inputPath = input;
    request.rows = std::move(rows);
    request.sorted = request.headings = flags;  // sorted with headings, or neither
    return request;
}

// four_rounds.txt: ten players, at most four games each. Absent played no game but has a point
// from a bye (no value, listed first among the contestants without games); Late played one game
// (below 4 / 2 games, the second list); Lindqvist and Kowalski met the same opponents with the
// same results, so they tie in points and value and keep their crosstable order; Abercrombie's
// name is 29 characters (filling the name field with its ';'), Featherstonehaugh's is longer
// and widens its line; Novák's is UTF-8 and Smith's holds a '.' and quotes.
RunRequest simple(SimpleSorting sorting, bool headings = true) {
    RunRequest options = simpleRequest(sorting, 1400);
    options.inputPath = "four_rounds.txt";
    options.headings = headings;
    return options;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

// Each test runs in a fresh directory of its own, which is the current directory meanwhile, and
// gets the crosstables of tests/data/runs copied in, so that logs name them without a machine's
// path.
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

    RunOutcome run(const RunRequest& request, const RunOutputs& outputs = {}) {
        return runTieBreaks(request, outputs, notices, notices, log, progress);
    }
    // The run's one error box, with the name and reason it shows, then forgotten; nothing opened.
    void expectError(int code, const std::string& name, const std::string& reason = {}) {
        EXPECT_EQ(notices.events, Events{"error: " + errorMessageText(code, name, reason)});
        notices.events.clear();
    }
    static std::string inHere(const std::string& name) {
        return (std::filesystem::current_path() / name).string();
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    const TempDir dir;
    RecordingNotices notices;
    std::ostringstream log;
    PhaseReport progress;
};

const auto ByName = [](const auto& info) { return std::string(info.param.name); };

struct SimpleCase {
    const char* name;
    RunRequest request;
};

class SimpleRunGolden : public Run, public ::testing::WithParamInterface<SimpleCase> {};

// The plain results table on the screen and the log, byte for byte: two columns 17 wide with 12
// decimals, the sorting column first. The order and headings of the table change no log.
TEST_P(SimpleRunGolden, TableAndLog) {
    std::ostringstream screen;
    RunOutputs outputs;
    outputs.table = "-";
    outputs.screen = &screen;
    outputs.beep = true;
    EXPECT_EQ(run(GetParam().request, outputs), RunFinished);
    EXPECT_EQ(notices.events, Events{"beep"});
    expectGolden(screen.str(), std::string("simple_") + GetParam().name + ".txt");
    expectGolden(log.str(), "simple_by_performance.log");
}

INSTANTIATE_TEST_SUITE_P(
    Options, SimpleRunGolden,
    ::testing::Values(SimpleCase{"by_performance", simple(SimpleSortingPerformance)},
                      SimpleCase{"by_rivals_without_worst",
                                 simple(SimpleSortingRivalsWithoutWorst)},
                      SimpleCase{"unsorted_without_headings", simple(SimpleSortingNone, false)}),
    ByName);

struct GoldenCase {
    const char* name;
    std::vector<TieBreakRow> rows;
    // The stored log, when another case's: order and headings change none.
    const char* log = nullptr;
    bool sortAndHeadings = true;
};

class AdvancedRunGolden : public Run, public ::testing::WithParamInterface<GoldenCase> {};

// four_rounds.txt as in the simple run's tests: at most four games, so no row takes out four or
// more rivals here. The .csv (decimal ',' and list ';') lies beside the input and is opened.
// Rows share their method's values: "rp" and "rp:avg" both start from one computation, and the
// performance block of the log comes before the Buchholz block whatever the row order.
TEST_P(AdvancedRunGolden, CsvAndLog) {
    const GoldenCase& row = GetParam();
    notices.localeSeparators = {',', ';'};
    EXPECT_EQ(run(request("four_rounds.txt", row.rows, row.sortAndHeadings)), RunFinished);
    EXPECT_EQ(notices.events, Events{"open: four_rounds.csv"});
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
                   false},
        GoldenCase{"bucholz_only", {{Rb, None, 0, 0}, {Rb, Avg, 1, 0}}}),
    ByName);

// worked_example.txt: A beat B and nothing else was played. The iteration swaps the two values
// with every sweep (x_A' = x_B + 800, x_B' = x_A - 800, from 2000 and 1400), so it stops at its
// limit, and both measures are far above the tolerance: the results carry the direct solution,
// and one notice says so. Worst 1 plus best 0 reaches the one round played: the rivals check is
// met. The beep comes last. The phases come in order, as a progress window shows them.
TEST_F(Run, AdvancedLimitWarningsRivalsCheckBeepAndPhases) {
    std::filesystem::copy_file(RPT_TEST_DATA_DIR "/worked_example.txt", "worked_example.txt");
    std::vector<std::string> phases;
    progress = [&](std::string_view phase) {
        phases.emplace_back(phase);
        return true;
    };
    RunOutputs outputs;
    outputs.beep = true;
    EXPECT_EQ(run(request("worked_example.txt", {{Rp, Avg, 1, 0}}), outputs), RunFinished);
    EXPECT_EQ(notices.events, (Events{Carried, RivalsNotice, "open: worked_example.csv", "beep"}));
    expectGolden(log.str(), "advanced_worked_example.log");
    EXPECT_EQ(phases,
              (std::vector<std::string>{"Reading the file", "Iterating recursive performance",
                                        "Solving the system of recursive performance directly",
                                        "Writing the results"}));
}

// The user cancels as the results are about to be written: nothing is written, opened or shown.
TEST_F(Run, ACancelledRunWritesNothing) {
    progress = [](std::string_view phase) { return phase != PhaseWriting; };
    EXPECT_EQ(run(request("four_rounds.txt", {{Rp, None, 0, 0}})), RunCancelled);
    EXPECT_EQ(notices.events, Events{});
    EXPECT_FALSE(std::filesystem::exists("four_rounds.csv"));
}

// Two players, one draw, equal ratings: the first sweep already meets the test. The log gives
// that count, and no warning comes.
TEST_F(Run, AFieldThatConvergesAtOnceLogsItsSweeps) {
    writeText("draw.txt", "T\nNo.;Name;Rtg;1.Rd.;;;x\n1;A;2000;2;w;x;\n2;B;2000;1;s;x;\n");
    EXPECT_EQ(run(request("draw.txt", {{Rp, None, 0, 0}, {Rb, None, 0, 0}})), RunFinished);
    EXPECT_EQ(count(log.str(), "\nNumber of iterations of Recursive Performance: 0\n"), 1u);
    EXPECT_EQ(count(log.str(), "\nNumber of iterations of Recursive Buchholz: 0\n"), 1u);
    EXPECT_EQ(notices.events, Events{"open: draw.csv"});
}

// Nobody played: maxGamesPlayed is 0, so the check is met with every count 0. A .csv input keeps
// its content: the results get a name of their own beside it, and the log says which. When no
// program can open them, a notice tells where they are.
TEST_F(Run, AdvancedTournamentWithoutGamesMeetsTheRivalsCheck) {
    std::filesystem::copy_file("no_games.txt", "no_games.csv");
    notices.opens = false;
    EXPECT_EQ(run(request("no_games.csv", {{Rb, Avg, 0, 0}})), RunFinished);
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
TEST_F(Run, ExactSolutionSatisfiesTheSystemWhereTheIterationStops) {
    RunRequest exact = request("team_match.txt", {{Rp, None, 0, 0}}, false);
    exact.solve = SolveExact;
    TournamentTable table;
    ASSERT_EQ(readTournament(table, "team_match.txt", 1400), 0);
    const TournamentTable copy = table;
    RunResult result;
    ASSERT_EQ(analyse(std::move(table), exact, {}, result), 0);
    EXPECT_FALSE(result.methods[0].iteration.converged);
    EXPECT_EQ(result.methods[0].direct, DirectAsked);
    const std::vector<double>& values = result.rows[0].values;
    std::vector<double> stepped(values.size());
    ASSERT_EQ(performanceStep(copy, stepped, ratingDifference, values), StatusOk);
    double level = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        stepped[i] -= values[i];
        level += copy.gamesPlayed()[i] * (values[i] - copy.ratings()[i]);
    }
    EXPECT_LT(weightedNorm(copy, stepped), 1e-10);
    EXPECT_LT(std::fabs(level), 1e-9);
    EXPECT_EQ(run(exact), RunFinished);
    for (const char* line :
         {"\nMaximum number of iterations of Recursive Performance surpassed\n",
          "\nValues of Recursive Performance: the direct solution of the system\n"})
        EXPECT_EQ(count(log.str(), line), 1u) << line;
}

// The Irish team league: three groups of players who never met one another, of 155, 3 and 2. Each
// is a tournament of its own: the log and one notice say so, and each group's values satisfy its
// system and keep its level of ratings. The small groups' games are two-coloured, so the
// iteration stops at its limit and the rows carry the direct solution, which satisfies the system
// to round-off.
TEST_F(Run, GroupsThatNeverMetAreEachATournamentOfTheirOwn) {
    const std::string input =
        RPT_TEST_DATA_DIR "/trf/ireland-lcu-armstrong-cup-2010-11-team-league-160p-11r.trf";
    TournamentTable table;
    ASSERT_EQ(readTournament(table, input, 1400), 0);
    const TournamentTable copy = table;
    RunResult result;
    ASSERT_EQ(analyse(std::move(table), request(input, {{Rp, None, 0, 0}}), {}, result), 0);
    EXPECT_EQ(result.groups.sizes, (std::vector<std::uint32_t>{155, 3, 2}));
    EXPECT_EQ(result.notices, (std::vector<RunNotice>{NoticeConvergence, NoticeGroups}));
    EXPECT_EQ(result.methods[0].direct, DirectAtLimit);
    EXPECT_LT(result.methods[0].directResidual, 1e-9);
    const std::vector<double>& values = result.rows[0].values;
    std::vector<double> stepped(values.size());
    ASSERT_EQ(performanceStep(copy, stepped, ratingDifference, values, &result.groups), StatusOk);
    std::vector<double> levels(3, 0.0);
    for (std::uint32_t i = 0; i < copy.playerCount(); ++i) {
        if (copy.gamesPlayed()[i] == 0) continue;
        EXPECT_NEAR(stepped[i], values[i], 1e-10) << i;
        levels[static_cast<std::size_t>(result.groups.groupOf[i])] +=
            copy.gamesPlayed()[i] * (values[i] - copy.ratings()[i]);
    }
    for (const double level : levels)
        EXPECT_NEAR(level, 0.0, 1e-7);
    RunOutputs outputs;
    outputs.table = "league.csv";
    EXPECT_EQ(run(request(input, {{Rp, None, 0, 0}}), outputs), RunFinished);
    EXPECT_EQ(count(log.str(),
                    "Groups of players who never met the others: 3, of 155, 3 and 2 "
                    "players; each is solved as a tournament of its own\n"),
              1u);
    EXPECT_EQ(count(notices.events.at(1), "The players form 3 groups"), 1u);
}

// FIDE's tie-breaks rank by their chain: the round robin's three players on 3.5 points have equal
// Buchholz, so direct encounter places them among themselves (Alyx first, the other two sharing
// second and third), and those on 1.5 apart from the first three. The table shows the shared place.
TEST_F(Run, AChainOfFideTieBreaksRanksAndSharesPlaces) {
    const std::string input = RPT_TEST_DATA_DIR "/trf/held_round_robin.trf";
    TieBreakRow buchholz, encounter;
    buchholz.fide = FideTieBreak{FideBh};
    encounter.fide = FideTieBreak{FideDe};
    RunOutputs outputs;
    std::ostringstream screen;
    outputs.table = "-";
    outputs.screen = &screen;
    EXPECT_EQ(run(request(input, {buchholz, encounter}), outputs), RunFinished);
    EXPECT_EQ(
        linesOf(screen.str()),
        (std::vector<std::string>{
            "   RANK;NAME;                         PTS;                BH;                DE",
            "      1;Alyx;                         3.5;               11.5;                 1",
            "    2-3;Bruno;                        3.5;               11.5;                 2",
            "    2-3;Charline;                     3.5;               11.5;                 2",
            "      4;Helene;                       1.5;               13.5;                 1",
            "      5;Franck;                       1.5;               13.5;                 2",
            "      6;David;                        1.5;               13.5;                 3"}));
    EXPECT_EQ(count(log.str(), "\nFIDE tie-breaks under the 2026 rules: BH, DE\n"), 1u);
}

// A failure after the reading: one box with its code and name, the log as far as the run came,
// and nothing opened. A .csv that cannot be created blames its folder when the folder is
// missing, else the file.
TEST_F(Run, FailuresAfterTheReading) {
    EXPECT_EQ(run(request("four_rounds.txt", {})), RunFailed);
    expectError(ErrorNoTieBreak, "four_rounds.txt");
    RunOutputs outputs;
    outputs.table = "nowhere/x.csv";
    EXPECT_EQ(run(request("four_rounds.txt", {{Rp, None, 0, 0}}), outputs), RunFailed);
    expectError(ErrorCannotWriteFolder, inHere("nowhere"));
    std::filesystem::create_directory("taken.csv");
    outputs.table = "taken.csv";
    EXPECT_EQ(run(request("four_rounds.txt", {{Rp, None, 0, 0}}), outputs), RunFailed);
    expectError(ErrorCannotCreateOutput, "taken.csv");
    EXPECT_EQ(count(log.str(), "Executing methods"), 2u);
    EXPECT_EQ(count(log.str(), "\nOutput file: nowhere/x.csv\n"), 1u);
    EXPECT_EQ(count(log.str(), "Contestants"), 0u);
}

// A refused input: the reader's reason in the box, nothing written. The simple run logs it as
// unsuitable whatever the reason; the advanced run only for a file that cannot be read or is
// refused for its content (an empty file field arrives as "<none>").
TEST_F(Run, RejectedInput) {
    const std::string reason = "line 3: no player line follows the header";
    writeText("header_last.txt", "Title\nTitle\nNo.;Name;Rtg;1.Rd.;;;x\n");
    RunRequest options = simple(SimpleSortingPerformance);
    options.inputPath = "header_last.txt";
    EXPECT_EQ(run(options), RunFailed);
    expectError(ErrorUnsuitableFile, "header_last.txt", reason);
    EXPECT_EQ(log.str(), "Unsuitable input file\n" + reason + "\n");
    log.str("");
    EXPECT_EQ(run(request("<none>", {{Rp, None, 0, 0}})), RunFailed);
    expectError(ErrorCannotOpenFile, "<none>", "the file cannot be read");
    EXPECT_EQ(log.str(), "Unsuitable input file.\nthe file cannot be read\n");
    EXPECT_FALSE(std::filesystem::exists("header_last.csv"));
}

// The benchmarks' open of 300 players and 9 rounds: its .csv and its log held to the stored
// output of the element-by-element decomposition, the log's distances to round-off.
TEST_F(Run, BenchmarkOpenMatchesTheUnoptimisedRun) {
    ASSERT_TRUE(writeCrosstable({.players = 300, .rounds = 9}, "open.txt"));
    const std::vector<TieBreakRow> rows{
        {Rp, None, 0, 0}, {Rp, Avg, 1, 1}, {Rb, None, 0, 0}, {Rb, Avg, 1, 1}};
    ASSERT_EQ(run(request("open.txt", rows)), RunFinished);
    expectGolden(readBytes("open.csv"), "benchmark_open_300_9.csv");
    expectGolden(log.str(), "benchmark_open_300_9.log");
}

// One player with games more than the decomposition takes: both methods are checked with the
// sparse solver, within 0.00001. Recursive performance takes all 500 sweeps, a residual just
// above the iteration's tolerance: its rows carry the sparse solver's solution, and one notice
// says so.
TEST_F(Run, AboveTheDecompositionsLimitTheSparseSolverChecks) {
    ASSERT_TRUE(writeCrosstable({.players = MaxDecompositionPlayers + 1, .rounds = 5, .seed = 11},
                                "open.txt"));
    ASSERT_EQ(run(request("open.txt", {{Rp, None, 0, 0}, {Rb, Avg, 1, 0}})), RunFinished);
    EXPECT_EQ(notices.events, (Events{Carried, "open: open.csv"}));
    EXPECT_EQ(count(log.str(), " iterations of conjugate gradients\n"), 2u);
    EXPECT_EQ(count(log.str(),
                    "\nValues of Recursive Performance: the direct solution of the "
                    "system (the iteration stopped at its limit)\n"),
              1u);
    EXPECT_EQ(count(log.str(), "\nError between recursive method and sparse solver: "), 2u);
    EXPECT_EQ(count(log.str(), "SVD method"), 0u);
    EXPECT_EQ(count(readBytes("open.csv"), "\n"), MaxDecompositionPlayers + 2u);
}

// The .csv field by field: names as read, a field quoted where it holds the list separator, a
// quote or a line end (its quotes doubled), numbers with the locale's decimal separator, and a
// byte-order mark before UTF-8 names but none before Latin-1 ones or plain ASCII.
TEST_F(Run, SpreadsheetFieldsKeepTheNamesAndTakeTheLocalesNumbers) {
    const std::string pad15(15, ' '), pad22(22, ' '), pad16(16, ' '), pad19(19, ' ');
    const std::tuple<Separators, std::string, std::string> cases[] = {
        {{',', ';'}, "Herrera, C. A.", "Herrera, C. A.;" + pad15 + "1,0;  "},
        {{'.', ','}, "Herrera, C. A.", "\"Herrera, C. A.\"," + pad15 + "1.0,  "},
        {{'.', ','},
         "D\xC4\x85 \"Zo\"",
         "\xEF\xBB\xBF\"D\xC4\x85 \"\"Zo\"\"\"," + pad22 + "1.0,  "},
        {{',', ';'}, "Bergstr\xF6m; B.", "\"Bergstr\xF6m; B.\";" + pad16 + "1,0;  "},
        {{',', ','}, "Line\nbreak", "\"Line\nbreak\",\"" + pad19 + "1,0\",\"  "},
    };
    for (const auto& [separators, name, line] : cases) {
        TournamentTable table;
        ASSERT_EQ(table.allocate(2), StatusOk);
        ASSERT_EQ(table.setName(0, name), StatusOk);
        ASSERT_EQ(table.recordRound(0, 1, ResultWin), StatusOk);
        ASSERT_EQ(table.recordRound(1, 0, ResultLoss), StatusOk);
        RunRequest plain = request("t.txt", {{Rb, None, 0, 0}}, false);
        RunResult result;
        ASSERT_EQ(analyse(std::move(table), plain, {}, result), 0);
        std::ostringstream out;
        writeSpreadsheet(out, result, separators);
        EXPECT_TRUE(out.str().starts_with(line)) << out.str();
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
