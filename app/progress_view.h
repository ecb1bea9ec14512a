#pragma once

#include <mutex>
#include <string>
#include <utility>

namespace tiebreak {

// How far a run on a worker thread has got: the worker sets the phase's text and, last of all,
// marks the run finished; the user interface thread reads both while it waits.
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

private:
    mutable std::mutex mutex_;
    std::string phase_;
    bool finished_ = false;
};

// The small modal window of a long run: the program's name, the phase and a moving indicator.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Returns once progress is finished, keeping the user interface alive meanwhile. When that
    // takes more than about half a second, the window shows progress's phase from then on and
    // closes before the call returns. Called on the user interface thread.
    virtual void waitFor(const RunProgress& progress) = 0;
};

}  // namespace tiebreak
