#include "tournament/crosstable_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tournament/status_codes.h"
#include "tournament/text_file.h"

namespace tiebreak {
namespace {

using namespace std::string_literals;

const std::string Top = "Open 2026\nNo.;Name;Rtg;1.Rd.;;;2.Rd.;;\n";

// The text as the reader gets it from a file, split into lines.
int read(TournamentTable& table, const std::string& text, std::string* reason = nullptr) {
    return readCrosstableLines(table, splitLines(text), 1400, reason);
}

// The first player's first round cell (fields c, c+1, c+2) and the second player's side of it:
// the first player's games against the second, his game points and total points, and the round's
// kind and colour (the total is the round's points).
TEST(CrosstableReader, RoundCellsDecodeToGamesPointsAndKinds) {
    const std::tuple<const char*, const char*, int, double, double, RoundKind, Colour> rows[] = {
        {"2;w;1", "1;b;0", 1, 1, 1, RoundGameWon, ColourWhite},
        {"2;w;0", "1;s;1", 1, 0, 0, RoundGameLost, ColourWhite},
        {"2;b;x", "1;w;x", 1, .5, .5, RoundGameDrawn, ColourBlack},
        {"2;w 1;0", "1;b 0;1", 1, 1, 1, RoundGameWon, ColourWhite},
        {"2;w;\xBD", "1;b;\xBD", 1, .5, .5, RoundGameDrawn, ColourWhite},
        {"2;s;\xC2\xBD", "1;w;x", 1, .5, .5, RoundGameDrawn, ColourBlack},
        {"2;w;\xBD\xBD", "1;b;+", 0, 0, 0, RoundForfeitLost, ColourWhite},
        {"2;-;+", "1;-;-", 0, 0, 1, RoundForfeitWon, ColourNone},
        {"2;w;+", "1;b;-", 0, 0, 1, RoundForfeitWon, ColourWhite},
        {"2;b;-", "1;w;+", 0, 0, 0, RoundForfeitLost, ColourBlack},
        {"-;-;+", "-;-;-", 0, 0, 1, RoundPairingBye, ColourNone},
        {"-;-;1", "-;-;-", 0, 0, 1, RoundPairingBye, ColourNone},
        {"-;- +;1", "-;-;-", 0, 0, 1, RoundPairingBye, ColourNone},
        {"-;-;x", "-;-;-", 0, 0, .5, RoundHalfPointBye, ColourNone},
        {"-;-;\xC2\xBD", "-;-;-", 0, 0, .5, RoundHalfPointBye, ColourNone},
        {"-;-;-", "-;-;-", 0, 0, 0, RoundNotPaired, ColourNone},
        {";;", "-;-;-", 0, 0, 0, RoundNotPaired, ColourNone},
        {"-;w;1", "-;-;-", 0, 0, 0, RoundNotPaired, ColourWhite}};
    for (const auto& [cells, answer, games, gamePoints, totalPoints, kind, colour] : rows) {
        SCOPED_TRACE(cells);
        TournamentTable table;
        std::string reason;
        ASSERT_EQ(read(table, Top + "1;A;2000;" + cells + ";-;-;-\n2;B;1900;" + answer + ";-;-;-\n",
                       &reason),
                  StatusOk)
            << reason;
        EXPECT_EQ(table.gamesPlayed(0), games);
        EXPECT_EQ(table.gamesAgainst(0, 1), games);
        EXPECT_EQ(table.gamePoints(0), gamePoints);
        EXPECT_EQ(table.totalPoints(0), totalPoints);
        const RoundDetail detail = table.rounds(0)[0].detail;
        EXPECT_EQ(detail.kind, kind);
        EXPECT_EQ(detail.colour, colour);
        EXPECT_EQ(detail.points, totalPoints);
    }
}

// The last "Name" and "Rtg" count, and "SNo" before "No."; "Rd." alone is no round column,
// "12.Rd." is. Alice met Bob in two rounds; the others show what a rating field gives.
TEST(CrosstableReader, ColumnsAndRatingsComeFromTheHeader) {
    TournamentTable table;
    ASSERT_EQ(read(table,
                   "Title\nSNo;Rtg;Name;Rd.;No.;1.Rd.;;;12.Rd.;;;Rtg;Pts.\n"
                   "12;1;Al\0ice;2;3;2;w;x;2;b;1;2100;1\nx;1;Bob;1;4;1;b;x;1;w;0;;0\n"
                   "-3;1;C;;;;;;;;;-;\n;1;D;;;;;;;;;0;\n;1;E;;;;;;;;; 1875.5x;\n"s),
              StatusOk);
    EXPECT_EQ(table.name(0), "Al\0ice"s);  // a NUL byte stays inside its field
    EXPECT_EQ(table.gamesAgainst(0, 1), 2);
    EXPECT_EQ(table.gamesAgainst(1, 0), 2);
    EXPECT_EQ(table.maxGamesPlayed(), 2u);
    EXPECT_EQ(table.gamePoints(0), 1.5);
    EXPECT_EQ(table.gamePoints(1), 0.5);
    // Empty and "0" are unrated; "-" is text without a number, not an unrated player.
    const double ratings[] = {2100, 1400, 0, 1400, 1875.5};
    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(table.rating(i), ratings[i]) << i;
        EXPECT_EQ(table.isUnrated(i), i == 1 || i == 3) << i;
    }
    EXPECT_EQ(table.startNumber(0), 12u);
    EXPECT_EQ(table.startNumber(2), 0u);

    // Without a "Rtg" column the first field is the rating; without "SNo" "No." is the number.
    ASSERT_EQ(
        read(table, "T\nNo.;Name;Club;1.Rd.;;;2.Rd.;;\n2010;A;X;2;w;1;-;-;-\n0;B;Y;1;b;0;-;-;-\n"),
        StatusOk);
    EXPECT_EQ(table.rating(0), 2010.0);
    EXPECT_EQ(table.rating(1), 1400.0);
    EXPECT_EQ(table.startNumber(0), 2010u);
}

TEST(CrosstableReader, LineEndsByteOrderMarkAndBlankLines) {
    // The header on the first line, its "Name" first: a byte-order mark must not hide it.
    const auto lines = [](const std::string& end) {
        return "Name;Rtg;x;1.Rd.;;;2.Rd.;;" + end + "A;2000;;2;w;x;-;-;-" + end +
               "B;1900;;1;b;x;-;-;-" + end;
    };
    for (const std::string& text :
         {lines("\r\n"), lines("\r"), "\xEF\xBB\xBF" + lines("\n"), lines("\n") + "\n"}) {
        TournamentTable table;
        ASSERT_EQ(read(table, text), StatusOk);
        EXPECT_EQ(table.name(1), "B");
        EXPECT_EQ(table.gamePoints(1), 0.5);
        // A blank line at the end is one more player, without a name or a game.
        EXPECT_EQ(table.playerCount(), text.ends_with("\n\n") ? 3u : 2u);
    }
}

TEST(CrosstableReader, UnsuitableFilesAreRefusedWithTheirCodeAndReason) {
    const std::string noHeader = "no header line (a line with a field \"1.Rd.\")";
    std::string tooMany = Top;
    for (std::uint32_t i = 0; i <= TournamentTable::MaxPlayers; ++i)
        tooMany += "1;A;0\n";
    // The text, its code and the reason.
    const std::tuple<std::string, int, std::string> rows[] = {
        {"", ErrorUnsuitableFile, noHeader},
        {"No.;Name;Rtg; 1.Rd.;;;\n1\n2\n", ErrorUnsuitableFile, noHeader},  // the exact text only
        {"No.;Name;Rtg;1.Rd.;;;\n1;A;2000;-;-;-\n", ErrorUnsuitableFile,
         "the file has fewer than three lines (a title, the header, the players)"},
        {"T\nT\nNo.;Name;Rtg;1.Rd.;;;\n", ErrorUnsuitableFile,
         "line 3: no player line follows the header"},
        {"T\nNo.;Name;Rtg;1.Rd.;;\n1;A\n", ErrorUnsuitableFile,
         "line 2: the header has 6 fields, fewer than 7"},
        {"T\nNo.;Nom;Rtg;1.Rd.;;;x\n1;A\n", ErrorUnsuitableFile,
         "line 2: the header has no Name column"},
        {tooMany, ErrorTooManyPlayers,
         "2000001 player lines, more than the 2000000 this program reads"},
    };
    for (const auto& [text, code, expected] : rows) {
        TournamentTable table;
        std::string reason;
        EXPECT_EQ(read(table, text, &reason), code) << expected;
        EXPECT_EQ(reason, expected);
    }
}

}  // namespace
}  // namespace tiebreak
