#pragma once

#include <filesystem>
#include <string>

namespace tiebreak {

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // The full path of name inside the directory.
    [[nodiscard]] std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// The whole file read in text mode; empty when it cannot be read.
[[nodiscard]] std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);

}  // namespace tiebreak
