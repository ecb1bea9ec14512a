#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tie_break_app.h"
#include "engine/engine_codes.h"
#include "runs/run_codes.h"
#include "tests/app/app_fixture.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;

TEST_F(AppFixture, FirstStartWithoutSettingsShowsTheSimpleDefaults) {
    simple.answers = {{DialogCancel}};
    app.runModeLoop(settingsPath);
    EXPECT_EQ(events, (Events{"simple dialog"}));
    ASSERT_EQ(simple.shown.size(), 1u);
    EXPECT_EQ(simple.shown[0].sortingIndex, SortingRecursivePerformance);
    EXPECT_EQ(simple.shown[0].eloText, "1400");
    EXPECT_FALSE(std::filesystem::exists(settingsPath)) << "Cancel must not create rp.log";
}

TEST_F(AppFixture, SwitchButtonsCycleWithoutWritingTheSettings) {
    const std::string header = "Kavex options\nSimple:\nSorting: 2\nElo: 1500\n";
    writeText(settingsPath, header);
    simple.answers = {{DialogSwitchMode}, {DialogSwitchMode}};
    advanced.answers = {{DialogSwitchMode}, {DialogCancel}};
    app.runModeLoop(settingsPath);
    EXPECT_EQ(events,
              (Events{"simple dialog", "advanced dialog", "simple dialog", "advanced dialog"}));
    EXPECT_EQ(simple.shown[1].sortingIndex, SortingNone);
    EXPECT_EQ(simple.shown[1].eloText, "1500");
    EXPECT_EQ(readText(settingsPath), header);
}

TEST_F(AppFixture, DialogThatCannotBeShownEndsTheProgramWithAMessage) {
    app.runModeLoop(settingsPath);  // no answers: the view cannot show the dialog
    EXPECT_EQ(events, (Events{"simple dialog"}));
    EXPECT_EQ(diagnostics.str(), "rptiebreaks: the options dialog could not be shown\n");
}

TEST_F(AppFixture, StartUpFindsTheSettingsInTheWorkingDirectory) {
    writeText(settingsPath, "Kavex options\nAdvanced:\n");
    advanced.answers = {{DialogCancel}};
    EXPECT_EQ(app.initInstance(), 0);
    EXPECT_EQ(events, (Events{"advanced dialog"}));
    EXPECT_EQ(settingsPathIn(dir.path()), (dir.path() / "rp.log").string());
}

TEST_F(AppFixture, UnreadableWorkingDirectoryEndsTheProgramWithAMessage) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps a working directory from being removed";
#endif
    const std::filesystem::path gone = dir.path() / "gone";
    std::filesystem::create_directory(gone);
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    EXPECT_EQ(app.initInstance(), 1);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(diagnostics.str().rfind("rptiebreaks: cannot read the working directory", 0), 0u)
        << diagnostics.str();
}

}  // namespace
}  // namespace tiebreak
