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
// with the sparse solver instead, and so does the simple run.
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

// Both decomposition slots are filled from one sparse system, and each agrees with its
// iterative column to the table's four decimals.
TEST_F(SizeLimit, SimpleRunSolvesTheDecompositionSlotsWithTheSparseSolver) {
    SimpleRunOptions options = simpleRunOptions(SimpleSortingNone, 1400);
    options.inputPath = Input;
    options.intermediatePath = "results.txt";
    options.methodVariants = {1, 1, 1, 1};
    std::ostringstream plain;
    options.plainTable = &plain;
    EXPECT_EQ(runSimple(notices, notices, options, log), RunFinished);
    EXPECT_EQ(count(log.str(), "\nSparse solver for Recursive Performance successful\n"), 1u);
    EXPECT_EQ(count(log.str(), "\nSparse solver for Recursive Bucholz successful\n"), 1u);
    EXPECT_EQ(count(log.str(), "\nError between recursive method and sparse solver: "), 2u);
    EXPECT_EQ(count(log.str(), "decomposition"), 0u);
    std::istringstream table(plain.str());
    std::string line;
    std::getline(table, line);  // the headings: RP, RP*, RB, RB*
    std::size_t players = 0;
    while (std::getline(table, line)) {
        ++players;
        double v[4];  // the last four fields
        for (double& value : v) {
            const auto at = line.rfind(';');
            ASSERT_NE(at, std::string::npos) << line;
            value = std::stod(line.substr(at + 1));
            line.erase(at);
        }
        EXPECT_NEAR(v[3], v[2], 2e-4) << line;
        EXPECT_NEAR(v[1], v[0], 2e-4) << line;
    }
    EXPECT_EQ(players, MaxDecompositionPlayers + 1u);
}

}  // namespace
}  // namespace tiebreak
