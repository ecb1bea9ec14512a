#include "tests/runs/run_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace tiebreak {

namespace {

const std::filesystem::path DataDir = std::filesystem::path(RPT_TEST_DATA_DIR) / "runs";

}  // namespace

RunFixture::RunFixture() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    dir = std::filesystem::temp_directory_path() / ("rpt-runs-" + std::to_string(seed()));
    std::filesystem::create_directories(dir);
    for (const auto& entry : std::filesystem::directory_iterator(DataDir)) {
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry, dir / entry.path().filename());
    }
    std::filesystem::current_path(dir);
}

RunFixture::~RunFixture() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::string RunFixture::readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return "(missing)";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void RunFixture::writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string RunFixture::storedGolden(const std::string& text, const std::string& name) {
    const std::filesystem::path path = DataDir / "expected" / name;
    const char* update = std::getenv("RPT_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") writeText(path, withStoredLineEnds(text));
    return readText(path);
}

std::string RunFixture::withStoredLineEnds(std::string text) {
#ifdef _WIN32
    // Text files end their lines with "\r\n" here; the stored files with "\n".
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
#endif
    return text;
}

void RunFixture::expectGolden(const std::string& text, const std::string& name) {
    EXPECT_EQ(withStoredLineEnds(text), storedGolden(text, name))
        << "golden file " << (DataDir / "expected" / name).string();
}

}  // namespace tiebreak
