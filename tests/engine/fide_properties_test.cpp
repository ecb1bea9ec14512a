// Properties every field has, on generated Swiss tournaments with byes, forfeits and absences
// (tools/crosstable_generator.h, written as TRF files so that forfeits keep their opponents).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/engine/fide_values.h"
#include "tools/crosstable_generator.h"
#include "tournament/text_file.h"
#include "tournament/trf_reader.h"

namespace tiebreak {
namespace {

TournamentTable generated(std::uint64_t seed) {
    GeneratorOptions options;
    options.players = 60;
    options.rounds = 7;
    options.seed = seed;
    options.unratedShare = 0.1;
    options.byeShare = 0.05;
    options.forfeitShare = 0.05;
    options.absentShare = 0.05;
    options.trf = true;
    const std::string text = generateCrosstable(options);
    TournamentTable table;
    EXPECT_EQ(readTrfLines(table, splitLines(text), 1400), StatusOk) << "seed " << seed;
    return table;
}

// Each cut leaves out a value of at least zero; Sonneborn-Berger weighs each Buchholz value by
// at most one point; a score of half the games adds nothing to ARO.
TEST(FideProperties, CutsSonnebornBergerAndHalfScores) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const TournamentTable table = generated(seed);
        for (const FideRules rules : {FideRules2024, FideRules2026}) {
            const auto bh = fideValues(table, "BH", rules), c1 = fideValues(table, "BH/C1", rules),
                       c2 = fideValues(table, "BH/C2", rules), sb = fideValues(table, "SB", rules);
            const auto aro = fideValues(table, "ARO"), tpr = fideValues(table, "TPR");
            std::size_t halfScores = 0;
            for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
                EXPECT_GE(bh[i], c1[i]) << "player " << i + 1;
                EXPECT_GE(c1[i], c2[i]) << "player " << i + 1;
                EXPECT_LE(sb[i], bh[i]) << "player " << i + 1;
                if (table.gamesPlayed(i) > 0 &&
                    2.0 * table.gamePoints(i) == static_cast<double>(table.gamesPlayed(i))) {
                    EXPECT_EQ(tpr[i], aro[i]) << "player " << i + 1;
                    ++halfScores;
                }
            }
            EXPECT_GT(halfScores, 0U);
        }
    }
}

}  // namespace
}  // namespace tiebreak
