#include "runs/replaced_file.h"

#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

namespace tiebreak {

ReplacedFile::ReplacedFile(std::string path) : path_(std::move(path)) {
    // A random name of its own for each writer, in the file's directory so that the rename
    // stays on one file system.
    std::random_device seed;
    for (int attempt = 0; attempt < 20 && !stream_.is_open(); ++attempt) {
        std::string candidate = path_ + "." + std::to_string(seed()) + ".tmp";
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) continue;
        stream_.open(candidate, std::ios::out | std::ios::trunc);
        if (stream_.is_open()) temporary_ = std::move(candidate);
    }
}

ReplacedFile::ReplacedFile(ReplacedFile&& other) noexcept
    : path_(std::move(other.path_)),
      temporary_(std::move(other.temporary_)),
      stream_(std::move(other.stream_)) {
    other.temporary_.clear();
}

bool ReplacedFile::close() noexcept {
    if (temporary_.empty()) return false;
    stream_.close();
    std::error_code error;
    std::filesystem::rename(temporary_, path_, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
    temporary_.clear();
    return !error;
}

}  // namespace tiebreak
