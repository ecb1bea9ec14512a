// The mode loop and both drivers through scripted dialogs and recording notices, in a fresh
// directory that holds rp.log and is the working directory meanwhile.
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "app/tie_break_app.h"
#include "runs/error_messages.h"
#include "runs/run_codes.h"
#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"

namespace tiebreak {
namespace {

using Events = std::vector<std::string>;
const std::string Hyphens(74, '-');
const std::string OpenFile = "open file: Recursive performance tie-breaks - Open file";
// The worked example's iteration stops at its limit: the results take the direct solution, and
// the notice names rp.log.
const std::string Carried =
    "notice: The iteration of recursive performance stopped short of its solution: the results "
    "carry the direct solution of the system instead.\nCheck ";

// An options dialog that journals its name and the values of each showing, and plays back one
// answer per showing: how the user ends it, and on OK what he changed before. With no answer left
// it cannot be shown.
template <typename View, typename Values>
struct ScriptedOptions : View {
    ScriptedOptions(Events& journal, std::string title) : events(journal), name(std::move(title)) {}
    DialogOutcome show(Values& values) override {
        events.push_back(name);
        shown.push_back(values);
        if (answers.empty()) return DialogNotShown;
        const auto [outcome, edit] = answers.front();
        answers.pop_front();
        if (outcome == DialogOk) edit(values);
        return outcome;
    }
    Events& events;
    std::string name;
    std::deque<std::pair<DialogOutcome, std::function<void(Values&)>>> answers;
    std::vector<Values> shown;
};

// The file-open dialog: each choice takes the next answer (none left: the user cancelled). The
// progress window waits until the run has finished, and counts its waits; with a pipe to feed, it
// presses Cancel first.
struct ScriptedFilesAndProgress : InputFileView, ProgressView {
    explicit ScriptedFilesAndProgress(Events& journal) : events(journal) {}
    std::optional<ChosenFile> choose(std::string_view windowTitle) override {
        events.push_back("open file: " + std::string(windowTitle));
        if (answers.empty()) return std::nullopt;
        const std::optional<ChosenFile> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void waitFor(RunProgress& progress) override {
        ++waits;
        if (!pipe.empty()) cancelThenFeed(progress);
        while (!progress.finished())
            std::this_thread::yield();
    }
    // The crosstable reaches a run that reads the named pipe only once Cancel has been pressed, so
    // the run cannot finish first. A run that stopped before it read gets nothing.
    void cancelThenFeed(RunProgress& progress) {
        progress.cancel();
#ifndef _WIN32
        int fd = -1;
        while (fd < 0 && !progress.finished())
            fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);  // fails until the run reads
        if (fd < 0) return;
        EXPECT_EQ(write(fd, crosstable.data(), crosstable.size()),
                  static_cast<ssize_t>(crosstable.size()));
        close(fd);
#endif
    }
    Events& events;
    std::deque<std::optional<ChosenFile>> answers;
    int waits = 0;
    std::string pipe;  // empty: no Cancel
    std::string crosstable;
};

class Driver : public ::testing::Test {
protected:
    Driver() { std::filesystem::current_path(dir.path()); }
    ~Driver() override { std::filesystem::current_path(previous); }

    // The worked example copied into the test's directory under name.
    ChosenFile crosstable(const std::string& name) {
        std::filesystem::copy_file(RPT_TEST_DATA_DIR "/worked_example.txt", dir.path() / name);
        return {dir.file(name), ""};
    }
    std::string settings() const { return readText(settingsPath); }

    const std::filesystem::path previous = std::filesystem::current_path();
    TempDir dir;
    std::string settingsPath = dir.file("rp.log");
    Events events;  // every dialog, box, beep and opening, in order
    ScriptedOptions<SimpleOptionsView, SimpleDialogValues> simple{events, "simple dialog"};
    ScriptedOptions<AdvancedOptionsView, AdvancedDialogValues> advanced{events, "advanced dialog"};
    ScriptedFilesAndProgress files{events};
    RecordingNotices notices{events};
    std::ostringstream diagnostics;
    CTieBreakApp app{{simple, advanced, files, notices, notices, files}, diagnostics};
};

// Without rp.log the simple dialog comes first; a switch button writes nothing. The start finds
// rp.log in the working directory, and fails when that cannot be read.
TEST_F(Driver, SwitchButtonsCycleWithoutWritingTheSettings) {
    const std::string header = "Kavex options\nSimple:\nSorting: 2\nElo: 1500\n";
    app.runModeLoop(settingsPath);  // no answers: the view cannot show the dialog
    EXPECT_EQ(diagnostics.str(), "rptiebreaks: the options dialog could not be shown\n");
    writeText(settingsPath, header);
    simple.answers = {{DialogSwitchMode, {}}, {DialogSwitchMode, {}}};
    advanced.answers = {{DialogSwitchMode, {}}, {DialogCancel, {}}};
    EXPECT_EQ(app.initInstance(), 0);
    EXPECT_EQ(events, (Events{"simple dialog", "simple dialog", "advanced dialog", "simple dialog",
                              "advanced dialog"}));
    EXPECT_EQ(simple.shown[2], (SimpleDialogValues{SortingNone, "1500"}));
    EXPECT_EQ(settings(), header);
#ifndef _WIN32  // Windows keeps a working directory from being removed
    const std::filesystem::path gone = dir.path() / "gone";
    std::filesystem::create_directory(gone);
    std::filesystem::current_path(gone);
    std::filesystem::remove(gone);
    EXPECT_EQ(app.initInstance(), 1);
    EXPECT_EQ(events.size(), 5u);
    EXPECT_NE(diagnostics.str().find("rptiebreaks: cannot read the working directory"),
              std::string::npos);
#endif
}

// Cancelling the first file choice ends the program without writing rp.log. Then the first file
// chosen is deleted before the run reads it, as when another program removes it while the dialog
// is open: its error, then the file dialog again. The retry rewrote rp.log: one header, of the
// attempt that finished, and the next start shows its options.
TEST_F(Driver, SimpleRunRetriesARejectedFileAndFinishesBesideTheInput) {
    const std::string missing = dir.file("missing.txt");
    const auto edit = [](SimpleDialogValues& v) { v = {SortingNone, "1500"}; };
    simple.answers = {{DialogOk, edit}, {DialogOk, edit}};
    files.answers = {std::nullopt, crosstable("missing.txt"), crosstable("open.txt")};
    std::filesystem::remove(missing);
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_FALSE(std::filesystem::exists(settingsPath));
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_EQ(events, (Events{"simple dialog", OpenFile, "simple dialog", OpenFile,
                              "error: " + errorMessageText(ErrorCannotOpenFile, missing,
                                                           "the file cannot be read"),
                              OpenFile, Carried + settingsPath + " to find out about the problem.",
                              "open: " + dir.file("open.csv"), "beep"}));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("open.csv")));
    EXPECT_TRUE(settings().starts_with("Kavex options\nSimple:\nSorting: 2\nElo: 1500\nFile: " +
                                       dir.file("open.txt") + "\n" + Hyphens + "\nInput file: "))
        << settings();
    EXPECT_EQ(settings().rfind("Kavex options"), 0u);

    simple.answers = {{DialogSwitchMode, {}}};
    advanced.answers = {{DialogCancel, {}}};
    app.runModeLoop(settingsPath);
    EXPECT_EQ(simple.shown.back(), (SimpleDialogValues{SortingNone, "1500"}));
    EXPECT_EQ(advanced.shown.back().inputFile, dir.file("open.txt"));
}

// An empty file field becomes "<none>"; after the failure the dialog comes back with the options
// just accepted, which rp.log holds. The retry works while the progress window waits; its
// warnings, the openings of the .csv and the web page beside it, and the beep reach the user
// interface on this thread alone, and the next start shows its options.
TEST_F(Driver, AdvancedRunRetriesAndTheNextStartShowsItsOptions) {
    const auto edit = [](AdvancedDialogValues& v) {
        v.methodIndex[2] = ItemRecursiveBucholz;
        v.modificationIndex[2] = ItemRivalsAverage;
        v.worstText[2] = "3";
        v.eloText = "1600";
    };
    AdvancedDialogValues accepted{crosstable("x.y.txt").path};
    // Bucholz, performance, none, Bucholz; an empty count is 0.
    accepted.methodIndex = accepted.modificationIndex = {1, 0, -1, 1};
    accepted.worstText = {"1", "0", "3", ""};
    accepted.bestText = {"0", "2", "0", "1"};
    accepted.sort = accepted.headings = false;
    accepted.eloText = "1500";
    accepted.beep = accepted.webPage = true;
    advanced.answers = {{DialogOk, edit},
                        {DialogOk, [&](AdvancedDialogValues& v) { v = accepted; }}};
    EXPECT_EQ(app.runAdvancedMode(settingsPath), ModeExit);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[1], "error: " + errorMessageText(ErrorCannotOpenFile, "<none>",
                                                      "the file cannot be read"));
    AdvancedDialogValues failed{"<none>"};
    edit(failed);
    EXPECT_EQ(advanced.shown[1], failed);
    EXPECT_TRUE(settings().starts_with("Kavex options\nAdvanced:\n" + accepted.inputFile +
                                       "\nMethods: 1 0 -1 1 \nModifications: 1 0 -1 1 \n"
                                       "Worst: 1 0 3 0 \nBest: 0 2 0 1 \nSort: 0\nElo: 1500\n"
                                       "Headings: 0\nBeep: 1\nPage: 1\n" +
                                       Hyphens + "\n\nExecuting methods...\n"))
        << settings();
    EXPECT_EQ(events.back(), "beep");
    const auto opened = std::ranges::find(events, "open: " + dir.file("x.y.csv"));
    ASSERT_NE(opened, events.end());
    EXPECT_EQ(opened[1], "open: " + dir.file("x.y.html"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("x.y.html")));
    EXPECT_EQ(files.waits, 2);
    EXPECT_FALSE(notices.threads.empty());
    EXPECT_EQ(notices.threads,
              std::vector<std::thread::id>(notices.threads.size(), std::this_thread::get_id()));
    EXPECT_EQ(notices.openerThreads, std::vector<std::thread::id>(2, std::this_thread::get_id()));

    advanced.answers = {{DialogCancel, {}}};
    app.runModeLoop(settingsPath);
    accepted.worstText[3] = "0";
    EXPECT_EQ(advanced.shown.back(), accepted);
}

#ifndef _WIN32  // a named pipe holds the run at its reading until Cancel is pressed
// A run cancelled in the progress window, from either dialog, stops at its next phase: rp.log
// stays as it was, nothing else is written, and the dialog comes back as the user left it.
TEST_F(Driver, CancelledRunLeavesEverythingAsItWas) {
    const std::string header = "Kavex options\nSimple:\nSorting: 1\nElo: 1500\n";
    writeText(settingsPath, header);
    files.pipe = dir.file("open.txt");
    ASSERT_EQ(mkfifo(files.pipe.c_str(), 0600), 0);
    files.crosstable = readText(RPT_TEST_DATA_DIR "/worked_example.txt");
    files.answers = {ChosenFile{files.pipe, "open"}};
    simple.answers = {{DialogOk, [](SimpleDialogValues& v) { v.eloText = "1600"; }},
                      {DialogCancel, {}}};
    advanced.answers = {{DialogOk, [&](AdvancedDialogValues& v) { v.inputFile = files.pipe; }},
                        {DialogCancel, {}}};
    EXPECT_EQ(app.runSimpleMode(settingsPath), ModeExit);
    EXPECT_EQ(app.runAdvancedMode(settingsPath), ModeExit);
    EXPECT_EQ(events, (Events{"simple dialog", OpenFile, "simple dialog", "advanced dialog",
                              "advanced dialog"}));
    EXPECT_EQ(simple.shown[1].eloText, "1600");
    EXPECT_EQ(advanced.shown[1].inputFile, files.pipe);
    EXPECT_EQ(settings(), header);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}
#endif

}  // namespace
}  // namespace tiebreak
