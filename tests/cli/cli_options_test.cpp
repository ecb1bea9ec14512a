#include "cli/cli_options.h"

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/named_rows.h"

#include "engine/engine_codes.h"

namespace tiebreak {
namespace {

using Arguments = std::vector<std::string>;

struct UsageCase {
    const char* name;
    Arguments arguments;
};

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, GivesStatusTwoWithTheUsageLine) {
    CliOptions options;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(parseCommandLine(GetParam().arguments, options, out, err),
              std::optional<int>(CliUsageError));
    EXPECT_NE(err.str().find("Usage: rptiebreaks-cli [OPTIONS] CROSSTABLE\n"), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageError,
    ::testing::Values(
        UsageCase{"TwoDigitCount", {"-t", "rp:avg:10:0", "x"}},
        UsageCase{"MissingBest", {"-t", "rb:avg:1", "x"}},
        UsageCase{"FiveRows", {"-t", "rp", "-t", "rb", "-t", "rp", "-t", "rb", "-t", "rp", "x"}},
        UsageCase{"SimpleWithRows", {"--simple", "rp", "-t", "rb", "x"}},
        UsageCase{"SolveOtherThanExact", {"--solve", "iterative", "x"}},
        UsageCase{"SimpleSolvedExactly", {"--simple", "rp", "--solve", "exact", "x"}}),
    RowName{});

TEST(CommandLine, RowsInOrderAndTheUnusedRest) {
    CliOptions options;
    std::ostringstream out;
    EXPECT_EQ(parseCommandLine({"-t", "rb:avg:2:1", "--tiebreak", "rp", "-t", "rb", "--solve",
                                "exact", "cross.txt"},
                               options, out, out),
              std::nullopt);
    EXPECT_TRUE(options.run.exactSolution);
    EXPECT_EQ(options.run.inputPath, "cross.txt");
    EXPECT_EQ(options.run.method,
              (std::array<int, 4>{MethodRecursiveBucholz, MethodRecursivePerformance,
                                  MethodRecursiveBucholz, RowUnused}));
    EXPECT_EQ(options.run.modification,
              (std::array<int, 4>{ModificationRivalsAverage, ModificationNone, ModificationNone,
                                  RowUnused}));
    EXPECT_EQ(options.run.worst[0], 2);
    EXPECT_EQ(options.run.best[0], 1);
    EXPECT_FALSE(options.simple.has_value());
}

TEST(CommandLine, SimpleRunWithEveryOtherOption) {
    CliOptions options;
    std::ostringstream out;
    EXPECT_EQ(parseCommandLine({"--simple", "ma", "--elo", "1600", "--no-sort", "--no-headings",
                                "-o", "out.csv", "--log", "-", "--open", "--beep", "my file.txt"},
                               options, out, out),
              std::nullopt);
    EXPECT_EQ(options.simple, std::optional<SimpleSorting>(SimpleSortingRivalsWithoutWorst));
    EXPECT_EQ(options.run.eloForUnrated, 1600);
    EXPECT_FALSE(options.run.sort || options.run.headings);
    EXPECT_EQ(options.output, "out.csv");
    EXPECT_EQ(options.log, "-");
    EXPECT_TRUE(options.open && options.run.beep);
    EXPECT_EQ(options.run.inputPath, "my file.txt");
}

}  // namespace
}  // namespace tiebreak
