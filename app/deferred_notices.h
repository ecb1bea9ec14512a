#pragma once

#include <string>
#include <vector>

#include "runs/notices.h"

namespace tiebreak {

// What a run on a worker thread asks of the user interface, kept in order until the user
// interface thread replays it: the platform's boxes and the file opener belong to that thread.
// The separators are taken from the real notices when this object is made.
class DeferredNotices : public Notices, public FileOpener {
public:
    explicit DeferredNotices(const Notices& real) : separators_(real.separators()) {}

    void showError(const std::string& text) override { calls_.push_back({Call::Error, text}); }
    void showNotice(const std::string& text) override { calls_.push_back({Call::Notice, text}); }
    void beep() override { calls_.push_back({Call::Beep, {}}); }
    [[nodiscard]] Separators separators() const override { return separators_; }
    // Succeeds for now: whether a program can be started shows at the replay.
    [[nodiscard]] bool open(const std::string& path) override {
        calls_.push_back({Call::Open, path});
        return true;
    }

    // Passes every call on in its order; an opening that fails there gives the notice with the
    // file's full path.
    void replay(Notices& notices, FileOpener& opener) const;

private:
    struct Call {
        enum Kind { Error, Notice, Beep, Open } kind;
        std::string text;
    };
    Separators separators_;
    std::vector<Call> calls_;
};

}  // namespace tiebreak
