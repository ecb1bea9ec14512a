// The advanced dialog's enabling rules, the fields' rules of both dialogs, and rp.log's options
// header: what a start reads back from
// it, also when a crash, a full disk or a hand edit left it damaged. The header's bytes and its
// round trip through a finished run are held by the drivers' tests.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/advanced_rules.h"
#include "app/field_rules.h"
#include "app/settings_log.h"
#include "tests/support/temp_files.h"

namespace tiebreak {
namespace {

bool digitsOnly(const std::string& text, std::size_t longest) {
    return text.size() <= longest && text.find_first_not_of("0123456789") == std::string::npos;
}

class SettingsLogTest : public ::testing::Test {
protected:
    // Both read-backs of text as rp.log: a state the dialogs can show, and the file unchanged.
    // Only line 1 exactly "Kavex options" and line 2 beginning with "Advanced:" choose advanced
    // mode.
    void readBack(const std::string& text, const std::string& context) {
        writeText(path, text);
        SimpleDialogValues simple;
        AdvancedDialogValues advanced;
        EXPECT_EQ(log.holdsAdvancedOptions(), text.starts_with("Kavex options\nAdvanced:"))
            << context;
        static_cast<void>(log.readSimpleSection(simple));
        static_cast<void>(log.readAdvancedSection(advanced));
        EXPECT_TRUE(simple.sortingIndex >= SortingRecursivePerformance &&
                    simple.sortingIndex <= SortingNone)
            << context;
        EXPECT_TRUE(acceptedElo(simple.eloText)) << context;
        EXPECT_TRUE(advanced.methodIndex[0] == ItemRecursivePerformance ||
                    advanced.methodIndex[0] == ItemRecursiveBucholz)
            << context;
        for (int row = 0; row < MethodRowCount; ++row) {
            EXPECT_EQ(advanced.methodIndex[row] == NoSelection,
                      advanced.modificationIndex[row] == NoSelection)
                << context << " row " << row;
            EXPECT_TRUE(digitsOnly(advanced.worstText[row], CountTextLength)) << context;
            EXPECT_TRUE(digitsOnly(advanced.bestText[row], CountTextLength)) << context;
        }
        EXPECT_TRUE(acceptedElo(advanced.eloText)) << context;
        EXPECT_EQ(readText(path), text) << context;
    }

    TempDir dir;
    std::string path = dir.file("rp.log");
    SettingsLog log{path};
};

TEST_F(SettingsLogTest, TruncatedAtEveryByte) {
    ReplacedFile out = log.writeAdvancedHeader({"C:/t/open.txt",
                                                {1, 0, 1, -1},
                                                {1, 0, 1, -1},
                                                {2, 0, 9, 0},
                                                {1, 0, 0, 0},
                                                0,
                                                2345,
                                                0,
                                                1,
                                                1});
    out.stream() << "Executing methods...\n";
    out.close();
    const std::string advanced = readText(path);
    static_cast<void>(log.writeSimpleHeader({SortingNone, 1650, "C:/t/open.txt"}));
    const std::string simple = readText(path);
    const std::string lowerCase = "k" + advanced.substr(1);
    for (const std::string* whole : {&advanced, &simple, &lowerCase}) {
        for (std::size_t length = 0; length <= whole->size(); ++length)
            readBack(whole->substr(0, length), "first " + std::to_string(length) + " bytes");
    }
}

TEST_F(SettingsLogTest, UnwritableFileLosesTheHeaderQuietly) {
    const SettingsLog inMissingDir(dir.file("no/such/dir/rp.log"));
    static_cast<void>(inMissingDir.writeSimpleHeader({}));
    EXPECT_FALSE(inMissingDir.writeAdvancedHeader({}).isOpen());
    EXPECT_FALSE(inMissingDir.holdsAdvancedOptions());
}

std::string advancedText(const std::string& methods, const std::string& modifications,
                         const std::string& rest) {
    return "Kavex options\nAdvanced:\nf\nMethods: " + methods +
           "\nModifications: " + modifications + "\n" + rest;
}

// What cannot be read, or is not there, keeps the held value.
TEST_F(SettingsLogTest, KeepsDefaultsForWhatCannotBeRead) {
    AdvancedDialogValues rows{"f"};
    // Row 1 cannot show "no method", so it keeps its method and takes its modification. Row 2
    // has a method without a modification, row 3 the reverse, row 4 a method its list does not
    // have (kept: none) with a modification: rows 2 to 4 keep their default pairs.
    rows.modificationIndex[0] = 1;
    AdvancedDialogValues ranges = rows;  // only the numbers in range count
    ranges.worstText[1] = "3";
    ranges.bestText[3] = "4";
    ranges.headings = false;
    ranges.beep = true;
    // Everything from the first word that is not a number on keeps its default.
    AdvancedDialogValues notANumber{"f"};
    notANumber.methodIndex[0] = 1;
    const std::pair<std::string, AdvancedDialogValues> cases[] = {
        {advancedText("-1 1 -1 30 ", "1 -1 1 0 ", ""), rows},
        {advancedText("0 -1 -1 -1 ", "1 -1 -1 -1 ",
                      "Worst: 12 3 -1 0 \nBest: 0 0 0 4 \nSort: 2\nElo: 10000\nHeadings: 0\n"
                      "Beep: 1\n"),
         ranges},
        {advancedText("1 0 -1 -1 ", "0 x -1 -1 ", ""), notANumber}};
    for (const auto& [text, expected] : cases) {
        writeText(path, text);
        AdvancedDialogValues values;
        EXPECT_TRUE(log.readAdvancedSection(values));
        EXPECT_EQ(values, expected) << text;
    }
}

// OK takes the Elo field only as a rating in range: an empty field is never 0.
TEST(FieldRules, EloFieldTakesOnlyARatingInRange) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"", std::nullopt},     {"0", std::nullopt},    {"99", std::nullopt},
        {"100", 100},           {"0140", 140},          {"3000", 3000},
        {"3001", std::nullopt}, {"9999", std::nullopt}, {"12345", std::nullopt},
        {" 140", std::nullopt}, {"-140", std::nullopt}};
    for (const auto& [text, elo] : cases)
        EXPECT_EQ(acceptedElo(text), elo) << '"' << text << '"';
}

// The web page of the check box takes the .csv's name.
TEST(FieldRules, WebPageLiesBesideTheCsv) {
    const std::pair<std::string, std::string> cases[] = {
        {"/t/x.y.txt", "/t/x.y.html"}, {"open", "open.html"}, {"/t/t.CSV", "/t/t-tiebreaks.html"}};
    for (const auto& [input, page] : cases)
        EXPECT_EQ(webPagePathFor(input), page) << input;
}

enum Choice : int { MethodList, ModList };  // the list the user chooses from

struct RuleCase {
    const char* name;
    int row;
    int method;
    int modification;
    std::vector<std::pair<Choice, int>> choices;
    std::tuple<int, int, bool, bool> expected;  // the indexes, modification and average enabled
};

// A row opened with its selections, then the user's choices in order.
constexpr int Bh = ItemFirstFide + FideBh - FidePts;
constexpr int Tpr = ItemFirstFide + FideTpr - FidePts;

TEST(AdvancedRules, LeaveTheRowInItsState) {
    const RuleCase cases[] = {
        {"EmptyRowOpensDisabled", 2, -1, -1, {}, {-1, -1, false, false}},
        {"AverageOpensAverageControls", 3, 1, 1, {}, {1, 1, true, true}},
        {"AverageThenNone", 0, 0, 0, {{ModList, 1}, {ModList, 0}}, {0, 0, true, false}},
        {"DeleteEmptiesTheRow", 1, 0, 1, {{MethodList, ItemDelete}}, {-1, -1, false, false}},
        {"OtherMethodKeepsTheModification", 1, 0, 1, {{MethodList, 1}}, {1, 1, true, true}},
        {"AfterDelete", 1, 1, 1, {{MethodList, ItemDelete}, {MethodList, 0}}, {0, 0, true, false}},
        // A FIDE tie-break disables the modification; its counts are its cuts, where it takes
        // any (BH does, TPR does not), and a recursive method brings the list back.
        {"FideCodeTakesCuts", 0, 0, 1, {{MethodList, Bh}}, {Bh, 0, false, true}},
        {"FideCodeWithoutCuts", 2, -1, -1, {{MethodList, Tpr}}, {Tpr, 0, false, false}},
        {"FideOpensWithoutModification", 0, Bh, 0, {}, {Bh, 0, false, true}},
        {"BackFromFide", 1, Tpr, 0, {{MethodList, 1}}, {1, 0, true, false}}};
    for (const RuleCase& c : cases) {
        MethodRowState state = openedRow(c.row, c.method, c.modification);
        for (const auto& [choice, index] : c.choices)
            (choice == MethodList ? chooseMethod : chooseModification)(state, index);
        EXPECT_EQ(std::tuple(state.methodIndex, state.modificationIndex, state.modificationEnabled,
                             state.averageEnabled),
                  c.expected)
            << c.name;
    }
}

// # Worst and # Best are a FIDE row's cuts: 1 and 0 /C1, 1 and 1 /M1; counts the code does not
// take are refused naming the row and what it takes, and row 1's list has no "<delete>".
TEST(AdvancedRules, FideRowsTakeTheirCutsFromTheCounts) {
    EXPECT_EQ(rowFideTieBreak(Bh, "1", "1"), (FideTieBreak{FideBh, 1, 1}));
    EXPECT_EQ(rowFideTieBreak(Tpr, "3", "0"), (FideTieBreak{FideTpr}));
    EXPECT_EQ(rowFideTieBreak(ItemRecursiveBucholz, "1", "0"), std::nullopt);
    AdvancedDialogValues values;
    values.methodIndex[2] = ItemFirstFide + FideSb - FidePts;
    values.modificationIndex[2] = ItemNoModification;
    values.worstText[2] = "1";
    EXPECT_EQ(refusedFideRow(values), std::nullopt);
    values.bestText[2] = "1";
    EXPECT_EQ(refusedFideRow(values),
              "Method 3: SB takes no cut of # Worst 1 and # Best 1. It takes SB/C1 (# Worst 1, # "
              "Best 0), SB/C2 (# Worst 2, # Best 0), or both 0.");
    EXPECT_EQ(std::pair(itemAtPlace(0, 2), placeOfItem(0, Bh)), std::pair(ItemFirstFide, Bh - 1));
    EXPECT_EQ(methodItemTexts(1)[static_cast<std::size_t>(Bh)], "BH (Buchholz)");
}

}  // namespace
}  // namespace tiebreak
