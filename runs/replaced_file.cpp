#include "runs/replaced_file.h"

#include <cstdio>
#include <random>
#include <utility>

#include "runs/platform.h"

namespace tiebreak {

ReplacedFile::ReplacedFile(std::string path) : path_(std::move(path)) {
    // A random name of its own for each writer, in the file's directory so that the rename
    // stays on one file system.
    std::random_device seed;
    for (int attempt = 0; attempt < 20 && !stream_.is_open(); ++attempt) {
        std::string candidate = path_ + "." + std::to_string(seed()) + ".tmp";
        if (std::ifstream(candidate).is_open()) continue;  // another writer's
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
    const bool replaced = replaceFile(temporary_, path_);
    if (!replaced) std::remove(temporary_.c_str());
    temporary_.clear();
    return replaced;
}

void ReplacedFile::discard() noexcept {
    if (temporary_.empty()) return;
    stream_.close();
    std::remove(temporary_.c_str());
    temporary_.clear();
}

}  // namespace tiebreak
