// The benchmarks' open of 300 players and 9 rounds through an advanced run with every kind of
// row: its .csv is held to the stored one byte for byte, and its log too, except that the two
// errors between the methods may differ in round-off (the decomposition behind them is the
// fastest code in the program). The stored files are the output of the element-by-element
// decomposition with one decomposition per method.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_codes.h"
#include "runs/advanced_run.h"
#include "tests/runs/run_fixture.h"
#include "tools/crosstable_generator.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

const std::string SvdLabel = "Error between recursive method and SVD method: ";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The measure of an SVD line agrees with the stored one to relative 1e-6 or absolute 1e-12;
// every other line is the same text.
void expectLogsAgree(const std::string& actual, const std::string& expected) {
    const std::vector<std::string> a = linesOf(actual);
    const std::vector<std::string> e = linesOf(expected);
    ASSERT_EQ(a.size(), e.size()) << actual;
    int measures = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].rfind(SvdLabel, 0) == 0 && e[k].rfind(SvdLabel, 0) == 0) {
            const double got = std::strtod(a[k].c_str() + SvdLabel.size(), nullptr);
            const double want = std::strtod(e[k].c_str() + SvdLabel.size(), nullptr);
            EXPECT_LE(std::fabs(got - want), std::max(1e-12, 1e-6 * std::fabs(want))) << a[k];
            ++measures;
        } else {
            EXPECT_EQ(a[k], e[k]) << "log line " << k + 1;
        }
    }
    EXPECT_EQ(measures, 2);
}

class BenchmarkField : public RunFixture {};

TEST_F(BenchmarkField, ResultsAndLogMatchTheUnoptimisedRun) {
    GeneratorOptions field;
    field.players = 300;
    field.rounds = 9;
    ASSERT_TRUE(writeCrosstable(field, "open_300_9.txt"));

    AdvancedRunOptions options;
    options.inputPath = "open_300_9.txt";
    options.method = {MethodRecursivePerformance, MethodRecursivePerformance,
                      MethodRecursiveBucholz, MethodRecursiveBucholz};
    options.modification = {ModificationNone, ModificationRivalsAverage, ModificationNone,
                            ModificationRivalsAverage};
    options.worst = {0, 1, 0, 1};
    options.best = {0, 1, 0, 1};
    options.sort = 1;
    options.headings = 1;
    options.eloForUnrated = 1400;
    notices.localeSeparators = {'.', ';'};
    TournamentTable table;
    const int read = readTournament(table, options.inputPath, options.eloForUnrated);
    std::ostringstream log;
    ASSERT_EQ(runAdvancedAnalysis(notices, notices, options, log, table, read), RunFinished);

    expectGolden(readText("open_300_9.csv"), "benchmark_open_300_9.csv");
    expectLogsAgree(log.str(), storedGolden(log.str(), "benchmark_open_300_9.log"));
}

}  // namespace
}  // namespace tiebreak
