#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/tie_break_app.h"
#include "runs/error_messages.h"
#include "runs/run_codes.h"
#include "tests/app/app_fixture.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;
const std::string Hyphens(74, '-');

std::string cannotOpen(const std::string& path) {
    return "error: " + errorMessageText(ErrorCannotOpenFile, path, "the file cannot be read");
}

bool startsWith(const std::string& text, const std::string& head) {
    return text.compare(0, head.size(), head) == 0;
}

class AdvancedDriver : public AppFixture {
protected:
    std::string settings() const { return readText(settingsPath); }
};

TEST_F(AdvancedDriver, FinishedRunWritesIndexesAndTheNextStartShowsThem) {
    std::filesystem::copy_file(RPT_TEST_DATA_DIR "/worked_example.txt", dir.path() / "x.y.txt");
    const std::string input = dir.file("x.y.txt");
    AdvancedDialogValues accepted;
    accepted.inputFile = input;
    accepted.methodIndex = {ItemRecursiveBucholz, ItemRecursivePerformance, NoSelection,
                            ItemRecursiveBucholz};
    accepted.modificationIndex = {ItemRivalsAverage, ItemNoModification, NoSelection,
                                  ItemRivalsAverage};
    accepted.worstText = {"1", "0", "3", ""};  // an empty count is 0
    accepted.bestText = {"0", "2", "0", "1"};
    accepted.sort = false;
    accepted.eloText = "1500";
    accepted.headings = false;
    accepted.beep = true;
    advanced.answers = {{DialogOk, [&](AdvancedDialogValues& v) { v = accepted; }}};
    EXPECT_EQ(app.runAdvancedMode(settingsPath), ModeExit);

    EXPECT_TRUE(startsWith(settings(), "Kavex options\nAdvanced:\n" + input +
                                           "\nMethods: 1 0 -1 1 \nModifications: 1 0 -1 1 \n"
                                           "Worst: 1 0 3 0 \nBest: 0 2 0 1 \nSort: 0\nElo: 1500\n"
                                           "Headings: 0\nBeep: 1\n" +
                                           Hyphens + "\n\nExecuting methods...\n"))
        << settings();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "advanced dialog");
    EXPECT_EQ(events.back(), "beep");
    EXPECT_NE(std::find(events.begin(), events.end(), "open: " + dir.file("x.y.csv")),
              events.end());
    EXPECT_FALSE(std::filesystem::exists(dir.file("output_aux_rp.txt")));
    // The run worked while the progress window waited; its warnings, the opening and the beep
    // reached the user interface on this thread alone.
    EXPECT_EQ(progress.waits, 1);
    EXPECT_FALSE(notices.threads.empty());
    EXPECT_EQ(notices.threads,
              std::vector<std::thread::id>(notices.threads.size(), std::this_thread::get_id()));
    EXPECT_EQ(notices.openerThreads, std::vector<std::thread::id>{std::this_thread::get_id()});

    advanced.answers = {{DialogCancel}};
    app.runModeLoop(settingsPath);
    accepted.worstText[3] = "0";
    EXPECT_EQ(advanced.shown.back(), accepted);
}

TEST_F(AdvancedDriver, FailedRunBringsTheDialogBackWithTheAcceptedOptions) {
    advanced.answers = {{DialogOk,
                         [](AdvancedDialogValues& v) {
                             v.inputFile.clear();
                             v.methodIndex[2] = ItemRecursiveBucholz;
                             v.modificationIndex[2] = ItemRivalsAverage;
                             v.worstText[2] = "3";
                             v.eloText = "1600";
                         }},
                        {DialogCancel}};
    EXPECT_EQ(app.runAdvancedMode(settingsPath), ModeExit);
    EXPECT_EQ(events, (Events{"advanced dialog", cannotOpen("<none>"), "advanced dialog"}));
    AdvancedDialogValues expected;
    expected.inputFile = "<none>";
    expected.methodIndex[2] = ItemRecursiveBucholz;
    expected.modificationIndex[2] = ItemRivalsAverage;
    expected.worstText[2] = "3";
    expected.eloText = "1600";
    EXPECT_EQ(advanced.shown[1], expected);
    EXPECT_TRUE(startsWith(settings(), "Kavex options\nAdvanced:\n<none>\nMethods: 0 -1 1 -1 \n"));
    EXPECT_NE(settings().find("Unsuitable input file.\n"), std::string::npos) << settings();
}

TEST_F(AdvancedDriver, LessOptionsSwitchesWithoutWritingTheSettings) {
    advanced.answers = {{DialogSwitchMode}};
    EXPECT_EQ(app.runAdvancedMode(settingsPath), ModeSimple);
    EXPECT_EQ(events, (Events{"advanced dialog"}));
    EXPECT_FALSE(std::filesystem::exists(settingsPath));
}

}  // namespace
}  // namespace tiebreak
