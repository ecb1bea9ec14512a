#include "runs/spreadsheet.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "runs/error_messages.h"
#include "runs/platform.h"
#include "runs/report_row.h"
#include "runs/run_codes.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// One field of the table with both substitutions made, quoted when it needs it.
void appendField(std::string& out, std::string_view field, const Separators& separators) {
    std::string converted;
    bool needsQuotes = false;
    for (char c : field) {
        if (c == '.') c = separators.decimal;
        if (c == ReportSeparator) c = separators.list;
        if (c == separators.list || c == '"') needsQuotes = true;
        converted += c;
        if (c == '"') converted += '"';
    }
    if (needsQuotes) out += '"';
    out += converted;
    if (needsQuotes) out += '"';
}

}  // namespace

int convertToSpreadsheet(const std::string& source, const std::string& target,
                         const Notices& notices) {
    std::ifstream in(source, std::ios::binary);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!in.is_open()) return ErrorCannotOpenFile;
    if (!out.is_open()) return ErrorCannotCreateOutput;
    const Separators separators = notices.separators();
    // The table is converted in memory; a table too large for it leaves the target empty.
    return guardMemory(ErrorNoMemory, [&] {
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        // Fields run between the table's separators and line ends; line ends are copied as
        // they are.
        std::string converted;
        converted.reserve(text.size() + text.size() / 8);
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            const bool end = i == text.size();
            if (!end && text[i] != ReportSeparator && text[i] != '\n' && text[i] != '\r') continue;
            appendField(converted, std::string_view(text).substr(start, i - start), separators);
            if (!end) converted += text[i] == ReportSeparator ? separators.list : text[i];
            start = i + 1;
        }
        out << converted;
        return 0;
    });
}

int convertAndRemove(const std::string& source, const std::string& target, Notices& notices) {
    const int converted = convertToSpreadsheet(source, target, notices);
    std::error_code ignored;  // a table that is already gone needs no deleting
    std::filesystem::remove(source, ignored);
    return converted;
}

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

void logResultsName(std::ostream& log, const std::string& inputPath, const std::string& csvPath) {
    if (!inputIsCsv(inputPath)) return;
    log << "Results file: " << csvPath << " (the input is a .csv file and stays as it is)\n"
        << std::flush;
}

namespace {

// path in full, joined as text: on Windows a std::filesystem::path made from an 8-bit string
// does not read it as UTF-8, and the user must see the name as he wrote it.
std::string fullPath(const std::string& path) {
    if (std::filesystem::path(path).is_absolute()) return path;
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? path : here.string() + directorySeparators().front() + path;
}

}  // namespace

std::string folderOf(const std::string& path) {
    const std::string full = fullPath(path);
    const std::size_t separator = full.find_last_of(directorySeparators());
    return separator == std::string::npos ? std::string(".") : full.substr(0, separator);
}

void openInShell(FileOpener& opener, Notices& notices, const std::string& path) {
    if (!opener.open(path)) notices.showNotice(resultsNotOpenedText(fullPath(path)));
}

}  // namespace tiebreak
