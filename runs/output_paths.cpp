#include "runs/output_paths.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "runs/error_messages.h"
#include "runs/platform.h"

namespace tiebreak {

namespace {

// The position of the dot that opens the file name's extension, npos when it has none.
std::size_t extensionDot(const std::string& path) {
    const std::size_t slash = path.find_last_of(directorySeparators());
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && dot >= nameStart ? dot : std::string::npos;
}

}  // namespace

bool inputIsCsv(const std::string& inputPath) {
    const std::size_t dot = extensionDot(inputPath);
    if (dot == std::string::npos || inputPath.size() - dot != 4) return false;
    std::string extension = inputPath.substr(dot);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".csv";
}

std::string csvPathFor(const std::string& inputPath) {
    const std::size_t dot = extensionDot(inputPath);
    const std::string stem = inputPath.substr(0, dot == std::string::npos ? inputPath.size() : dot);
    return stem + (inputIsCsv(inputPath) ? "-tiebreaks.csv" : ".csv");
}

std::string fullPath(const std::string& path) {
    // Joined as text: on Windows a std::filesystem::path made from an 8-bit string does not read
    // it as UTF-8, and the user must see the name as he wrote it.
    if (std::filesystem::path(path).is_absolute()) return path;
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? path : here.string() + directorySeparators().front() + path;
}

std::string folderOf(const std::string& path) {
    const std::string full = fullPath(path);
    const std::size_t separator = full.find_last_of(directorySeparators());
    return separator == std::string::npos ? std::string(".") : full.substr(0, separator);
}

void openInShell(FileOpener& opener, Notices& notices, const std::string& path) {
    if (!opener.open(path)) notices.showNotice(resultsNotOpenedText(fullPath(path)));
}

}  // namespace tiebreak
