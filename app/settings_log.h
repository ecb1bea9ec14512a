#pragma once

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/dialog_values.h"
#include "runs/replaced_file.h"

namespace tiebreak {

// Last line of both forms of the options header.
inline constexpr std::string_view OptionsSeparator =
    "--------------------------------------------------------------------------";

// The options of the simple header: the sorting index, the Elo for unrated players and the
// crosstable chosen for the run (empty: none).
struct SimpleOptions {
    int sortingIndex = SortingRecursivePerformance;
    int elo = 0;
    std::string inputFile;
};

// The options of the advanced header: list indexes (not method codes), counts and 0/1 flags.
struct AdvancedOptions {
    std::string inputFile;
    std::array<int, MethodRowCount> methodIndex{};
    std::array<int, MethodRowCount> modificationIndex{};
    std::array<int, MethodRowCount> worst{};
    std::array<int, MethodRowCount> best{};
    int sort = 0;
    int elo = 0;
    int headings = 0;
    int beep = 0;
    int webPage = 0;
};

// The options header at the head of rp.log: the options of the last accepted dialog, in a simple
// or an advanced form, followed by the log of the last run. Numbers are written and read without
// regard to the process locale.
class SettingsLog {
public:
    // The settings file at path (the object keeps its own copy of the path).
    explicit SettingsLog(std::string path) noexcept : path_(std::move(path)) {}

    // True when line 1 is exactly "Kavex options" and line 2 begins with "Advanced:".
    [[nodiscard]] bool holdsAdvancedOptions() const noexcept;

    // Fills values from a simple header (line 2 exactly "Simple:"); false, with values unchanged,
    // when the file holds none. A value that is missing, not a number or outside what its control
    // accepts keeps what values held, and so does every value after one that is not a number.
    bool readSimpleSection(SimpleDialogValues& values) const noexcept;

    // The crosstable of a simple header's "File:" line; nothing when the file holds no simple
    // header, or one without that line (written before the header had it).
    [[nodiscard]] std::optional<std::string> readSimpleInputFile() const noexcept;

    // The same for an advanced header (line 2 exactly "Advanced:"). A method row whose method and
    // modification do not go together (one of them without a selection, or row 1 without a
    // method) keeps both of its held selections. A header without the last line, "Page:", keeps
    // the held web page choice.
    bool readAdvancedSection(AdvancedDialogValues& values) const noexcept;

    // Rewrites the file with the simple header, followed by whatever the returned file's stream
    // gets (the run's log): the file is replaced whole when the returned object closes, and a
    // reader never sees half of it. A file that cannot be written loses the header silently.
    ReplacedFile writeSimpleHeader(const SimpleOptions& options) const noexcept;

    // The same with the advanced header; the stream is not open when the file could not be
    // written.
    [[nodiscard]] ReplacedFile writeAdvancedHeader(const AdvancedOptions& options) const noexcept;

private:
    std::string path_;
};

}  // namespace tiebreak
