#include "tournament/text_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "tournament/memory_guard.h"
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
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        // "\r\n" is one line end; "\r" alone (old Mac files) and "\n" alone are one each.
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

int parseFileLines(const std::string& path,
                   const std::function<int(const std::vector<std::string_view>&)>& parse) noexcept {
    return guardMemory(ErrorNoMemory, [&] {
        std::string text;
        if (const int status = readWholeFile(path, text); failed(status)) return status;
        return parse(splitLines(text));
    });
}

}  // namespace tiebreak
