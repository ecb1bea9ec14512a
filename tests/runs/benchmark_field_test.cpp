// The benchmarks' open of 300 players and 9 rounds through an advanced run with every kind of
// row: its .csv and its log held to the stored ones (the log's distances between the methods to
// round-off). The stored files are the output of the element-by-element decomposition with one
// decomposition per method.
#include <sstream>

#include <gtest/gtest.h>

#include "engine/engine_codes.h"
#include "runs/advanced_run.h"
#include "tests/runs/run_fixture.h"
#include "tools/crosstable_generator.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

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

    expectGolden(readBytes("open_300_9.csv"), "benchmark_open_300_9.csv");
    expectGolden(log.str(), "benchmark_open_300_9.log");
}

}  // namespace
}  // namespace tiebreak
