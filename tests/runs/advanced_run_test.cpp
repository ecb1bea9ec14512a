#include "runs/advanced_run.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_codes.h"
#include "engine/tie_break.h"
#include "runs/run_codes.h"
#include "tests/runs/run_fixture.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;

constexpr int Rp = MethodRecursivePerformance;
constexpr int Rb = MethodRecursiveBucholz;
constexpr int None = ModificationNone;
constexpr int Avg = ModificationRivalsAverage;
constexpr int Unused = RowUnused;

const std::string RivalsNotice =
    "notice: \nOne of the tie-breaks cannot be calculated because\nmore rivals than rounds were "
    "taken out.";
const std::string NonConvergenceNotice =
    "notice: Possible non converge of the method.\nCheck rp.log in the root directory to find "
    "out about the problem.";

struct Row {
    int method;
    int modification;
    int worst;
    int best;
};

AdvancedRunOptions optionsFor(const std::string& input, std::vector<Row> rows, int sort = 1,
                              int headings = 1) {
    AdvancedRunOptions options;
    options.inputPath = input;
    options.method.fill(Unused);
    options.modification.fill(Unused);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        options.method[row] = rows[row].method;
        options.modification[row] = rows[row].modification;
        options.worst[row] = rows[row].worst;
        options.best[row] = rows[row].best;
    }
    options.sort = sort;
    options.eloForUnrated = 1400;
    options.headings = headings;
    return options;
}

class AdvancedRunBase : public RunFixture {
protected:
    // Reads the input as the driver does and runs; the log collects what the run writes.
    RunOutcome run(const AdvancedRunOptions& options) {
        TournamentTable table;
        std::string reason;
        const int read = readTournament(table, options.inputPath, options.eloForUnrated, &reason);
        return runAdvancedAnalysis(notices, notices, options, log, table, read, reason);
    }
    std::ostringstream log;
};

struct GoldenCase {
    const char* name;
    std::vector<Row> rows;
    int sort;
    int headings;
    const char* log;  // the stored log: the order and headings of the table change none
};

class AdvancedRunGolden : public AdvancedRunBase,
                          public ::testing::WithParamInterface<GoldenCase> {};

// four_rounds.txt as in the simple run's tests: at most four games, so no row takes out four or
// more rivals here. The .csv (decimal ',' and list ';') lies beside the input, the intermediate
// table is gone, and the .csv is opened.
TEST_P(AdvancedRunGolden, CsvAndLog) {
    const GoldenCase& row = GetParam();
    notices.localeSeparators = {',', ';'};
    EXPECT_EQ(run(optionsFor("four_rounds.txt", row.rows, row.sort, row.headings)), RunFinished);
    EXPECT_EQ(notices.events, Events{"open: four_rounds.csv"});
    EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
    expectGolden(readBytes("four_rounds.csv"), std::string("advanced_") + row.name + ".csv");
    expectGolden(log.str(), std::string("advanced_") + row.log + ".log");
}

// Rows share their method's values: "rp" and "rp:avg" both start from one computation, and the
// performance block of the log comes before the Bucholz block whatever the row order.
INSTANTIATE_TEST_SUITE_P(
    Rows, AdvancedRunGolden,
    ::testing::Values(GoldenCase{"one_row", {{Rp, None, 1, 0}}, 1, 1, "one_row"},
                      GoldenCase{"bucholz_first",
                                 {{Rb, None, 0, 0}, {Rp, Avg, 2, 1}, {Rb, Avg, 0, 0}},
                                 1,
                                 1,
                                 "bucholz_first"},
                      GoldenCase{
                          "four_rows_unsorted_without_headings",
                          {{Rb, Avg, 1, 1}, {Rp, None, 0, 0}, {Rb, None, 0, 0}, {Rp, Avg, 3, 0}},
                          0,
                          0,
                          "bucholz_first"},
                      GoldenCase{"bucholz_only_rows_two_and_four",
                                 {{Rb, None, 0, 0}, {Unused, Unused, 0, 0}, {Rb, Avg, 1, 0}},
                                 1,
                                 1,
                                 "bucholz_only_rows_two_and_four"}),
    RowName{});

class AdvancedRun : public AdvancedRunBase {};

TEST_F(AdvancedRun, PlainTableToAStreamOpensNothing) {
    AdvancedRunOptions options = optionsFor("four_rounds.txt", {{Rp, None, 0, 0}});
    std::ostringstream table;
    options.plainTable = &table;
    EXPECT_EQ(run(options), RunFinished);
    EXPECT_EQ(notices.events, Events{});
    EXPECT_FALSE(std::filesystem::exists("four_rounds.csv"));
    EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
    expectGolden(table.str(), "advanced_one_row.txt");
}

// worked_example.txt: A beat B and nothing else was played. The iteration swaps the two values
// with every sweep (x_A' = x_B + 800, x_B' = x_A - 800, from 2000 and 1400), so it stops at its
// limit, and both measures are far above the tolerance: two warnings, one per measure, and the
// run goes on. Worst 1 plus best 0 reaches the one round played: the rivals check is met. The
// beep comes last.
TEST_F(AdvancedRun, LimitWarningsRivalsCheckAndBeep) {
    std::filesystem::copy_file(RPT_TEST_DATA_DIR "/worked_example.txt", "worked_example.txt");
    AdvancedRunOptions options = optionsFor("worked_example.txt", {{Rp, None, 1, 0}});
    options.beep = 1;
    EXPECT_EQ(run(options), RunFinished);
    EXPECT_EQ(notices.events, (Events{NonConvergenceNotice, NonConvergenceNotice, RivalsNotice,
                                      "open: worked_example.csv", "beep"}));
    expectGolden(log.str(), "advanced_worked_example.log");
}

// team_match.txt: two teams of four, each player meeting the other team's four. The meetings are
// two-coloured, so the iteration stops at its limit far from the system's solution; with the
// exact solution the table carries values that satisfy the system to round-off (the table's 12
// decimals), with the ratings' games-weighted level, and the log says so.
TEST_F(AdvancedRun, ExactSolutionSatisfiesTheSystemWhereTheIterationStops) {
    AdvancedRunOptions options = optionsFor("team_match.txt", {{Rp, None, 0, 0}}, 0, 0);
    options.exactSolution = true;
    std::ostringstream plain;
    options.plainTable = &plain;
    EXPECT_EQ(run(options), RunFinished);
    EXPECT_NE(log.str().find("\nMaximum number of iterations of Recursive Performance surpassed\n"),
              std::string::npos);
    EXPECT_NE(log.str().find("\nValues of Recursive Performance: the direct solution of the "
                             "system\n"),
              std::string::npos);

    TournamentTable table;
    ASSERT_EQ(readTournament(table, "team_match.txt", 1400), 0);
    std::vector<double> values;
    std::istringstream rows(plain.str());
    for (std::string row; std::getline(rows, row);)
        values.push_back(std::stod(row.substr(row.rfind(';') + 1)));
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

// Nobody played: maxGamesPlayed is 0, so the check is met with every count 0.
TEST_F(AdvancedRun, TournamentWithoutGamesMeetsTheRivalsCheck) {
    EXPECT_EQ(run(optionsFor("no_games.txt", {{Rb, Avg, 0, 0}})), RunFinished);
    EXPECT_EQ(notices.events, (Events{RivalsNotice, "open: no_games.csv"}));
    expectGolden(readBytes("no_games.csv"), "advanced_no_games.csv");
    expectGolden(log.str(), "advanced_no_games.log");
}

// The phases, in order, as a progress window would show them.
TEST_F(AdvancedRun, TellsItsPhases) {
    AdvancedRunOptions options = optionsFor("four_rounds.txt", {{Rp, None, 0, 0}, {Rb, Avg, 1, 0}});
    std::vector<std::string> phases;
    options.progress = [&](std::string_view phase) { phases.emplace_back(phase); };
    EXPECT_EQ(run(options), RunFinished);
    EXPECT_EQ(phases, (std::vector<std::string>{
                          "Iterating recursive performance", "Cross-check by decomposition",
                          "Iterating recursive Bucholz", "Cross-check by decomposition",
                          "Writing the results"}));
}

// A .csv input keeps its content: the results get a name of their own beside it, and the log
// says which. When no program can open them, a notice tells where they are.
TEST_F(AdvancedRun, CsvInputIsKeptAndTheResultsAreFound) {
    std::filesystem::copy_file("four_rounds.txt", "tourney.csv");
    const std::string input = readBytes("tourney.csv");
    notices.opens = false;
    EXPECT_EQ(run(optionsFor("tourney.csv", {{Rp, None, 0, 0}})), RunFinished);
    EXPECT_EQ(readBytes("tourney.csv"), input);
    EXPECT_NE(readBytes("tourney-tiebreaks.csv"), "(missing)");
    EXPECT_NE(log.str().find("Results file: tourney-tiebreaks.csv"), std::string::npos);
    const std::string full = (std::filesystem::current_path() / "tourney-tiebreaks.csv").string();
    EXPECT_EQ(notices.events, (Events{"open: tourney-tiebreaks.csv",
                                      "notice: The results were written to\n" + full +
                                          "\nbut no program could be started to open them."}));
}

struct FailureCase {
    const char* name;
    AdvancedRunOptions options;
    std::string error;
    std::string log;  // the whole log, or a line of it once the methods ran
};

AdvancedRunOptions withPaths(const char* intermediate, const char* csv) {
    AdvancedRunOptions options = optionsFor("four_rounds.txt", {{Rp, None, 0, 0}});
    options.intermediatePath = intermediate;
    options.csvPath = csv;
    return options;
}

const std::string CannotOpen = "error: It was not possible to open file\n";
const std::string SwissManager =
    "\nCheck whether this file is a valid file generated by Swiss Manager.\n";

class AdvancedRunFailure : public AdvancedRunBase,
                           public ::testing::WithParamInterface<FailureCase> {};

// One error box with its code and name, the log as far as the run came, nothing opened and no
// intermediate table left once the conversion has run.
TEST_P(AdvancedRunFailure, ShowsOneErrorBox) {
    const FailureCase& row = GetParam();
    writeText("header_last.txt", "Title\nTitle\nNo.;Name;Rtg;1.Rd.;;;x\n");
    EXPECT_EQ(run(row.options), RunFailed);
    std::string error = row.error;  // "<dir>/" stands for the test's directory
    if (const std::size_t at = error.find("<dir>/"); at != std::string::npos)
        error.replace(at, 6, (std::filesystem::current_path() / "").string());
    EXPECT_EQ(notices.events, Events{error});
    const std::string written = log.str();
    if (written.find("Executing methods") == std::string::npos) {
        EXPECT_EQ(written, row.log);
    } else {
        EXPECT_NE(written.find(row.log), std::string::npos) << written;
        EXPECT_EQ(written.find("Contestants"), std::string::npos) << written;
    }
    EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Causes, AdvancedRunFailure,
    ::testing::Values(
        FailureCase{"EmptyInputField", optionsFor("<none>", {{Rp, None, 0, 0}}),
                    CannotOpen + "<none>" + SwissManager + "the file cannot be read",
                    "Unsuitable input file.\nthe file cannot be read\n"},
        FailureCase{"NoPlayerLine", optionsFor("header_last.txt", {{Rp, None, 0, 0}}),
                    "error: Unknown error: -3.\nline 3: no player line follows the header", ""},
        FailureCase{"FirstRowUnused", optionsFor("four_rounds.txt", {{Unused, Unused, 0, 0}}),
                    "error: Unknown error: -3.", ""},
        // The folder is to blame, not the input.
        FailureCase{"TableCannotBeWritten", withPaths("nowhere/aux.txt", ""),
                    "error: It was not possible to write in the folder\n<dir>/nowhere\nCheck "
                    "that files may be created there.",
                    "\nOutput file: nowhere/aux.txt\n"},
        FailureCase{"CsvCannotBeCreated", withPaths("output_aux_rp.txt", "nowhere/x.csv"),
                    "error: It was not possible to generate an output file. Check that "
                    "file\nnowhere/x.csv\nhas not been opened with another application.",
                    "\nOutput file: output_aux_rp.txt\n"}),
    RowName{});

}  // namespace
}  // namespace tiebreak
