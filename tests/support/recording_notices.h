#pragma once

#include <string>
#include <thread>
#include <vector>

#include "runs/notices.h"

namespace tiebreak {

// Boxes, beeps and openings only recorded, in the order they were asked for, with the threads
// that asked: a platform's boxes must be shown on the user interface thread alone. The journal
// is the notices' own or one shared with scripted dialogs.
struct RecordingNotices : Notices, FileOpener {
    RecordingNotices() : events(own) {}
    explicit RecordingNotices(std::vector<std::string>& journal) : events(journal) {}

    void showError(const std::string& text) override { record("error: " + text); }
    void showNotice(const std::string& text) override { record("notice: " + text); }
    void beep() override { record("beep"); }
    [[nodiscard]] Separators separators() const override { return localeSeparators; }
    bool open(const std::string& path) override {
        openerThreads.push_back(std::this_thread::get_id());
        events.push_back("open: " + path);
        return opens;
    }
    void record(std::string event) {
        threads.push_back(std::this_thread::get_id());
        events.push_back(std::move(event));
    }

    std::vector<std::string> own;
    std::vector<std::string>& events;
    std::vector<std::thread::id> threads;  // of the boxes and beeps
    std::vector<std::thread::id> openerThreads;
    Separators localeSeparators;
    bool opens = true;  // false: no program can be started for any file
};

}  // namespace tiebreak
