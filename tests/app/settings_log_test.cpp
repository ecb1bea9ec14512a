#include "app/settings_log.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_files.h"

namespace tiebreak {
namespace {

const std::string Hyphens(74, '-');

std::string advancedText(const std::string& path, const std::string& methods,
                         const std::string& modifications, const std::string& rest) {
    return "Kavex options\nAdvanced:\n" + path + "\nMethods: " + methods +
           "\nModifications: " + modifications + "\n" + rest;
}

const std::string PlainRest =
    "Worst: 0 0 0 0 \nBest: 0 0 0 0 \nSort: 1\nElo: 1400\nHeadings: 1\n"
    "Beep: 0\n" +
    Hyphens + "\n";

class SettingsLogTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("rp.log");
    SettingsLog log{path};
};

TEST_F(SettingsLogTest, WritesTheSimpleHeaderByteForByte) {
    log.writeSimpleHeader({SortingRivalsWithoutWorst, 1400});
    EXPECT_EQ(readText(path), "Kavex options\nSimple:\nSorting: 1\nElo: 1400\n" + Hyphens + "\n");
}

TEST_F(SettingsLogTest, AdvancedHeaderStaysOpenForTheRunLog) {
    AdvancedOptions options{
        "/t/my cross.txt", {0, 1, -1, -1}, {1, 0, -1, -1}, {2, 0, 0, 9}, {3, 0, 0, 0}, 0, 0, 1, 1};
    ReplacedFile out = log.writeAdvancedHeader(options);
    out.stream() << "Executing methods...\n";
    out.close();
    EXPECT_EQ(readText(path),
              "Kavex options\nAdvanced:\n/t/my cross.txt\nMethods: 0 1 -1 -1 \n"
              "Modifications: 1 0 -1 -1 \nWorst: 2 0 0 9 \nBest: 3 0 0 0 \nSort: 0\nElo: 0\n"
              "Headings: 1\nBeep: 1\n" +
                  Hyphens + "\nExecuting methods...\n");
}

TEST_F(SettingsLogTest, AdvancedValuesComeBackAsWritten) {
    ReplacedFile out = log.writeAdvancedHeader(
        {"<none>", {1, 0, -1, 1}, {0, 1, -1, 0}, {0, 5, 7, 0}, {4, 0, 0, 1}, 0, 2345, 0, 1});
    out.stream() << "\nExecuting methods...\n\nNumber of iterations of Recursive Performance: 17\n";
    out.close();
    AdvancedDialogValues values;
    ASSERT_TRUE(log.readAdvancedSection(values));
    EXPECT_EQ(values.inputFile, "<none>");
    EXPECT_EQ(values.methodIndex, (std::array<int, 4>{1, 0, -1, 1}));
    EXPECT_EQ(values.modificationIndex, (std::array<int, 4>{0, 1, -1, 0}));
    EXPECT_EQ(values.worstText, (std::array<std::string, 4>{"0", "5", "7", "0"}));
    EXPECT_EQ(values.bestText, (std::array<std::string, 4>{"4", "0", "0", "1"}));
    EXPECT_FALSE(values.sort);
    EXPECT_EQ(values.eloText, "2345");
    EXPECT_FALSE(values.headings);
    EXPECT_TRUE(values.beep);
}

TEST_F(SettingsLogTest, UnwritableFileLosesTheHeaderQuietly) {
    const SettingsLog inMissingDir(dir.file("no/such/dir/rp.log"));
    inMissingDir.writeSimpleHeader({});
    EXPECT_FALSE(inMissingDir.writeAdvancedHeader({}).isOpen());
    EXPECT_FALSE(inMissingDir.holdsAdvancedOptions());
}

struct ModeCase {
    const char* name;
    std::string text;
    bool advanced;
};

void PrintTo(const ModeCase& row, std::ostream* out) {
    *out << row.name;
}

class SettingsLogMode : public SettingsLogTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(SettingsLogMode, ComesFromTheFirstTwoLines) {
    writeText(path, GetParam().text);
    EXPECT_EQ(log.holdsAdvancedOptions(), GetParam().advanced);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, SettingsLogMode,
    ::testing::Values(ModeCase{"Advanced", "Kavex options\nAdvanced:\n", true},
                      ModeCase{"Simple", "Kavex options\nSimple:\n", false},
                      ModeCase{"MarkWithoutColon", "Kavex options\nAdvanced\n", false},
                      ModeCase{"TitleInLowerCase", "kavex options\nAdvanced:\n", false},
                      ModeCase{"Empty", "", false}),
    [](const auto& row) { return std::string(row.param.name); });

struct AdvancedCase {
    const char* name;
    std::string text;
    void (*expect)(AdvancedDialogValues&);  // turns the defaults into the expected values
};

void PrintTo(const AdvancedCase& row, std::ostream* out) {
    *out << row.name;
}

class SettingsLogAdvanced : public SettingsLogTest,
                            public ::testing::WithParamInterface<AdvancedCase> {};

TEST_P(SettingsLogAdvanced, KeepsDefaultsForWhatCannotBeRead) {
    writeText(path, GetParam().text);
    AdvancedDialogValues values;
    AdvancedDialogValues expected;
    GetParam().expect(expected);
    static_cast<void>(log.readAdvancedSection(values));
    EXPECT_EQ(values.inputFile, expected.inputFile);
    EXPECT_EQ(values.methodIndex, expected.methodIndex);
    EXPECT_EQ(values.modificationIndex, expected.modificationIndex);
    EXPECT_EQ(values.worstText, expected.worstText);
    EXPECT_EQ(values.bestText, expected.bestText);
    EXPECT_EQ(values.sort, expected.sort);
    EXPECT_EQ(values.eloText, expected.eloText);
    EXPECT_EQ(values.headings, expected.headings);
    EXPECT_EQ(values.beep, expected.beep);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, SettingsLogAdvanced,
    ::testing::Values(
        // Row 1 cannot show "no method", so it keeps its method and takes its modification. Row 2
        // has a method without a modification, row 3 the reverse, row 4 a method its list does
        // not have (kept: none) with a modification: rows 2 to 4 keep their default pairs.
        AdvancedCase{"RowsThatDoNotGoTogether",
                     advancedText("f", "-1 1 -1 3 ", "1 -1 1 0 ", PlainRest),
                     [](AdvancedDialogValues& v) {
                         v.inputFile = "f";
                         v.modificationIndex[0] = 1;
                     }},
        AdvancedCase{"CountsOutOfRange",
                     advancedText("f", "0 -1 -1 -1 ", "1 -1 -1 -1 ",
                                  "Worst: 12 3 -1 0 \nBest: 0 0 0 4 \nSort: 2\nElo: 10000\n"
                                  "Headings: 0\nBeep: 1\n"),
                     [](AdvancedDialogValues& v) {
                         v.inputFile = "f";
                         v.modificationIndex[0] = 1;
                         v.worstText[1] = "3";
                         v.bestText[3] = "4";
                         v.headings = false;
                         v.beep = true;
                     }},
        // Everything from the first word that is not a number on keeps its default.
        AdvancedCase{"NotANumber", advancedText("f", "1 0 -1 -1 ", "0 x -1 -1 ", PlainRest),
                     [](AdvancedDialogValues& v) {
                         v.inputFile = "f";
                         v.methodIndex[0] = 1;
                     }}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tiebreak
