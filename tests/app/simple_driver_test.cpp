#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tie_break_app.h"
#include "runs/error_messages.h"
#include "runs/run_codes.h"
#include "tests/app/app_fixture.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;
const std::string OpenFile = "open file: Recursive performance tie-breaks - Open file";

std::string simpleHeader(int sorting, int elo) {
    return "Kavex options\nSimple:\nSorting: " + std::to_string(sorting) +
           "\nElo: " + std::to_string(elo) + "\n" + std::string(74, '-') + "\n";
}

class SimpleDriver : public AppFixture {
protected:
    // The worked example copied into the test's directory under name.
    ChosenFile crosstable(const std::string& name, const std::string& title) {
        std::filesystem::copy_file(RPT_TEST_DATA_DIR "/worked_example.txt", dir.path() / name);
        return {dir.file(name), title};
    }
    std::string settings() const { return readText(settingsPath); }
};

TEST_F(SimpleDriver, FinishedRunOpensTheCsvBesideTheInputAndTheNextStartShowsItsOptions) {
    simple.answers = {{DialogOk, [](SimpleDialogValues& v) {
                           v.sortingIndex = SortingNone;
                           v.eloText = "1500";
                       }}};
    files.answers = {crosstable("open.txt", "open")};
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_EQ(events, (Events{"simple dialog", OpenFile, "open: " + dir.file("open.csv"), "beep"}));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("open.csv")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("output_aux_rp.txt")));
    const std::string header = simpleHeader(SortingNone, 1500);
    EXPECT_EQ(settings().substr(0, header.size()), header);
    EXPECT_GT(settings().size(), header.size()) << "the run log follows the header";

    simple.answers = {{DialogCancel}};
    app.runModeLoop(settingsPath);
    EXPECT_EQ(simple.shown.back(), (SimpleDialogValues{SortingNone, "1500"}));
}

TEST_F(SimpleDriver, CancellingTheFileChoiceEndsWithoutWritingTheSettings) {
    simple.answers = {{DialogOk}};
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_EQ(events, (Events{"simple dialog", OpenFile}));
    EXPECT_FALSE(std::filesystem::exists(settingsPath));
}

TEST_F(SimpleDriver, AdvancedButtonSwitchesWithoutAskingForAFile) {
    simple.answers = {{DialogSwitchMode}};
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeAdvanced);
    EXPECT_EQ(events, (Events{"simple dialog"}));
}

// The first file chosen is deleted before the run reads it, as when another program removes it
// while the dialog is open.
TEST_F(SimpleDriver, RejectedInputShowsItsErrorAndAsksForAnotherFile) {
    const std::string missing = dir.file("missing.txt");
    simple.answers = {{DialogOk, [](SimpleDialogValues& v) { v.eloText = "1700"; }}};
    files.answers = {crosstable("missing.txt", "missing"), crosstable("open.txt", "open")};
    std::filesystem::remove(missing);
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_EQ(events, (Events{"simple dialog", OpenFile,
                              "error: " + errorMessageText(ErrorCannotOpenFile, missing,
                                                           "the file cannot be read"),
                              OpenFile, "open: " + dir.file("open.csv"), "beep"}));
    // The retry rewrote the file: one header, of the attempt that finished.
    const std::string text = settings();
    EXPECT_EQ(text.rfind("Kavex options"), 0u) << text;
    EXPECT_EQ(text.substr(0, simpleHeader(0, 1700).size()), simpleHeader(0, 1700));
}

TEST_F(SimpleDriver, ResultsThatCannotBeWrittenAskForAnotherFile) {
    std::filesystem::create_directory(dir.path() / "open.csv");  // no file can be created there
    const std::string results = dir.file("open.csv");
    simple.answers = {{DialogOk}};
    files.answers = {crosstable("open.txt", "open"), std::nullopt};
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_EQ(events,
              (Events{"simple dialog", OpenFile,
                      "error: " + errorMessageText(ErrorCannotCreateOutput, results), OpenFile}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("output_aux_rp.txt")));
    // The failed attempt leaves its header and its log.
    const std::string header = simpleHeader(0, 1400);
    EXPECT_EQ(settings().substr(0, header.size()), header);
    EXPECT_NE(settings().find("Output file: output_aux_rp.txt"), std::string::npos) << settings();
}

}  // namespace
}  // namespace tiebreak
