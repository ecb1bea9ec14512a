// rp.log as a crash, a full disk or a hand edit may leave it: whatever is read back is a state
// the dialogs can show, and the file is only changed by writing a header.
#include <gtest/gtest.h>

#include <string>

#include "app/settings_log.h"
#include "tests/support/temp_files.h"

namespace tiebreak {
namespace {

bool digitsOnly(const std::string& text, std::size_t longest) {
    return text.size() <= longest && text.find_first_not_of("0123456789") == std::string::npos;
}

// The invariants the dialogs rely on; the message names the bytes that broke one.
void expectShowable(const SimpleDialogValues& simple, const AdvancedDialogValues& advanced,
                    const std::string& context) {
    EXPECT_GE(simple.sortingIndex, SortingRecursivePerformance) << context;
    EXPECT_LE(simple.sortingIndex, SortingNone) << context;
    EXPECT_TRUE(digitsOnly(simple.eloText, EloTextLength)) << context;
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
    EXPECT_TRUE(digitsOnly(advanced.eloText, EloTextLength)) << context;
}

class HostileSettings : public testing::Test {
protected:
    // Both read-backs of text as rp.log, checked; the file is left as it was.
    void readBack(const std::string& text, const std::string& context) {
        writeText(path_, text);
        SimpleDialogValues simple;
        AdvancedDialogValues advanced;
        static_cast<void>(log_.holdsAdvancedOptions());
        static_cast<void>(log_.readSimpleSection(simple));
        static_cast<void>(log_.readAdvancedSection(advanced));
        expectShowable(simple, advanced, context);
        EXPECT_EQ(readText(path_), text) << context;
    }

    TempDir dir_;
    std::string path_ = dir_.file("rp.log");
    SettingsLog log_{path_};
};

TEST_F(HostileSettings, TruncatedAtEveryByte) {
    ReplacedFile out = log_.writeAdvancedHeader(
        {"C:/t/open.txt", {1, 0, 1, -1}, {1, 0, 1, -1}, {2, 0, 9, 0}, {1, 0, 0, 0}, 0, 2345, 0, 1});
    out.stream() << "Executing methods...\n";
    out.close();
    const std::string advanced = readText(path_);
    log_.writeSimpleHeader({SortingNone, 1650});
    const std::string simple = readText(path_);
    for (const std::string* whole : {&advanced, &simple}) {
        for (std::size_t length = 0; length <= whole->size(); ++length) {
            readBack(whole->substr(0, length), "first " + std::to_string(length) + " bytes");
        }
    }
}

TEST_F(HostileSettings, OverlongWordsKeepTheDefaults) {
    const std::string word(10000, '7');
    const std::string hyphens(74, '-');
    readBack("Kavex options\nSimple:\nSorting: " + word + "\nElo: " + word + "\n" + hyphens + "\n",
             "simple");
    readBack("Kavex options\nAdvanced:\n" + std::string(10000, 'x') + "\nMethods: " + word +
                 " 0 0 0 \nModifications: 0 " + word + " 0 0 \nWorst: " + word +
                 " 0 0 0 \nBest: 0 0 0 0 \nSort: " + word + "\nElo: " + word + "\n",
             "advanced");
    AdvancedDialogValues values;
    static_cast<void>(log_.readAdvancedSection(values));
    EXPECT_EQ(values.eloText, "1400");
    EXPECT_EQ(values.methodIndex[0], ItemRecursivePerformance);
}

}  // namespace
}  // namespace tiebreak
