#include "runs/simple_run.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/runs/run_fixture.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;

// four_rounds.txt: ten players, at most four games each. Absent played no game but has a point
// from a bye (no value, listed first among the contestants without games); Late played one game
// (below 4 / 2 games, the second list); Lindqvist and Kowalski met the same opponents with the
// same results, so they tie in points and value and keep their crosstable order; Abercrombie's
// name is 29 characters (filling the name field with its ';'), Featherstonehaugh's is longer
// and widens its line.
SimpleRunOptions optionsFor(SimpleSorting sorting, std::array<int, MethodSlotCount> masks = {},
                            int sortMethod = 0, int sortVariant = 0, int dropWorst = 1,
                            int dropBest = 0) {
    SimpleRunOptions options = simpleRunOptions(sorting, 1400);
    options.inputPath = "four_rounds.txt";
    if (masks != std::array<int, MethodSlotCount>{}) {
        options.methodVariants = masks;
        options.sortMethod = sortMethod;
        options.sortVariant = sortVariant;
        options.dropWorst = dropWorst;
        options.dropBest = dropBest;
    }
    return options;
}

SimpleRunOptions unsortedWithoutHeadings() {
    SimpleRunOptions options = optionsFor(SimpleSortingPerformance);
    options.sortRows = 2;
    options.writeHeadings = 0;
    return options;
}

struct SimpleCase {
    const char* name;
    SimpleRunOptions options;
    const char* log = "by_performance";  // the order and headings of the table change no log
};

class SimpleRunGolden : public RunFixture, public ::testing::WithParamInterface<SimpleCase> {};

// The results table and the log, byte for byte. Column widths: two columns are 17 wide with 12
// decimals, four 9 with 4 (43 / 4 - 1), five 7 with 2 (43 / 5 - 1 = 7).
TEST_P(SimpleRunGolden, TableAndLog) {
    SimpleRunOptions options = GetParam().options;
    std::ostringstream table;
    std::ostringstream log;
    options.plainTable = &table;
    EXPECT_EQ(runSimple(notices, notices, options, log), RunFinished);
    EXPECT_EQ(notices.events, Events{"beep"});
    expectGolden(table.str(), std::string("simple_") + GetParam().name + ".txt");
    expectGolden(log.str(), std::string("simple_") + GetParam().log + ".log");
}

INSTANTIATE_TEST_SUITE_P(
    Options, SimpleRunGolden,
    ::testing::Values(
        SimpleCase{"by_performance", optionsFor(SimpleSortingPerformance)},
        SimpleCase{"by_rivals_without_worst", optionsFor(SimpleSortingRivalsWithoutWorst)},
        SimpleCase{"crosstable_order", optionsFor(SimpleSortingNone)},
        SimpleCase{"unsorted_without_headings", unsortedWithoutHeadings()},
        SimpleCase{"all_four_slots", optionsFor(SimpleSortingPerformance, {1, 1, 1, 1}, 2, 1),
                   "all_four_slots"},
        SimpleCase{"five_variants",
                   optionsFor(SimpleSortingPerformance, {1 | 2 | 4, 0, 8 | 16, 0}, 2, 16, 2, 1),
                   "five_variants"}),
    RowName{});

struct FailureCase {
    const char* name;
    SimpleRunOptions options;
    std::string error;
    std::string log;    // the whole log, or a line of it once the input was read
    const char* table;  // a label of the table left behind, or "" for none
};

SimpleRunOptions withInput(const char* input, const char* intermediate = "output_aux_rp.txt") {
    SimpleRunOptions options = optionsFor(SimpleSortingPerformance);
    options.inputPath = input;
    options.intermediatePath = intermediate;
    return options;
}

class SimpleRunFailure : public RunFixture, public ::testing::WithParamInterface<FailureCase> {};

// One error box with its code and name; a rejected input leaves one log line, a run that read
// its input the whole log. Nothing is opened and nothing beeps.
TEST_P(SimpleRunFailure, ShowsOneErrorBox) {
    const FailureCase& row = GetParam();
    writeText("header_last.txt", "Title\nTitle\nNo.;Name;Rtg;1.Rd.;;;x\n");
    std::ostringstream log;
    EXPECT_EQ(runSimple(notices, notices, row.options, log), RunFailed);
    std::string error = row.error;  // "<dir>/" stands for the test's directory
    if (const std::size_t at = error.find("<dir>/"); at != std::string::npos)
        error.replace(at, 6, (std::filesystem::current_path() / "").string());
    EXPECT_EQ(notices.events, Events{"error: " + error});
    if (log.str().rfind("Unsuitable", 0) == 0) {
        EXPECT_EQ(log.str(), row.log);
    } else {
        EXPECT_NE(log.str().find(row.log), std::string::npos) << log.str();
        EXPECT_NE(log.str().find("\nContestants that played less than half"), std::string::npos);
    }
    EXPECT_EQ(log.str().find("Bucholz"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("four_rounds.csv"));
    if (*row.table == '\0') {
        EXPECT_FALSE(std::filesystem::exists("output_aux_rp.txt"));
    } else {
        EXPECT_NE(readBytes("output_aux_rp.txt").find(row.table), std::string::npos);
    }
}

// The engine knows no modification for the (P) variant: the run stops computing there (so the
// Bucholz slot after it is never computed) and still writes the table with the column it could
// not fill.
INSTANTIATE_TEST_SUITE_P(
    Causes, SimpleRunFailure,
    ::testing::Values(
        FailureCase{"NoPlayerLine", withInput("header_last.txt"),
                    "Unknown error: -3.\nline 3: no player line follows the header",
                    "Unsuitable input file\nline 3: no player line follows the header\n", ""},
        FailureCase{"TableCannotBeWritten", withInput("four_rounds.txt", "nowhere/table.txt"),
                    "It was not possible to write in the folder\n<dir>/nowhere\nCheck that "
                    "files may be created there.",
                    "\nOutput file: nowhere/table.txt\n", ""},
        FailureCase{"UnknownVariant",
                    optionsFor(SimpleSortingPerformance, {1 | 4 | 32, 0, 1, 0}, 0, 1),
                    "Unknown error: -3.", "\nOutput file: output_aux_rp.txt\n", "RP(P)"}),
    RowName{});

}  // namespace
}  // namespace tiebreak
