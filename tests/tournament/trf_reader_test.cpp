#include "tournament/trf_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_files.h"
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

// A TRF text read from a file through the runs' entry point; reason gets the refusal's reason.
int readFrom(TournamentTable& table, const std::string& text, std::string* reason = nullptr) {
    const TempDir dir;
    writeText(dir.file("t.trf"), text);
    return readTournament(table, dir.file("t.trf"), 1400, reason);
}

// A player record with the given start number, name, rating and round blocks.
std::string record(int start, const std::string& name, const std::string& rating,
                   const std::string& rounds) {
    std::string line = "001 " + std::string(4 - std::to_string(start).size(), ' ') +
                       std::to_string(start) + " m    " + name;
    line.resize(48, ' ');
    line += rating + " NOR           0 1990/01/01       1   ";  // no score: the rounds count
    line.resize(91, ' ');
    return line + rounds;
}

TEST(TrfReader, RecordsInAnyOrderWithUnratedAndShortBlocks) {
    TournamentTable table;
    const std::string text = "012 Test\r\n" + record(2, "Bruno", "    ", "   1 b 0     3 w D") +
                             "\r\n" + record(1, "Alyx", "2100", "   2 w 1     0 - H     3 b W  ") +
                             "\r\n" + record(3, "Carla", "0000", "   0 - F     2 b D     1 w L") +
                             "\r\nXXR 3\r\n";
    ASSERT_EQ(readFrom(table, text), StatusOk);
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

TEST(TrfReader, RealFilesScoreAsTheirRecordsSay) {
    for (const char* name : {"karl-mala-2005-frankfurt-swiss-284p-7r.trf",
                             "lichess-swiss-2020-05-10-bullet-112p-20r.trf",
                             "ireland-lcu-armstrong-cup-2010-11-team-league-160p-11r.trf",
                             "ireland-bunratty-2011-masters-34p-6r.trf"}) {
        SCOPED_TRACE(name);
        TournamentTable table;
        ASSERT_EQ(readTournament(table, TrfDir + name, 1400), StatusOk);
        expectPointsMatchRecords(table, TrfDir + name);
        expectSymmetric(table);
    }
    // Bunratty, O'Connor (16): two byes with a blank opponent, colour "-" and no result code,
    // worth a point between them that only his score of 2.5 holds.
    TournamentTable table;
    ASSERT_EQ(readTournament(table, TrfDir + "ireland-bunratty-2011-masters-34p-6r.trf", 1400),
              StatusOk);
    EXPECT_EQ(table.gamesPlayed(15), 4);
    EXPECT_EQ(table.gamePoints(15), 1.5);
    EXPECT_EQ(table.totalPoints(15), 2.5);
}

// Columns are characters: in a UTF-8 file "Hülleman" takes 8 columns and 9 bytes, in a Latin-1
// file 8 columns and 8 bytes; either way his game against Alyx is found.
TEST(TrfReader, ColumnsCountCharactersInUtf8AndBytesOtherwise) {
    for (const std::string& name : {std::string("H\xC3\xBClleman"), std::string("H\xFClleman")}) {
        std::string hulleman = record(2, "Hulleman", "2100", "   1 b 0  ");
        hulleman.replace(hulleman.find("Hulleman"), 8, name);
        const std::string text = record(1, "Alyx", "2000", "   2 w 1") + "\n" + hulleman + "\n";
        TournamentTable table;
        ASSERT_EQ(readFrom(table, text), StatusOk) << name;
        EXPECT_EQ(table.name(1), name);
        EXPECT_EQ(table.rating(1), 2100.0);
        EXPECT_EQ(table.gamesPlayed(1), 1) << name;
        EXPECT_EQ(table.gamesAgainst(1, 0), 1) << name;
    }
}

TEST(TrfReader, ScoreOfTheRecordAndPointsWithoutAnOpponent) {
    // Alyx's score counts a bye that no result code shows; Carla's "=" and "1" against no
    // opponent are half and full points without a game.
    std::string alyx = record(1, "Alyx", "2000", "   3 w 1     0 -    ");
    alyx.replace(80, 4, " 2.0");
    const std::string text = alyx + "\n" + record(2, "Bruno", "2000", "   0 - =     0 - 1") + "\n" +
                             record(3, "Carla", "2000", "   1 b 0") + "\n";
    TournamentTable table;
    ASSERT_EQ(readFrom(table, text), StatusOk);
    EXPECT_EQ(table.gamePoints(0), 1.0);
    EXPECT_EQ(table.totalPoints(0), 2.0);
    EXPECT_EQ(table.gamesPlayed(1), 0);
    EXPECT_EQ(table.gamePoints(1), 0.0);
    EXPECT_EQ(table.totalPoints(1), 1.5);

    // A score below the points of the games played is refused.
    alyx.replace(80, 4, " 0.5");
    std::string reason;
    TournamentTable refused;
    EXPECT_EQ(readFrom(refused, "012 Open\n" + alyx + "\n" + record(3, "Carla", "2000", "   1 b 0"),
                       &reason),
              ErrorCannotOpenFile);
    EXPECT_EQ(reason, "line 2: the score 0.5 is below the 1.0 points of the games played");
}

// A withdrawn player's record deleted leaves a gap in the start numbers: the file is read while
// no round refers to the missing number.
TEST(TrfReader, StartNumbersWithGaps) {
    const std::string one = record(1, "A", "2000", "   4 w 1") + "\n";
    const std::string four = record(4, "D", "2000", "   1 b 0") + "\n";
    TournamentTable table;
    ASSERT_EQ(readFrom(table, "\xEF\xBB\xBF" + four + one), StatusOk);  // a byte-order mark too
    ASSERT_EQ(table.playerCount(), 2u);
    EXPECT_EQ(table.name(1), "D");
    EXPECT_EQ(table.gamesAgainst(0, 1), 1);
    EXPECT_EQ(table.gamesAgainst(1, 0), 1);

    const std::pair<std::string, std::string> refusals[] = {
        {one + four + record(2, "B", "2000", "   0 - H     3 b 1") + "\n",
         "line 3: round 2 refers to start number 3, which no player record has"},
        {one + four + record(1, "B", "2000", "") + "\n",
         "line 3: start number 1 was given before, on line 1"},
        {one + "001 xxxx m    B\n", "line 2: no start number in columns 5-8"},
        {"012 Open\n042 2026\nXXR 9\n", "no player record (lines beginning \"001\")"},
    };
    for (const auto& [text, expected] : refusals) {
        TournamentTable refused;
        std::string reason;
        EXPECT_EQ(readFrom(refused, text, &reason), ErrorCannotOpenFile) << text;
        EXPECT_EQ(reason, expected);
    }
}

}  // namespace
}  // namespace tiebreak
