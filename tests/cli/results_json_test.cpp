// The JSON document of a finished run read back: every number exactly as the run computed it, and
// null where the run has no finite value.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/results_json.h"
#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"
#include "tools/crosstable_generator.h"
#include "tournament/crosstable_reader.h"
#include "tournament/text_file.h"

namespace tiebreak {
namespace {

std::uint64_t bits(const nlohmann::json& number) {
    return std::bit_cast<std::uint64_t>(number.get<double>());
}

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

void expectSameNumber(const nlohmann::json& written, double value, const std::string& what) {
    if (std::isfinite(value)) {
        ASSERT_TRUE(written.is_number()) << what;
        EXPECT_EQ(bits(written), bits(value)) << what;
    } else {
        EXPECT_TRUE(written.is_null()) << what;
    }
}

TEST(ResultsJson, EveryNumberComesBackExactly) {
    GeneratorOptions field;
    field.players = 40;
    field.rounds = 7;
    field.seed = 4;
    field.unratedShare = 0.1;
    field.byeShare = 0.05;
    field.forfeitShare = 0.05;
    field.absentShare = 0.05;
    field.playersWithoutGames = 2;
    TournamentTable table;
    ASSERT_EQ(readCrosstableLines(table, splitLines(generateCrosstable(field)), 1400), StatusOk);

    const TempDir dir;
    AdvancedRunOptions run;
    run.inputPath = "open.txt";
    run.method = {MethodRecursivePerformance, MethodRecursiveBucholz, MethodRecursivePerformance,
                  MethodRecursiveBucholz};
    run.modification = {ModificationNone, ModificationNone, ModificationRivalsAverage,
                        ModificationRivalsAverage};
    run.worst = {0, 0, 1, 0};
    run.best = {0, 0, 1, 7};  // the last row keeps nobody: every value is negative infinity
    run.sort = 1;
    run.intermediatePath = dir.file("table.txt");
    std::ostringstream plain;
    run.plainTable = &plain;
    AdvancedRunResult result;
    run.result = &result;
    RecordingNotices notices;
    std::ostringstream log;
    ASSERT_EQ(runAdvancedAnalysis(notices, notices, run, log, table, 0), RunFinished);
    std::vector<ExplainedRow> rows;
    ASSERT_EQ(explainRows(table, run, result, rows), StatusOk);
    std::ostringstream out;
    ASSERT_TRUE(writeResultsJson(out, table, run, rows));
    const nlohmann::json document = nlohmann::json::parse(out.str());

    const MethodOutcome* outcomes[] = {&*result.performance, &*result.bucholz};
    for (int m = 0; m < 2; ++m) {
        const nlohmann::json& method = document["methods"][m];
        EXPECT_EQ(method["iterations"].get<int>(), outcomes[m]->sweeps);
        expectSameNumber(method["residual"], outcomes[m]->residual, "residual");
        expectSameNumber(method["direct_distance"], outcomes[m]->directDistance, "distance");
    }
    ASSERT_EQ(document["rows"].size(), 4u);
    ASSERT_EQ(document["players"].size(), table.playerCount());
    int nulls = 0;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        const nlohmann::json& player = document["players"][i];
        const std::string what = "player " + std::to_string(i + 1);
        EXPECT_EQ(player["name"].get<std::string>(), table.name(i)) << what;
        EXPECT_EQ(player["line"].get<std::uint32_t>(), table.line(i)) << what;
        EXPECT_EQ(bits(player["points"]), bits(table.totalPoints(i))) << what;
        EXPECT_EQ(bits(player["rating"]), bits(table.rating(i))) << what;
        std::int64_t games = 0;
        for (const nlohmann::json& opponent : player["opponents"]) {
            const auto j = opponent["number"].get<std::uint32_t>() - 1;
            EXPECT_EQ(opponent["games"].get<std::int64_t>(), table.gamesAgainst(i, j)) << what;
            games += opponent["games"].get<std::int64_t>();
        }
        EXPECT_EQ(games, table.gamesPlayed(i)) << what;
        for (int row = 0; row < AdvancedRowCount; ++row) {
            expectSameNumber(player["values"][row], result.rows[row][i],
                             what + " row " + std::to_string(row + 1));
            nulls += player["values"][row].is_null() ? 1 : 0;
        }
    }
    // The players without games in the first two rows, and everybody in the last.
    EXPECT_EQ(nulls, 2 * 2 + 2 + static_cast<int>(table.playerCount()));
}

}  // namespace
}  // namespace tiebreak
