#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine_codes.h"
#include "engine/svd/svd.h"
#include "runs/advanced_run.h"
#include "runs/simple_run.h"
#include "tests/runs/run_fixture.h"
#include "tools/crosstable_generator.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

// One player with games more than the decomposition takes: the advanced run checks both methods
// with the sparse solver instead; the simple run leaves its decomposition columns empty.
class SizeLimit : public RunFixture {
protected:
    SizeLimit() {
        GeneratorOptions field;
        field.players = MaxDecompositionPlayers + 1;
        field.rounds = 5;
        field.seed = 11;
        EXPECT_TRUE(writeCrosstable(field, Input));
    }

    static std::size_t count(const std::string& text, const std::string& part) {
        std::size_t found = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++found;
        return found;
    }

    static constexpr const char* Input = "big_open.txt";
    std::ostringstream log;
};

TEST_F(SizeLimit, AdvancedRunChecksWithTheSparseSolver) {
    AdvancedRunOptions options;
    options.inputPath = Input;
    options.method = {MethodRecursivePerformance, MethodRecursiveBucholz, RowUnused, RowUnused};
    options.modification = {ModificationNone, ModificationRivalsAverage, RowUnused, RowUnused};
    options.sort = 1;
    options.headings = 1;
    options.eloForUnrated = 1400;
    TournamentTable table;
    const int read = readTournament(table, Input, options.eloForUnrated);
    ASSERT_EQ(read, 0);
    ASSERT_EQ(table.playerCount(), MaxDecompositionPlayers + 1);

    EXPECT_EQ(runAdvancedAnalysis(notices, notices, options, log, table, read), RunFinished);
    // No warning: both iterations reach the sparse solution to well within 0.00001.
    EXPECT_EQ(notices.events, std::vector<std::string>{"open: big_open.csv"});
    EXPECT_EQ(count(log.str(), "\nError between recursive method and sparse solver: "), 2u);
    EXPECT_EQ(count(log.str(), "SVD method"), 0u);
    // The heading and one line per player.
    EXPECT_EQ(count(readBytes("big_open.csv"), "\n"), MaxDecompositionPlayers + 2u);
}

TEST_F(SizeLimit, SimpleRunLeavesTheDecompositionColumnsEmpty) {
    SimpleRunOptions options = simpleRunOptions(SimpleSortingPerformance, 1400);
    options.methodVariants = {1, 1, 0, 1};
    EXPECT_EQ(runSimple(Input, "results.txt", options, log), 0);
    EXPECT_EQ(count(log.str(),
                    "\nSingular value decomposition for Recursive Performance skipped "
                    "for size\n"),
              1u);
    EXPECT_EQ(count(log.str(),
                    "\nSingular value decomposition for Recursive Bucholz skipped "
                    "for size\n"),
              1u);
    EXPECT_EQ(count(log.str(), "Error between recursive method and SVD decomposition"), 0u);
    EXPECT_EQ(count(readBytes("results.txt"), "\n"), MaxDecompositionPlayers + 2u);
}

}  // namespace
}  // namespace tiebreak
