#include "runs/simple_run.h"

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/runs/run_fixture.h"
#include "tournament/status_codes.h"

namespace tiebreak {
namespace {

// four_rounds.txt: ten players, at most four games each. Absent played no game but has a point
// from a bye (no value, listed first among the contestants without games); Late played one game
// (below 4 / 2 games, the second list); Lindqvist and Kowalski met the same opponents with the
// same results, so they tie in points and value and keep their crosstable order; Abercrombie's
// name is 29 characters (filling the name field with its ';'), Featherstonehaugh's is longer
// and widens its line.
constexpr const char* Input = "four_rounds.txt";
constexpr const char* Output = "output_aux_rp.txt";

SimpleRunOptions withColumns(std::array<int, MethodSlotCount> masks, int sortMethod,
                             int sortVariant, int dropWorst, int dropBest) {
    SimpleRunOptions options = simpleRunOptions(SimpleSortingPerformance, 1400);
    options.methodVariants = masks;
    options.sortMethod = sortMethod;
    options.sortVariant = sortVariant;
    options.dropWorst = dropWorst;
    options.dropBest = dropBest;
    return options;
}

struct SimpleCase {
    const char* name;
    SimpleRunOptions options;
    const char* log = "by_performance";  // the order and headings of the table change no log
};

SimpleRunOptions unsortedWithoutHeadings() {
    SimpleRunOptions options = simpleRunOptions(SimpleSortingPerformance, 1400);
    options.sortRows = 2;
    options.writeHeadings = 0;
    return options;
}

class SimpleRunGolden : public RunFixture, public ::testing::WithParamInterface<SimpleCase> {};

// The results table and the log, byte for byte. Column widths: two columns are 17 wide with 12
// decimals, four 9 with 4 (43 / 4 - 1), five 7 with 2 (43 / 5 - 1 = 7).
TEST_P(SimpleRunGolden, TableAndLog) {
    std::ostringstream log;
    EXPECT_EQ(runSimple(Input, Output, GetParam().options, log), 0);
    expectGolden(readBytes(Output), std::string("simple_") + GetParam().name + ".txt");
    expectGolden(log.str(), std::string("simple_") + GetParam().log + ".log");
}

INSTANTIATE_TEST_SUITE_P(
    Options, SimpleRunGolden,
    ::testing::Values(
        SimpleCase{"by_performance", simpleRunOptions(SimpleSortingPerformance, 1400)},
        SimpleCase{"by_rivals_without_worst",
                   simpleRunOptions(SimpleSortingRivalsWithoutWorst, 1400)},
        SimpleCase{"crosstable_order", simpleRunOptions(SimpleSortingNone, 1400)},
        SimpleCase{"unsorted_without_headings", unsortedWithoutHeadings()},
        SimpleCase{"all_four_slots", withColumns({1, 1, 1, 1}, 2, 1, 1, 0), "all_four_slots"},
        SimpleCase{"five_variants", withColumns({1 | 2 | 4, 0, 8 | 16, 0}, 2, 16, 2, 1),
                   "five_variants"}),
    RowName{});

class SimpleRun : public RunFixture {};

TEST_F(SimpleRun, ScreenOutputIsTheSameTable) {
    std::ostringstream log;
    ::testing::internal::CaptureStdout();
    const int ran =
        runSimple(Input, "-screen", simpleRunOptions(SimpleSortingPerformance, 1400), log);
    const std::string screen = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(ran, 0);
    expectGolden(screen, "simple_by_performance.txt");
}

TEST_F(SimpleRun, LogIsAppendedToTheFileAndALostLogDoesNotStopTheRun) {
    const SimpleRunOptions options = simpleRunOptions(SimpleSortingPerformance, 1400);
    writeText("rp.log", "options header\n");
    EXPECT_EQ(runSimple(Input, Output, options, std::string("rp.log")), 0);
    expectGolden(readBytes("rp.log").substr(15), "simple_by_performance.log");
    EXPECT_EQ(readBytes("rp.log").substr(0, 15), "options header\n");

    std::filesystem::remove(Output);
    EXPECT_EQ(runSimple(Input, Output, options, std::string("nowhere/rp.log")), 0);
    EXPECT_TRUE(std::filesystem::exists(Output));
}

struct FailureCase {
    const char* name;
    const char* input;
    const char* output;
    int result;
    const char* reason;  // nullptr: the input was read and the log is complete
};

class SimpleRunFailure : public RunFixture, public ::testing::WithParamInterface<FailureCase> {};

// A rejected input leaves one log line and no table; a table that cannot be written still gets
// the whole log.
TEST_P(SimpleRunFailure, ReturnsTheCodeWithItsLog) {
    const FailureCase& row = GetParam();
    writeText("header_last.txt", "Title\nTitle\nNo.;Name;Rtg;1.Rd.;;;x\n");
    std::ostringstream log;
    std::string reason;
    EXPECT_EQ(runSimple(row.input, row.output, simpleRunOptions(SimpleSortingPerformance, 1400),
                        log, {}, &reason),
              row.result);
    EXPECT_FALSE(std::filesystem::exists(Output));
    if (row.reason == nullptr) {
        EXPECT_NE(log.str().find("\nOutput file: nowhere/table.txt\n"), std::string::npos);
        EXPECT_NE(log.str().find("\nContestants that played less than half"), std::string::npos);
    } else {
        EXPECT_EQ(reason, row.reason);
        EXPECT_EQ(log.str(), "Unsuitable input file\n" + reason + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, SimpleRunFailure,
    ::testing::Values(FailureCase{"NoPlayerLine", "header_last.txt", Output, StatusInvalidArgument,
                                  "line 3: no player line follows the header"},
                      // The folder is to blame, not the input.
                      FailureCase{"TableCannotBeWritten", Input, "nowhere/table.txt",
                                  ErrorCannotWriteFolder, nullptr}),
    RowName{});

// The engine knows no modification for the (P) variant: the run stops computing there (so the
// Bucholz slot after it is never computed), still writes the table with the column it could not
// fill, and returns the engine's refusal.
TEST_F(SimpleRun, UnknownVariantStopsTheComputation) {
    std::ostringstream log;
    EXPECT_EQ(runSimple(Input, Output, withColumns({1 | 4 | 32, 0, 1, 0}, 0, 1, 1, 0), log),
              StatusInvalidArgument);
    const std::string table = readBytes(Output);
    EXPECT_NE(table.find("RP(MA)(1,0)"), std::string::npos);
    EXPECT_NE(table.find("RP(P)"), std::string::npos);
    EXPECT_EQ(log.str().find("Bucholz"), std::string::npos);
}

}  // namespace
}  // namespace tiebreak
