#include "runs/replaced_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/runs/run_fixture.h"

namespace tiebreak {
namespace {

class ReplacedFileTest : public RunFixture {};

// The file in text mode, whose line ends are "\n" on every platform.
std::string readLines(const char* path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Two programs rewrite rp.log at the same time: while they write, a reader sees the old text
// whole; afterwards, the whole text of the one that finished last, never a mix.
TEST_F(ReplacedFileTest, ReadersSeeOneWholeText) {
    writeText("rp.log", "old header\nold log\n");
    ReplacedFile first("rp.log");
    ReplacedFile second("rp.log");
    ASSERT_TRUE(first.isOpen());
    ASSERT_TRUE(second.isOpen());
    first.stream() << "first header\n" << std::flush;
    second.stream() << "second header\n" << std::flush;
    first.stream() << "first log\n" << std::flush;
    EXPECT_EQ(readLines("rp.log"), "old header\nold log\n");
    EXPECT_TRUE(second.close());
    EXPECT_EQ(readLines("rp.log"), "second header\n");
    second.stream() << "lost\n";  // nothing more after closing
    EXPECT_TRUE(first.close());
    EXPECT_EQ(readLines("rp.log"), "first header\nfirst log\n");
    // No temporary file is left beside it.
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
}

}  // namespace
}  // namespace tiebreak
