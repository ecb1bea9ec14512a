#include "app/settings_log.h"

#include <charconv>
#include <istream>
#include <locale>
#include <optional>
#include <ostream>
#include <utility>

#include "app/field_rules.h"
#include "tournament/memory_guard.h"

namespace tiebreak {
namespace {

constexpr std::string_view HeaderTitle = "Kavex options";
constexpr std::string_view SimpleMark = "Simple:";
constexpr std::string_view AdvancedMark = "Advanced:";
constexpr std::string_view FileLabel = "File: ";
constexpr std::string_view PageLabel = "Page:";

// How many characters of each fixed line the readers take. The mode is read from the first
// characters of line 2 only, so a line 2 that merely begins with "Advanced:" selects advanced mode.
constexpr std::size_t ModeTitleChars = 15;
constexpr std::size_t ModeMarkChars = AdvancedMark.size();
constexpr std::size_t SimpleTitleChars = 15;
constexpr std::size_t SimpleMarkChars = 8;
constexpr std::size_t AdvancedTitleChars = 99;
constexpr std::size_t AdvancedMarkChars = 99;
constexpr std::size_t PathChars = 999;
// The lines of a simple header after "Simple:": sorting, Elo, file and the separator.
constexpr int SimpleHeaderLines = 4;

constexpr int MaxCount = 9;  // one digit

// Reads one line, keeping at most maxChars of its characters, and consumes its line end. The rest
// of a longer line is skipped, so the next read starts on the next line whatever this one held.
// True when a line was there and fitted.
bool readLine(std::istream& in, std::size_t maxChars, std::string& line) {
    line.clear();
    bool fitted = true;
    std::istream::int_type c = 0;
    while ((c = in.get()) != std::istream::traits_type::eof() && c != '\n') {
        if (line.size() < maxChars)
            line.push_back(std::istream::traits_type::to_char_type(c));
        else
            fitted = false;
    }
    return fitted && (c == '\n' || !line.empty());
}

bool isBlank(std::istream::int_type c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The whitespace-delimited words that follow the fixed lines: labels, which are skipped whatever
// they say, and numbers. Once a word is missing or a number is not one, every later read fails
// too, as a stream does after a failed extraction, so no value is taken from the wrong place.
class HeaderWords {
public:
    explicit HeaderWords(std::istream& in) : in_(in) {}

    void skipLabel() { static_cast<void>(nextWord()); }

    // Reads the next word: true when it is label.
    bool label(std::string_view expected) { return nextWord() && !overlong_ && word_ == expected; }

    // The next word as an integer, or nothing. A number outside [low, high] is read and yields
    // nothing, without failing the later reads.
    std::optional<int> number(int low, int high) {
        if (!nextWord()) return std::nullopt;
        int value = 0;
        const char* end = word_.data() + word_.size();
        const auto [stop, error] = std::from_chars(word_.data(), end, value);
        if (error != std::errc{} || stop != end || overlong_) {
            failed_ = true;
            return std::nullopt;
        }
        if (value < low || value > high) return std::nullopt;
        return value;
    }

private:
    // Longest word kept: every int fits; a longer word is no number.
    static constexpr std::size_t MaxKept = 12;

    // Reads the next word into word_, keeping at most MaxKept characters of words of any length.
    bool nextWord() {
        if (failed_) return false;
        std::istream::int_type c = in_.get();
        while (c != std::istream::traits_type::eof() && isBlank(c))
            c = in_.get();
        word_.clear();
        overlong_ = false;
        while (c != std::istream::traits_type::eof() && !isBlank(c)) {
            if (word_.size() < MaxKept)
                word_.push_back(std::istream::traits_type::to_char_type(c));
            else
                overlong_ = true;
            c = in_.get();
        }
        failed_ = word_.empty();
        return !failed_;
    }

    std::istream& in_;
    std::string word_;
    bool overlong_ = false;
    bool failed_ = false;
};

std::string decimal(int value) {
    char digits[12];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    static_cast<void>(error);  // 12 characters hold every int
    return std::string(digits, end);
}

// Opens the file for reading and checks its first two lines: line 2 must be exactly mark.
bool openSection(std::ifstream& in, const std::string& path, std::size_t titleChars,
                 std::string_view mark, std::size_t markChars) {
    in.open(path);
    if (!in) return false;
    std::string line;
    static_cast<void>(readLine(in, titleChars, line));  // line 1 is not checked
    return readLine(in, markChars, line) && line == mark;
}

// Truncates or creates the file and writes the first two lines of a header. Numbers written to
// the stream, the run's log included, follow the classic locale whatever the process's is.
ReplacedFile openHeader(const std::string& path, std::string_view mark) {
    ReplacedFile file(path);
    std::ofstream& out = file.stream();
    out.imbue(std::locale::classic());
    out << HeaderTitle << '\n' << mark << '\n';
    return file;
}

void writeRow(std::ostream& out, std::string_view label,
              const std::array<int, MethodRowCount>& values) {
    out << label << ' ';
    for (int value : values)
        out << value << ' ';
    out << '\n';
}

}  // namespace

bool SettingsLog::holdsAdvancedOptions() const noexcept {
    return guardMemory(false, [&] {
        std::ifstream in(path_);
        if (!in) return false;
        std::string line;
        if (!readLine(in, ModeTitleChars, line) || line != HeaderTitle) return false;
        static_cast<void>(readLine(in, ModeMarkChars, line));  // only its first characters count
        return line == AdvancedMark;
    });
}

bool SettingsLog::readSimpleSection(SimpleDialogValues& values) const noexcept {
    return guardMemory(false, [&] {
        std::ifstream in;
        if (!openSection(in, path_, SimpleTitleChars, SimpleMark, SimpleMarkChars)) return false;
        SimpleDialogValues read = values;
        HeaderWords words(in);
        words.skipLabel();
        if (const auto sorting = words.number(SortingRecursivePerformance, SortingNone))
            read.sortingIndex = *sorting;
        words.skipLabel();
        if (const auto elo = words.number(LowestUnratedElo, HighestUnratedElo))
            read.eloText = decimal(*elo);
        values = std::move(read);
        return true;
    });
}

std::optional<std::string> SettingsLog::readSimpleInputFile() const noexcept {
    using File = std::optional<std::string>;
    return guardMemory(File(), [&]() -> File {
        std::ifstream in;
        if (!openSection(in, path_, SimpleTitleChars, SimpleMark, SimpleMarkChars)) return {};
        std::string line;
        for (int count = 0; count < SimpleHeaderLines; ++count) {
            if (!readLine(in, FileLabel.size() + PathChars, line) || line == OptionsSeparator)
                return {};
            if (line.starts_with(FileLabel) && line.size() > FileLabel.size())
                return line.substr(FileLabel.size());
        }
        return {};
    });
}

bool SettingsLog::readAdvancedSection(AdvancedDialogValues& values) const noexcept {
    return guardMemory(false, [&] {
        std::ifstream in;
        if (!openSection(in, path_, AdvancedTitleChars, AdvancedMark, AdvancedMarkChars))
            return false;
        AdvancedDialogValues read = values;
        std::string line;
        if (readLine(in, PathChars, line)) read.inputFile = line;

        HeaderWords words(in);
        std::array<int, MethodRowCount> method = read.methodIndex;
        std::array<int, MethodRowCount> modification = read.modificationIndex;
        words.skipLabel();
        for (int row = 0; row < MethodRowCount; ++row) {
            // Row 1's list has no way to show "no method".
            const int lowest = row == 0 ? ItemRecursivePerformance : NoSelection;
            // FIDE's tie-breaks follow "<delete>", which no row keeps.
            if (const auto index = words.number(lowest, ItemLastFide);
                index && *index != ItemDelete) {
                method[row] = *index;
            }
        }
        words.skipLabel();
        for (int& index : modification)
            if (const auto value = words.number(NoSelection, ItemRivalsAverage)) index = *value;
        for (int row = 0; row < MethodRowCount; ++row) {
            if ((method[row] == NoSelection) != (modification[row] == NoSelection)) continue;
            read.methodIndex[row] = method[row];
            read.modificationIndex[row] = modification[row];
        }

        for (auto* texts : {&read.worstText, &read.bestText}) {
            words.skipLabel();
            for (std::string& text : *texts)
                if (const auto count = words.number(0, MaxCount)) text = decimal(*count);
        }
        words.skipLabel();
        if (const auto sort = words.number(0, 1)) read.sort = *sort == 1;
        words.skipLabel();
        if (const auto elo = words.number(LowestUnratedElo, HighestUnratedElo))
            read.eloText = decimal(*elo);
        words.skipLabel();
        if (const auto headings = words.number(0, 1)) read.headings = *headings == 1;
        words.skipLabel();
        if (const auto beep = words.number(0, 1)) read.beep = *beep == 1;
        // Checked by its label: a header without the line is followed by the run's log.
        if (words.label(PageLabel)) {
            if (const auto page = words.number(0, 1)) read.webPage = *page == 1;
        }
        values = std::move(read);
        return true;
    });
}

ReplacedFile SettingsLog::writeSimpleHeader(const SimpleOptions& options) const noexcept {
    // Out of memory, the header is lost, as when the file cannot be written.
    return guardMemory(ReplacedFile(), [&] {
        ReplacedFile file = openHeader(path_, SimpleMark);
        std::ofstream& out = file.stream();
        out << "Sorting: " << options.sortingIndex << "\nElo: " << options.elo << '\n';
        if (!options.inputFile.empty()) out << FileLabel << options.inputFile << '\n';
        out << OptionsSeparator << '\n' << std::flush;
        return file;
    });
}

ReplacedFile SettingsLog::writeAdvancedHeader(const AdvancedOptions& options) const noexcept {
    return guardMemory(ReplacedFile(), [&] {
        ReplacedFile file = openHeader(path_, AdvancedMark);
        std::ofstream& out = file.stream();
        out << options.inputFile << '\n';
        writeRow(out, "Methods:", options.methodIndex);
        writeRow(out, "Modifications:", options.modificationIndex);
        writeRow(out, "Worst:", options.worst);
        writeRow(out, "Best:", options.best);
        out << "Sort: " << options.sort << "\nElo: " << options.elo
            << "\nHeadings: " << options.headings << "\nBeep: " << options.beep << '\n'
            << PageLabel << ' ' << options.webPage << '\n'
            << OptionsSeparator << '\n'
            << std::flush;
        return file;
    });
}

}  // namespace tiebreak
