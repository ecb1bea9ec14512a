#include "tests/app/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tiebreak {

TempDir::TempDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("rpt-app-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string& name) const {
    return (path_ / name).string();
}

// Text mode, as rp.log is written: on Windows its CRLF line ends read back as '\n'.
std::string readText(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace tiebreak
