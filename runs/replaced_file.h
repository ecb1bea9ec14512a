#pragma once

#include <fstream>
#include <string>

namespace tiebreak {

// A file rewritten whole: the text goes to a temporary file beside it, which replaces the file
// when this object is closed or destroyed, unless it was discarded first. A reader of the file, and
// another program rewriting it at the same time, never sees half of it: the last one to finish
// leaves its whole text.
class ReplacedFile {
public:
    // Nothing open: every write is lost.
    ReplacedFile() = default;
    // Opens the temporary file for path; the stream is not open when it cannot be created.
    explicit ReplacedFile(std::string path);
    ~ReplacedFile() { close(); }
    ReplacedFile(ReplacedFile&& other) noexcept;
    ReplacedFile& operator=(ReplacedFile&&) = delete;
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    [[nodiscard]] std::ofstream& stream() noexcept { return stream_; }
    [[nodiscard]] bool isOpen() const noexcept { return stream_.is_open(); }

    // Puts the text written so far in place of the file; nothing more is written afterwards.
    // False when the file could not be replaced (the temporary file is then removed).
    bool close() noexcept;

    // Leaves the file as it was: the text written so far goes with the temporary file, and
    // nothing more is written afterwards.
    void discard() noexcept;

private:
    std::string path_;
    std::string temporary_;
    std::ofstream stream_;
};

}  // namespace tiebreak
