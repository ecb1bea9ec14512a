#include "tournament/trf_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "tests/support/temp_files.h"
#include "tournament/leading_number.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

const std::string TrfDir = std::string(RPT_TEST_DATA_DIR) + "/trf/";

// Every player's total points equal the points column (81-84) of his record, which checks each
// result letter's points.
void expectConsistentWithRecords(const TournamentTable& table, const std::string& path) {
    std::string text;
    ASSERT_EQ(readWholeFile(path, text), StatusOk);
    for (std::string_view line : splitLines(text)) {
        if (!line.starts_with("001 ")) continue;
        const auto player = static_cast<std::uint32_t>(leadingInt(line.substr(4, 4)) - 1);
        EXPECT_EQ(table.totalPoints(player), leadingDouble(line.substr(80, 4)))
            << "start number " << player + 1;
    }
}

TEST(TrfReader, RealFilesScoreAsTheirRecordsSay) {
    // Players whose byes, forfeits and unplayed rounds are no games: games and game points.
    const std::tuple<std::string, std::uint32_t, int, double> players[] = {
        {"held_swiss_9.trf", 8, 6, 1.5},   // Jessica: "H", a forfeit loss and a "U" bye
        {"held_swiss_9.trf", 11, 5, 1.0},  // Nick: "U", a forfeit win and two "Z"
        // O'Connor: two byes with a blank opponent, colour "-" and no result code, worth a point
        // that only his score of 2.5 holds.
        {"ireland-bunratty-2011-masters-34p-6r.trf", 15, 4, 1.5},
    };
    for (const auto& file : std::filesystem::directory_iterator(TrfDir)) {
        if (file.path().extension() != ".trf") continue;
        SCOPED_TRACE(file.path().filename());
        TournamentTable table;
        ASSERT_EQ(readTournament(table, file.path().string(), 1400), StatusOk);
        expectConsistentWithRecords(table, file.path().string());
        for (const auto& [name, player, games, gamePoints] : players) {
            if (name != file.path().filename()) continue;
            EXPECT_EQ(table.gamesPlayed(player), games) << player;
            EXPECT_EQ(table.gamePoints(player), gamePoints) << player;
        }
    }
}

// A TRF text read from a file; reason gets the refusal's reason.
int readFrom(TournamentTable& table, const std::string& text, std::string* reason = nullptr) {
    const TempDir dir;
    writeText(dir.file("t.trf"), text);
    return readTournament(table, dir.file("t.trf"), 1400, reason);
}

// A player record with the given start number, name, rating and round blocks, without a score.
std::string record(int start, const std::string& name, const std::string& rating,
                   const std::string& rounds) {
    std::string line = "001 " + std::string(4 - std::to_string(start).size(), ' ') +
                       std::to_string(start) + " m    " + name;
    line.resize(48, ' ');
    line += rating + " NOR           0 1990/01/01       1   ";
    line.resize(91, ' ');
    return line + rounds;
}

// Records out of order after a byte-order mark, start number 3 missing (a withdrawn player's
// record deleted), unrated players, short round blocks and CRLF line ends.
TEST(TrfReader, RecordsInAnyOrderWithGapsAndPointsWithoutGames) {
    // Alyx: a win, a half-point bye, an unrated win and a bye without a result code that only
    // her score of 3.5 counts.
    std::string alyx = record(1, "Alyx", "2100", "   2 w 1     0 - H     4 b W     0 -");
    alyx.replace(80, 4, " 3.5");
    // Bruno: a loss; "=" and "1" against no opponent are half and full points without a game.
    const std::string bruno = record(2, "Bruno", "    ", "   1 b 0     0 - =     0 - 1");
    // Dora: a full-point bye, a zero-point bye and an unrated loss.
    const std::string dora = record(4, "Dora", "0000", "   0 - F     0 - Z     1 w L");
    TournamentTable table;
    ASSERT_EQ(readFrom(table, "\xEF\xBB\xBF" + dora + "\r\n" + alyx + "\r\n" + bruno + "\r\nXXR 3"),
              StatusOk);
    ASSERT_EQ(table.playerCount(), 3u);
    EXPECT_EQ(table.name(2), "Dora");
    EXPECT_EQ(table.gamesAgainst(2, 0), 1);
    // Rating, games, game points, total points, start number, unrated.
    const double expected[3][6] = {
        {2100, 2, 2, 3.5, 1, 0}, {1400, 1, 0, 1.5, 2, 1}, {1400, 1, 0, 1, 4, 1}};
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(table.rating(i), expected[i][0]) << i;
        EXPECT_EQ(table.gamesPlayed(i), expected[i][1]) << i;
        EXPECT_EQ(table.gamePoints(i), expected[i][2]) << i;
        EXPECT_EQ(table.totalPoints(i), expected[i][3]) << i;
        EXPECT_EQ(table.startNumber(i), expected[i][4]) << i;
        EXPECT_EQ(table.isUnrated(i), expected[i][5] == 1) << i;
    }
}

// Alyx's round 1, against Bruno (whose side of it follows) or against nobody: its kind, colour,
// whether it was rated and its points.
TEST(TrfReader, EachRoundKeepsItsKindColourAndPoints) {
    const std::tuple<const char*, const char*, RoundKind, Colour, bool, double> rows[] = {
        {"   2 w 1", "   1 b 0", RoundGameWon, ColourWhite, true, 1},
        {"   2 b =", "   1 w =", RoundGameDrawn, ColourBlack, true, .5},
        {"   2 w 0", "   1 b 1", RoundGameLost, ColourWhite, true, 0},
        {"   2 w W", "   1 b L", RoundGameWon, ColourWhite, false, 1},
        {"   2 b D", "   1 w D", RoundGameDrawn, ColourBlack, false, .5},
        {"   2 x L", "   1 b W", RoundGameLost, ColourNone, false, 0},
        {"   2 - +", "   1 - -", RoundForfeitWon, ColourNone, true, 1},
        {"   2 b -", "   1 w +", RoundForfeitLost, ColourBlack, true, 0},
        {"   2 w", "   1 b +", RoundForfeitLost, ColourWhite, true, 0},  // a record cut off
        {"0000 - U", "", RoundPairingBye, ColourNone, true, 1},
        {"     - F", "", RoundFullPointBye, ColourNone, true, 1},
        {"     - +", "", RoundFullPointBye, ColourNone, true, 1},
        {"0000 - H", "", RoundHalfPointBye, ColourNone, true, .5},
        {"0000 - Z", "", RoundZeroPointBye, ColourNone, true, 0},
        {"0000 - -", "", RoundNotPaired, ColourNone, true, 0},
        {"         ", "", RoundNotPaired, ColourNone, true, 0},
        {"0000 - 1", "", RoundPairingBye, ColourNone, true, 1},
        {"0000 w 0", "", RoundPairingBye, ColourWhite, true, 0},
        {"0000 - D", "", RoundPairingBye, ColourNone, false, .5},
    };
    for (const auto& [alyx, bruno, kind, colour, rated, points] : rows) {
        SCOPED_TRACE(alyx);
        TournamentTable table;
        const std::string text =
            record(1, "Alyx", "2100", alyx) + "\n" + record(2, "Bruno", "2000", bruno) + "\n";
        ASSERT_EQ(readTrfLines(table, splitLines(text), 1400), StatusOk);
        ASSERT_EQ(table.rounds(0).size(), 1u);
        const RoundDetail detail = table.rounds(0)[0].detail;
        EXPECT_EQ(detail.kind, kind);
        EXPECT_EQ(detail.colour, colour);
        EXPECT_EQ(detail.rated, rated);
        EXPECT_EQ(detail.points, points);
    }
}

// The first "012" record names the tournament; a ruler line starting "012" is none. The "092"
// record declares the pairing system.
TEST(TrfReader, TournamentRecordsGiveTheNameAndTheDeclaredSystem) {
    const std::pair<const char*, DeclaredType> systems[] = {
        {"092 Swiss Dutch", DeclaredSwiss},
        {"092 Individual: Swiss-System", DeclaredSwiss},
        {"092 Round Robin", DeclaredRoundRobin},
        {"092 double rr", DeclaredRoundRobin},
        {"092 BERGER", DeclaredRoundRobin},
        {"092 Team League", DeclaredNone},
        {"042 2026", DeclaredNone}};
    for (const auto& [line, type] : systems) {
        TournamentTable table;
        const std::string text = "0123456789012345\n012  Bunratty 2011  \n012 Later\n" +
                                 std::string(line) + "\n" + record(1, "A", "2000", "") + "\n";
        ASSERT_EQ(readTrfLines(table, splitLines(text), 1400), StatusOk);
        EXPECT_EQ(table.tournamentName(), "Bunratty 2011");
        EXPECT_EQ(table.declaredType(), type) << line;
    }
}

TEST(TrfReader, RefusesWithTheLineAndWhy) {
    const std::string one = record(1, "A", "2000", "   4 w 1") + "\n";
    const std::string four = record(4, "D", "2000", "   1 b 0") + "\n";
    std::string low = one;
    low.replace(80, 4, " 0.5");
    const std::pair<std::string, std::string> refusals[] = {
        {one + four + record(2, "B", "2000", "   0 - H     3 b 1") + "\n",
         "line 3: round 2 refers to start number 3, which no player record has"},
        {one + four + record(1, "B", "2000", "") + "\n",
         "line 3: start number 1 was given before, on line 1"},
        {one + "001 xxxx m    B\n", "line 2: no start number in columns 5-8"},
        {"012 Open\n042 2026\nXXR 9\n", "no player record (lines beginning \"001\")"},
        {"012 Open\n" + low + four,
         "line 2: the score 0.5 is below the 1.0 points of the games played"},
    };
    for (const auto& [text, expected] : refusals) {
        TournamentTable table;
        std::string reason;
        EXPECT_EQ(readFrom(table, text, &reason), ErrorUnsuitableFile) << text;
        EXPECT_EQ(reason, expected);
    }
}

// Columns are characters: in a UTF-8 file "Hülleman" takes 8 columns and 9 bytes, in a Latin-1
// file 8 columns and 8 bytes; either way his rating and his game against Alyx are found.
TEST(TrfReader, ColumnsCountCharactersInUtf8AndBytesOtherwise) {
    for (const std::string name : {"H\xC3\xBClleman", "H\xFClleman"}) {
        std::string hulleman = record(2, "Hulleman", "2100", "   1 b 0  ");
        hulleman.replace(hulleman.find("Hulleman"), 8, name);
        TournamentTable table;
        ASSERT_EQ(readFrom(table, record(1, "Alyx", "2000", "   2 w 1") + "\n" + hulleman + "\n"),
                  StatusOk)
            << name;
        EXPECT_EQ(table.name(1), name);
        EXPECT_EQ(table.rating(1), 2100.0);
        EXPECT_EQ(table.gamesAgainst(1, 0), 1) << name;
    }
}

}  // namespace
}  // namespace tiebreak
