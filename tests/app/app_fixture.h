#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tie_break_app.h"
#include "tests/app/scripted_views.h"
#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"

namespace tiebreak {

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
