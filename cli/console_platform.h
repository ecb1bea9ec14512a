#pragma once

#include <string>

#include "runs/notices.h"

namespace tiebreak {

// The command line's notices: every box becomes text on standard error; the beep and the
// separators are the platform's.
class StderrNotices : public Notices {
public:
    void showError(const std::string& text) override;
    void showNotice(const std::string& text) override;
    void beep() override;
    [[nodiscard]] Separators separators() const override;
};

// Opens files with their associated program only when asked (--open); not asked, it has nothing
// to fail at.
class OptionalOpener : public FileOpener {
public:
    explicit OptionalOpener(bool enabled) : enabled_(enabled) {}
    bool open(const std::string& path) override;

private:
    bool enabled_;
};

// True when standard error goes to a terminal, where a person watches.
[[nodiscard]] bool standardErrorIsTerminal() noexcept;

}  // namespace tiebreak
