#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tiebreak {

// Reads the whole file at path into text, byte for byte. StatusOk, or ErrorCannotOpenFile for a
// file that cannot be opened or read (a directory included). May throw std::bad_alloc.
[[nodiscard]] int readWholeFile(const std::string& path, std::string& text);

// The lines of text without their line ends ("\n", "\r\n", or "\r" alone as old Mac files end
// them). A final line end closes the last line rather than opening an empty one; a UTF-8 byte-order
// mark before the first line is skipped.
[[nodiscard]] std::vector<std::string_view> splitLines(std::string_view text);

// Reads the file at path and hands its lines to parse, whose result it returns: the readers' one
// way in. ErrorCannotOpenFile when the file cannot be read, ErrorNoMemory when memory runs out
// while reading or parsing.
[[nodiscard]] int parseFileLines(
    const std::string& path,
    const std::function<int(const std::vector<std::string_view>&)>& parse) noexcept;

}  // namespace tiebreak
