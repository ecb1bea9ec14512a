#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runs/notices.h"
#include "tests/runs/named_rows.h"

namespace tiebreak {

// Boxes, beeps and openings in the order they were asked for; separators as the test sets them.
class RecordingNotices : public Notices, public FileOpener {
public:
    void showError(const std::string& text) override { events.push_back("error: " + text); }
    void showNotice(const std::string& text) override { events.push_back("notice: " + text); }
    void beep() override { events.push_back("beep"); }
    [[nodiscard]] Separators separators() const override { return localeSeparators; }
    bool open(const std::string& path) override {
        events.push_back("open: " + path);
        return opens;
    }
    bool opens = true;  // false: no program can be started for any file

    std::vector<std::string> events;
    Separators localeSeparators;
};

// Each test runs in a fresh directory of its own, which is the current directory meanwhile
// (the runs write their intermediate table there), and gets the crosstables of tests/data/runs
// copied in, so that logs name them without a machine's path.
class RunFixture : public ::testing::Test {
protected:
    RunFixture();
    ~RunFixture() override;

    // The whole file as bytes; "(missing)" when it does not exist.
    [[nodiscard]] static std::string readText(const std::filesystem::path& path);
    static void writeText(const std::filesystem::path& path, const std::string& text);
    // Compares text with tests/data/runs/expected/name, byte for byte but for the measures of the
    // lines of the distance between the iterative and the direct solutions, and of the simple
    // run's residual of a direct solution, which agree to round-off: within relative 1e-3, or
    // both below 1e-6 where the stored one is. Under
    // RPT_UPDATE_GOLDEN=1 the file is rewritten first.
    static void expectGolden(const std::string& text, const std::string& name);
    // The text of tests/data/runs/expected/name, first rewritten to text under
    // RPT_UPDATE_GOLDEN=1.
    [[nodiscard]] static std::string storedGolden(const std::string& text, const std::string& name);
    // text with the line ends of the stored files ("\n").
    [[nodiscard]] static std::string withStoredLineEnds(std::string text);

    std::filesystem::path dir;
    RecordingNotices notices;

private:
    std::filesystem::path previous_;
};

}  // namespace tiebreak
