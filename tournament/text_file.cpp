#include "tournament/text_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>

#include "tournament/status_codes.h"

namespace tiebreak {

int readWholeFile(const std::string& path, std::string& text) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return ErrorCannotOpenFile;
    std::ifstream file(path, std::ios::binary);
    if (!file) return ErrorCannotOpenFile;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) return ErrorCannotOpenFile;
    return StatusOk;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
        text.remove_prefix(Utf8ByteOrderMark.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::uint32_t lineNumberOf(const std::vector<std::string_view>& lines,
                           std::string_view line) noexcept {
    // The lines lie in the text in order, so their first characters' addresses ascend.
    const auto at = std::lower_bound(
        lines.begin(), lines.end(), line.data(),
        [](std::string_view a, const char* b) { return std::less<const char*>()(a.data(), b); });
    if (at == lines.end() || at->data() != line.data()) return 0;
    return static_cast<std::uint32_t>(at - lines.begin() + 1);
}

int parseFileLines(const std::string& path,
                   const std::function<int(const std::vector<std::string_view>&)>& parse) noexcept {
    try {
        std::string text;
        if (const int status = readWholeFile(path, text); failed(status)) return status;
        return parse(splitLines(text));
    } catch (const std::bad_alloc&) {
        return ErrorNoMemory;
    }
}

}  // namespace tiebreak
