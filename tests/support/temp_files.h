#pragma once

#include <filesystem>
#include <string>

namespace tiebreak {

// A fresh directory under the system's temporary directory, named after this process (ctest runs
// the tests of one program in parallel processes), removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // The full path of name inside the directory.
    [[nodiscard]] std::string file(const std::string& name) const {
        return (path_ / name).string();
    }

private:
    std::filesystem::path path_;
};

// The whole file in text mode (on Windows, CRLF line ends read as '\n'), or as bytes;
// "(missing)" when it cannot be read.
[[nodiscard]] std::string readText(const std::filesystem::path& path);
[[nodiscard]] std::string readBytes(const std::filesystem::path& path);
void writeText(const std::filesystem::path& path, const std::string& text);

}  // namespace tiebreak
