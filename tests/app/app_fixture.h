#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/tie_break_app.h"
#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"

namespace tiebreak {

// What the user does with one showing of an options dialog: how it ends, and on OK what was
// changed before.
template <typename Values>
struct DialogAnswer {
    DialogOutcome outcome = DialogOk;
    std::function<void(Values&)> edit = [](Values&) {};
};

// An options dialog that plays back the user's answers, one per showing, and records the values
// each showing was filled with. With no answer left it cannot be shown.
template <typename View, typename Values>
class ScriptedOptions : public View {
public:
    ScriptedOptions(std::vector<std::string>& events, std::string name)
        : events_(events), name_(std::move(name)) {}

    std::deque<DialogAnswer<Values>> answers;
    std::vector<Values> shown;

    DialogOutcome show(Values& values) override {
        events_.push_back(name_);
        shown.push_back(values);
        if (answers.empty()) return DialogNotShown;
        const DialogAnswer<Values> answer = answers.front();
        answers.pop_front();
        if (answer.outcome == DialogOk) answer.edit(values);
        return answer.outcome;
    }

private:
    std::vector<std::string>& events_;
    std::string name_;
};

using ScriptedSimpleOptions = ScriptedOptions<SimpleOptionsView, SimpleDialogValues>;
using ScriptedAdvancedOptions = ScriptedOptions<AdvancedOptionsView, AdvancedDialogValues>;

// The file-open dialog: each choice takes the next answer (nothing: the user cancelled).
class ScriptedFiles : public InputFileView {
public:
    explicit ScriptedFiles(std::vector<std::string>& events) : events_(events) {}

    std::deque<std::optional<ChosenFile>> answers;

    std::optional<ChosenFile> choose(std::string_view windowTitle) override {
        events_.push_back("open file: " + std::string(windowTitle));
        if (answers.empty()) return std::nullopt;
        std::optional<ChosenFile> answer = answers.front();
        answers.pop_front();
        return answer;
    }

private:
    std::vector<std::string>& events_;
};

// The progress window: waits until the run has finished, and counts its waits.
class WaitingProgress : public ProgressView {
public:
    void waitFor(const RunProgress& progress) override {
        ++waits;
        while (!progress.finished())
            std::this_thread::yield();
    }

    int waits = 0;
};

// The application on scripted dialogs and recording notices, working in a fresh directory that
// holds rp.log and becomes the working directory for the test.
class AppFixture : public ::testing::Test {
protected:
    AppFixture() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir.path());
    }
    ~AppFixture() override { std::filesystem::current_path(previous_); }

    TempDir dir;
    std::string settingsPath = dir.file("rp.log");
    std::vector<std::string> events;  // every dialog, box, beep and opening, in order
    ScriptedSimpleOptions simple{events, "simple dialog"};
    ScriptedAdvancedOptions advanced{events, "advanced dialog"};
    ScriptedFiles files{events};
    RecordingNotices notices{events};
    WaitingProgress progress;
    std::ostringstream diagnostics;
    CTieBreakApp app{{simple, advanced, files, notices, notices, progress}, diagnostics};

private:
    std::filesystem::path previous_;
};

}  // namespace tiebreak
