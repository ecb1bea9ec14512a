#pragma once

#include <mutex>
#include <string>
#include <utility>

namespace tiebreak {

// How far a run on a worker thread has got: the worker sets the phase's text and, last of all,
// marks the run finished; the user interface thread reads both while it waits, and may ask the
// run to stop.
class RunProgress {
public:
    void setPhase(std::string text) {
        const std::lock_guard lock(mutex_);
        phase_ = std::move(text);
    }
    [[nodiscard]] std::string phase() const {
        const std::lock_guard lock(mutex_);
        return phase_;
    }
    void finish() {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    [[nodiscard]] bool finished() const {
        const std::lock_guard lock(mutex_);
        return finished_;
    }
    // The user cancelled: the run stops when it enters its next phase.
    void cancel() {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    [[nodiscard]] bool cancelled() const {
        const std::lock_guard lock(mutex_);
        return cancelled_;
    }

private:
    mutable std::mutex mutex_;
    std::string phase_;
    bool finished_ = false;
    bool cancelled_ = false;
};

// The small modal window of a long run: the program's name, the phase, a moving indicator and
// Cancel.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Returns once progress is finished, keeping the user interface alive meanwhile. When that
    // takes more than about half a second, the window shows progress's phase from then on and
    // closes before the call returns. Its Cancel button, Escape and closing the window cancel
    // progress; the window then waits for the run to stop. Called on the user interface thread.
    virtual void waitFor(RunProgress& progress) = 0;
};

}  // namespace tiebreak
