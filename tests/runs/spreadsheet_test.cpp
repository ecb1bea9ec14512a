#include "runs/spreadsheet.h"

#include <filesystem>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "runs/run_codes.h"
#include "tests/runs/run_fixture.h"

namespace tiebreak {
namespace {

struct ConversionCase {
    const char* name;
    Separators separators;
    const char* source;
    const char* target;
};

class Conversion : public RunFixture, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(Conversion, SubstitutesTheSeparatorsAndQuotesWhereNeeded) {
    const ConversionCase& row = GetParam();
    notices.localeSeparators = row.separators;
    writeText("table.txt", row.source);
    EXPECT_EQ(convertToSpreadsheet("table.txt", "table.csv", notices), 0);
    EXPECT_EQ(readBytes("table.csv"), row.target);
}

// The '.' is replaced first, then the ';'. A field that then holds the list separator is quoted,
// so a name or a number with it stays one column.
INSTANTIATE_TEST_SUITE_P(
    Tables, Conversion,
    ::testing::Values(ConversionCase{"Empty", {',', ';'}, "", ""},
                      ConversionCase{"NothingToReplace", {',', ';'}, "NAME PTS\n", "NAME PTS\n"},
                      ConversionCase{"CommaDecimal",
                                     {',', ';'},
                                     "A;5.5;  2345.678000000000\n",
                                     "A;5,5;  2345,678000000000\n"},
                      ConversionCase{"PointDecimal",
                                     {'.', ','},
                                     "A;5.5;  2345.678000000000\n",
                                     "A,5.5,  2345.678000000000\n"},
                      ConversionCase{
                          "DotInANameToo", {',', ';'}, "Smith, J.;2.5\n", "Smith, J,;2,5\n"},
                      ConversionCase{"NameWithTheListSeparatorIsQuoted",
                                     {'.', ','},
                                     "Lindqvist, Elin;              2.5;  2117.2\n",
                                     "\"Lindqvist, Elin\",              2.5,  2117.2\n"},
                      ConversionCase{"QuotesAreDoubled",
                                     {',', ';'},
                                     "Smith, J. \"Jack\";2.5\r\nB;1.0\r\n",
                                     "\"Smith, J, \"\"Jack\"\"\";2,5\r\nB;1,0\r\n"},
                      ConversionCase{"SemicolonDecimal", {';', ','}, "1.5;2\n", "\"1,5\",2\n"}),
    RowName{});

class Spreadsheet : public RunFixture {};

TEST_F(Spreadsheet, TheSourceIsRemovedWhateverTheConversionGave) {
    writeText("table.txt", "A;1.0\n");
    EXPECT_EQ(convertAndRemove("table.txt", "nowhere/table.csv", notices), ErrorCannotCreateOutput);
    EXPECT_FALSE(std::filesystem::exists("table.txt"));
    writeText("table.txt", "A;1.0\n");
    EXPECT_EQ(convertAndRemove("table.txt", "table.csv", notices), 0);
    EXPECT_FALSE(std::filesystem::exists("table.txt"));
    EXPECT_EQ(readBytes("table.csv"), "A;1.0\n");
}

struct PathCase {
    const char* name;
    const char* input;
    const char* csv;
};

class CsvPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(CsvPath, ReplacesTheFileNamesExtension) {
    EXPECT_EQ(csvPathFor(GetParam().input), GetParam().csv);
}

#ifdef _WIN32
// Both separators end a directory name.
constexpr PathCase SeparatorCase{"Backslashes", "C:\\a.b\\cross", "C:\\a.b\\cross.csv"};
#else
// A backslash is an ordinary character of a file name here.
constexpr PathCase SeparatorCase{"BackslashInAName", "/t/a.b\\cross", "/t/a.csv"};
#endif

INSTANTIATE_TEST_SUITE_P(
    Paths, CsvPath,
    ::testing::Values(PathCase{"Extension", "/t/cross.txt", "/t/cross.csv"},
                      PathCase{"DotInDirectoryOnly", "/a.b/cross", "/a.b/cross.csv"},
                      PathCase{"NoDirectory", "cross.txt", "cross.csv"},
                      PathCase{"TwoDots", "/t/x.y.txt", "/t/x.y.csv"},
                      PathCase{"NoExtension", "open", "open.csv"},
                      // An input that is a .csv itself is never overwritten by its results.
                      PathCase{"CsvInput", "/t/tourney.csv", "/t/tourney-tiebreaks.csv"},
                      PathCase{"CsvInputInCapitals", "/t/T.CSV", "/t/T-tiebreaks.csv"},
                      SeparatorCase),
    RowName{});

}  // namespace
}  // namespace tiebreak
