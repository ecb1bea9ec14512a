#pragma once

#include <string>
#include <vector>

#include "runs/notices.h"

namespace tiebreak {

// Notices and file opening that only record what they were asked, in the events journal.
class RecordingNotices : public Notices {
public:
    explicit RecordingNotices(std::vector<std::string>& events) : events_(events) {}

    void showError(const std::string& text) override { events_.push_back("error: " + text); }
    void showNotice(const std::string& text) override { events_.push_back("notice: " + text); }
    void beep() override { events_.push_back("beep"); }
    Separators separators() const override { return {}; }

private:
    std::vector<std::string>& events_;
};

class RecordingOpener : public FileOpener {
public:
    explicit RecordingOpener(std::vector<std::string>& events) : events_(events) {}

    void open(const std::string& path) override { events_.push_back("open: " + path); }

private:
    std::vector<std::string>& events_;
};

}  // namespace tiebreak
