#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/option_views.h"
#include "app/progress_view.h"

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

}  // namespace tiebreak
