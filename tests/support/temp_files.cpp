#include "tests/support/temp_files.h"

#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace tiebreak {

TempDir::TempDir() {
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("rpt-test-" + std::to_string(getpid()) + "-" + std::to_string(made++));
    std::filesystem::remove_all(path_);  // left by a crashed process of the same number
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

namespace {

std::string readWhole(const std::filesystem::path& path, std::ios::openmode mode) {
    std::ifstream in(path, mode);
    if (!in.is_open()) return "(missing)";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::string readText(const std::filesystem::path& path) {
    return readWhole(path, std::ios::in);
}

std::string readBytes(const std::filesystem::path& path) {
    return readWhole(path, std::ios::in | std::ios::binary);
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace tiebreak
