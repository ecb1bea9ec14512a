#include "tournament/trf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tournament/leading_number.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

const std::string TrfDir = std::string(RPT_TEST_DATA_DIR) + "/trf/";

// Every player's total points must equal the points column (81-84) of his record: that checks
// each result letter's points, and the counts below check which of them are games.
void expectPointsMatchRecords(const TournamentTable& table, const std::string& path) {
    std::string text;
    ASSERT_EQ(readWholeFile(path, text), StatusOk);
    for (std::string_view line : splitLines(text)) {
        if (!line.starts_with("001 ")) continue;
        const auto player = static_cast<std::uint32_t>(leadingInt(line.substr(4, 4)) - 1);
        EXPECT_EQ(table.totalPoints(player), leadingDouble(line.substr(80, 4)))
            << "start number " << player + 1;
    }
}

void expectSymmetric(const TournamentTable& table) {
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        for (std::uint32_t j = 0; j < table.playerCount(); ++j) {
            EXPECT_EQ(table.gamesAgainst(i, j), table.gamesAgainst(j, i)) << i << " " << j;
        }
    }
}

TEST(TrfReader, RoundRobinWithOneForfeit) {
    TournamentTable table;
    const std::string path = TrfDir + "held_round_robin.trf";
    ASSERT_EQ(readTournament(table, path, 1400), StatusOk);
    ASSERT_EQ(table.playerCount(), 6u);
    EXPECT_EQ(table.maxGamesPlayed(), 5u);
    expectPointsMatchRecords(table, path);
    expectSymmetric(table);
    EXPECT_EQ(table.name(0), "Alyx");
    EXPECT_EQ(table.rating(5), 2000.0);
    // Round 4, Franck (5) - Helene (6) was forfeited: four games each, the point without a game.
    EXPECT_EQ(table.gamesPlayed(4), 4);
    EXPECT_EQ(table.gamesAgainst(4, 5), 0);  // the forfeit was their only meeting
    EXPECT_EQ(table.gamePoints(5), 0.5);
    EXPECT_EQ(table.totalPoints(5), 1.5);
}

TEST(TrfReader, SwissWithByesAndForfeits) {
    TournamentTable table;
    const std::string path = TrfDir + "held_swiss_9.trf";
    ASSERT_EQ(readTournament(table, path, 1400), StatusOk);
    ASSERT_EQ(table.playerCount(), 16u);
    EXPECT_EQ(table.maxGamesPlayed(), 9u);
    expectPointsMatchRecords(table, path);
    expectSymmetric(table);
    // David (4): a half-point bye "H" in round 2.
    EXPECT_EQ(table.gamesPlayed(3), 8);
    EXPECT_EQ(table.gamePoints(3), 5.5);
    // Jessica (9): "H", a forfeit loss and a "U" bye; six games worth 1.5.
    EXPECT_EQ(table.gamesPlayed(8), 6);
    EXPECT_EQ(table.gamePoints(8), 1.5);
    EXPECT_EQ(table.gamesAgainst(8, 10), 0);  // the forfeit against Maria (11) is no game
    // Nick (12): "U", a forfeit win and two "Z"; five games worth 1.
    EXPECT_EQ(table.gamesPlayed(11), 5);
    EXPECT_EQ(table.gamePoints(11), 1.0);
}

TEST(TrfReader, UnratedPlayersRulersAndTrailingBlanks) {
    TournamentTable table;
    const std::string path = TrfDir + "swiss_with_many_unplayed_rounds.trf";
    ASSERT_EQ(readTournament(table, path, 1450), StatusOk);
    ASSERT_EQ(table.playerCount(), 15u);
    EXPECT_EQ(table.maxGamesPlayed(), 6u);  // nobody played all seven rounds
    expectPointsMatchRecords(table, path);
    expectSymmetric(table);
    EXPECT_EQ(table.name(0), "Player, 1");
    EXPECT_EQ(table.rating(0), 2240.0);
    EXPECT_EQ(table.rating(5), 1450.0);  // "0000"
    // Player 12: H, F, one won game, H, Z, F, Z.
    EXPECT_EQ(table.gamesPlayed(11), 1);
    EXPECT_EQ(table.gamePoints(11), 1.0);
    // Round 1, players 4 and 11 both lost by forfeit: no game, no point.
    EXPECT_EQ(table.gamesAgainst(3, 10), 0);
}

// A TRF text written to a temporary file and read through the runs' entry point.
int readText(TournamentTable& table, const std::string& text) {
    const std::string path = (std::filesystem::temp_directory_path() / "rpt_trf_test.trf").string();
    std::ofstream(path, std::ios::binary) << text;
    const int status = readTournament(table, path, 1400);
    std::filesystem::remove(path);
    return status;
}

// A player record with the given start number, name, rating and round blocks.
std::string record(int start, const std::string& name, const std::string& rating,
                   const std::string& rounds) {
    std::string line = "001 " + std::string(4 - std::to_string(start).size(), ' ') +
                       std::to_string(start) + " m    " + name;
    line.resize(48, ' ');
    line += rating + " NOR           0 1990/01/01  0.0    1   ";
    line.resize(91, ' ');
    return line + rounds;
}

TEST(TrfReader, RecordsInAnyOrderWithUnratedAndShortBlocks) {
    TournamentTable table;
    const std::string text = "012 Test\r\n" + record(2, "Bruno", "    ", "   1 b 0     3 w D") +
                             "\r\n" + record(1, "Alyx", "2100", "   2 w 1     0 - H     3 b W  ") +
                             "\r\n" + record(3, "Carla", "0000", "   0 - F     2 b D     1 w L") +
                             "\r\nXXR 3\r\n";
    ASSERT_EQ(readText(table, text), StatusOk);
    ASSERT_EQ(table.playerCount(), 3u);
    EXPECT_EQ(table.name(0), "Alyx");
    EXPECT_EQ(table.rating(1), 1400.0);
    EXPECT_EQ(table.rating(2), 1400.0);
    // Alyx: a win, a half-point bye, an unrated win; Carla: a full-point bye and two unrated games.
    EXPECT_EQ(table.gamesPlayed(0), 2);
    EXPECT_EQ(table.totalPoints(0), 2.5);
    EXPECT_EQ(table.gamesPlayed(2), 2);
    EXPECT_EQ(table.totalPoints(2), 1.5);
    EXPECT_EQ(table.gamesAgainst(1, 2), 1);
}

TEST(TrfReader, StartNumbersMustBeOneToN) {
    const std::string a = record(1, "A", "2000", "   2 w 1") + "\n";
    for (const std::string& text :
         {a + record(3, "C", "2000", "   1 b 0") + "\n", a + record(1, "B", "2000", "") + "\n",
          a + record(0, "B", "2000", "") + "\n", a + "001 xxxx m    B\n"}) {
        TournamentTable table;
        EXPECT_EQ(readText(table, text), ErrorCannotOpenFile) << text;
    }
}

TEST(TrfReader, ContentChoosesTheReader) {
    // A crosstable whose line starts like a player record is still a crosstable.
    TournamentTable crosstable;
    EXPECT_EQ(readText(crosstable, "001 Open\nNo.;Name;Rtg;1.Rd.;;;x\n1;A;2000;-;-;+\n"), StatusOk);
    EXPECT_EQ(crosstable.name(0), "A");
    EXPECT_EQ(crosstable.totalPoints(0), 1.0);
    // A file without player records is no TRF file and no crosstable either.
    TournamentTable neither;
    EXPECT_EQ(readText(neither, "012 Open\n042 2026\nXXR 9\n"), ErrorCannotOpenFile);
}

}  // namespace
}  // namespace tiebreak
