#pragma once

#include <string>
#include <thread>
#include <vector>

#include "runs/notices.h"

namespace tiebreak {

// Notices and file opening that only record what they were asked, in the events journal, and
// on which threads: a platform's boxes must be shown on the user interface thread alone.
class RecordingNotices : public Notices {
public:
    explicit RecordingNotices(std::vector<std::string>& events) : events_(events) {}

    void showError(const std::string& text) override { record("error: " + text); }
    void showNotice(const std::string& text) override { record("notice: " + text); }
    void beep() override { record("beep"); }
    Separators separators() const override { return {}; }

    std::vector<std::thread::id> threads;

private:
    void record(std::string event) {
        threads.push_back(std::this_thread::get_id());
        events_.push_back(std::move(event));
    }
    std::vector<std::string>& events_;
};

// An opener that finds a program for every file, or (opens false) for none.
class RecordingOpener : public FileOpener {
public:
    explicit RecordingOpener(std::vector<std::string>& events) : events_(events) {}

    bool open(const std::string& path) override {
        threads.push_back(std::this_thread::get_id());
        events_.push_back("open: " + path);
        return opens;
    }

    bool opens = true;
    std::vector<std::thread::id> threads;

private:
    std::vector<std::string>& events_;
};

}  // namespace tiebreak
