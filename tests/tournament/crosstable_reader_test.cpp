#include "tournament/crosstable_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tournament/status_codes.h"
#include "tournament/text_file.h"

namespace tiebreak {
namespace {

constexpr const char* Title = "Open 2026\n";
constexpr const char* Header = "No.;Name;Rtg;1.Rd.;;;2.Rd.;;\n";

// The text as the reader gets it from a file (after the line split, which takes the byte-order
// mark off).
int read(TournamentTable& table, const std::string& text, int elo = 1400,
         std::string* reason = nullptr) {
    return readCrosstableLines(table, splitLines(text), elo, reason);
}

// One round cell of the first player, against the second player when it names one.
struct CellCase {
    const char* name;
    const char* cells;  // fields c, c+1, c+2 joined by ';'
    int games;
    double gamePoints;
    double totalPoints;
};

void PrintTo(const CellCase& cell, std::ostream* out) {
    *out << cell.name;
}

class RoundCell : public testing::TestWithParam<CellCase> {};

TEST_P(RoundCell, DecodesToGamesAndPoints) {
    const CellCase& cell = GetParam();
    TournamentTable table;
    const std::string text =
        std::string(Title) + Header + "1;A;2000;" + cell.cells + ";-;-;-\n2;B;1900;-;-;-;-;-;-\n";
    ASSERT_EQ(read(table, text), StatusOk);
    EXPECT_EQ(table.gamesPlayed(0), cell.games);
    EXPECT_EQ(table.gamesAgainst(0, 1), cell.games);
    EXPECT_EQ(table.gamePoints(0), cell.gamePoints);
    EXPECT_EQ(table.totalPoints(0), cell.totalPoints);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RoundCell,
    testing::Values(CellCase{"Win", "2;w;1", 1, 1.0, 1.0}, CellCase{"Loss", "2;w;0", 1, 0.0, 0.0},
                    CellCase{"Draw", "2;b;x", 1, 0.5, 0.5},
                    CellCase{"UnplayedWin", "-;-;+", 0, 0.0, 1.0},
                    CellCase{"UnplayedLoss", "-;-;-", 0, 0.0, 0.0},
                    CellCase{"UnplayedDraw", "-;-;x", 0, 0.0, 0.5},
                    CellCase{"UnplayedWinWithOne", "-;-;1", 0, 0.0, 1.0},
                    CellCase{"ForfeitAgainstNamedOpponent", "2;-;+", 0, 0.0, 1.0},
                    CellCase{"ColourThenPlusIsNothing", "2;w;+", 0, 0.0, 0.0},
                    CellCase{"WholeCodeInColourField", "-;- +;1", 0, 0.0, 1.0},
                    CellCase{"WholeCodeGameInColourField", "2;w 1;0", 1, 1.0, 1.0},
                    CellCase{"EmptyCell", ";;", 0, 0.0, 0.0},
                    CellCase{"WinWithoutOpponent", "-;w;1", 0, 0.0, 0.0},
                    CellCase{"OpponentBeyondTable", "3;w;1", 0, 0.0, 0.0},
                    CellCase{"HugeOpponent", "99999999999;w;1", 0, 0.0, 0.0},
                    CellCase{"BlankThenNegativeOpponent", " -5;w;1", 0, 0.0, 0.0},
                    CellCase{"OpponentWithBlanks", " 2 ;w;1", 1, 1.0, 1.0},
                    CellCase{"HalfSignWindows1252", "2;w;\xBD", 1, 0.5, 0.5},
                    CellCase{"HalfSignUtf8", "2;b;\xC2\xBD", 1, 0.5, 0.5},
                    CellCase{"HalfSignBye", "-;-;\xC2\xBD", 0, 0.0, 0.5},
                    CellCase{"HalfSignAmongOtherText", "2;w;\xBD\xBD", 0, 0.0, 0.0}),
    [](const testing::TestParamInfo<CellCase>& row) { return std::string(row.param.name); });

TEST(CrosstableReader, RatingsFromTheRatingColumn) {
    TournamentTable table;
    const std::string text = std::string(Title) + Header + "1;A;2150;-;-;-\n2;B;;-;-;-\n" +
                             "3;C;-;-;-;-\n4;D;0;-;-;-\n5;E; 1875.5x;-;-;-\n";
    ASSERT_EQ(read(table, text, 1500), StatusOk);
    EXPECT_EQ(table.rating(0), 2150.0);
    EXPECT_EQ(table.rating(1), 1500.0);
    EXPECT_EQ(table.rating(2), 0.0);  // "-" is text without a number, not an unrated player
    EXPECT_EQ(table.rating(3), 1500.0);
    EXPECT_EQ(table.rating(4), 1875.5);
}

TEST(CrosstableReader, HeaderWithoutRtgTakesTheFirstField) {
    TournamentTable table;
    const std::string text =
        std::string(Title) + "No.;Name;Club;1.Rd.;;;2.Rd.;;\n2010;A;X;2;w;1\n0;B;Y;1;b;0\n";
    ASSERT_EQ(read(table, text), StatusOk);
    EXPECT_EQ(table.rating(0), 2010.0);
    EXPECT_EQ(table.rating(1), 1400.0);
}

TEST(CrosstableReader, ColumnsComeFromTheHeader) {
    TournamentTable table;
    // The last "Name" and "Rtg" count; "Rd." alone is no round column, "12.Rd." is.
    const std::string text = std::string(Title) +
                             "Name;Rtg;Name;Rd.;x;1.Rd.;;;12.Rd.;;;Rtg;Pts.\n"
                             "ignored;1;Alice;2;w;-;-;-;2;b;1;2100;1\n"
                             "ignored;1;Bob;1;w;-;-;-;1;w;0;2000;0\n";
    ASSERT_EQ(read(table, text), StatusOk);
    EXPECT_EQ(table.name(0), "Alice");
    EXPECT_EQ(table.rating(0), 2100.0);
    EXPECT_EQ(table.gamesPlayed(0), 1);  // the "12.Rd." round, not the fields after "Rd."
    EXPECT_EQ(table.gamePoints(0), 1.0);
    EXPECT_EQ(table.gamePoints(1), 0.0);
}

TEST(CrosstableReader, LineEndsByteOrderMarkAndBlankLines) {
    const std::string plain = std::string(Title) + Header + "1;A;2000;2;w;x\n2;B;1900;1;b;x\n";
    std::string crlf;
    std::string cr;  // old Mac files
    for (char c : plain) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    for (const std::string& text : {crlf, cr, "\xEF\xBB\xBF" + plain}) {
        TournamentTable table;
        ASSERT_EQ(read(table, text), StatusOk);
        ASSERT_EQ(table.playerCount(), 2u);
        EXPECT_EQ(table.name(1), "B");
        EXPECT_EQ(table.gamePoints(1), 0.5);
    }
    // The mark before a header on the first line must not hide it.
    TournamentTable marked;
    EXPECT_EQ(read(marked,
                   "\xEF\xBB\xBF"
                   "No.;Name;Rtg;1.Rd.;;;x\n1;A;1;-;-;-\n2;B;1;-;-;-\n"),
              StatusOk);
    // A blank line at the end is a player with an empty name, the unrated Elo and no games.
    TournamentTable table;
    ASSERT_EQ(read(table, plain + "\n"), StatusOk);
    ASSERT_EQ(table.playerCount(), 3u);
    EXPECT_EQ(table.name(2), "");
    EXPECT_EQ(table.rating(2), 1400.0);
    EXPECT_EQ(table.gamesPlayed(2), 0);
}

struct FailureCase {
    const char* name;
    std::string text;
    int code;
    std::string reason;
};

void PrintTo(const FailureCase& file, std::ostream* out) {
    *out << file.name;
}

const std::string NoHeader = "no header line (a line with a field \"1.Rd.\")";

class UnsuitableFile : public testing::TestWithParam<FailureCase> {};

TEST_P(UnsuitableFile, IsRefusedWithItsCodeAndReason) {
    TournamentTable table;
    std::string reason;
    EXPECT_EQ(read(table, GetParam().text, 1400, &reason), GetParam().code);
    EXPECT_EQ(reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnsuitableFile,
    testing::Values(
        FailureCase{"Empty", "", ErrorCannotOpenFile, NoHeader},
        FailureCase{"NoHeader", "a;b\nc;d\ne;f\n", ErrorCannotOpenFile, NoHeader},
        FailureCase{"HeaderAndOnePlayerOnly", std::string(Header) + "1;A;2000;-;-;-\n",
                    ErrorCannotOpenFile,
                    "the file has fewer than three lines (a title, the header, the players)"},
        FailureCase{"HeaderIsLastLine", std::string(Title) + Title + Header, StatusInvalidArgument,
                    "line 3: no player line follows the header"},
        FailureCase{"SixFieldHeader", std::string(Title) + "No.;Name;Rtg;1.Rd.;;\n1;A\n",
                    ErrorCannotOpenFile, "line 2: the header has 6 fields, fewer than 7"},
        FailureCase{"HeaderWithoutName", std::string(Title) + "No.;Nom;Rtg;1.Rd.;;;x\n1;A\n",
                    ErrorCannotOpenFile, "line 2: the header has no Name column"},
        FailureCase{"RoundFieldNeedsExactText", std::string(Title) + "No.;Name;Rtg; 1.Rd.;;;\n1\n",
                    ErrorCannotOpenFile, NoHeader}),
    [](const testing::TestParamInfo<FailureCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
