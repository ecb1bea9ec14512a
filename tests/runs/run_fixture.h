#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/recording_notices.h"
#include "tests/support/temp_files.h"

namespace tiebreak {

// Each test runs in a fresh directory of its own, which is the current directory meanwhile
// (the runs write their intermediate table there), and gets the crosstables of tests/data/runs
// copied in, so that logs name them without a machine's path.
class RunFixture : public ::testing::Test {
protected:
    RunFixture();
    ~RunFixture() override;

    // Compares text with tests/data/runs/expected/name, byte for byte but for the measures of the
    // distance between the iterative and the direct solutions and of the simple run's residual of
    // a direct solution, which agree to round-off. Under RPT_UPDATE_GOLDEN=1 the file is
    // rewritten first.
    static void expectGolden(const std::string& text, const std::string& name);

    const TempDir temp;
    const std::filesystem::path dir = temp.path();
    RecordingNotices notices;

private:
    std::filesystem::path previous_;
};

}  // namespace tiebreak
