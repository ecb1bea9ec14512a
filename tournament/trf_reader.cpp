#include "tournament/trf_reader.h"

#include <array>
#include <charconv>

#include "tournament/crosstable_reader.h"
#include "tournament/leading_number.h"
#include "tournament/refusal.h"
#include "tournament/round_result.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/utf8.h"

// The FIDE Tournament Report File, as this reader understands it.
//
// Fixed-column text records, each named by its first three characters. Only the player records
// "001" are read; tournament header lines, team records, "XXR" and column rulers are skipped. In a
// player record (columns counted from 1):
//   5-8    start number: each at most once; numbers may be missing (a withdrawn player's record
//          deleted) as long as no round refers to them
//   15-47  name, padded with blanks
//   49-52  FIDE rating; blank or 0000 for an unrated player
//   81-84  the player's score, which counts whenever it is given: byes are often written without
//          a result code, and their points live only here
//   92-    one block of ten columns per round: opponent's start number (4 columns, 0000 or blank
//          for none), blank, colour, blank, result, blank
// Results: "1" "0" "=" played games; "W" "D" "L" games played but not rated, which count as
// played here; "+" and "-" forfeits (a point or none, no game); "H" half a point and "F", "U" a
// full point without a game; "Z" and a blank no point and no game. "1" and "=" without an
// opponent are a full and a half point without a game. Records may end early: missing columns
// read as blanks, so a short last round block is read as far as it goes.
//
// Columns are characters: a file that is valid UTF-8 counts them in code points ("Hülleman" takes
// eight columns and nine bytes), any other file (Latin-1, a code page) in bytes.

namespace tiebreak {
namespace {

constexpr std::string_view PlayerRecord = "001";
constexpr std::string_view TournamentNameRecord = "012 ";
constexpr std::size_t StartNumberColumn = 4, StartNumberWidth = 4;
constexpr std::size_t NameColumn = 14, NameWidth = 33;
constexpr std::size_t RatingColumn = 48, RatingWidth = 4;
constexpr std::size_t ScoreColumn = 80, ScoreWidth = 4;
constexpr std::size_t FirstRoundColumn = 91, RoundWidth = 10;
constexpr std::size_t ResultOffset = 7;

bool isPlayerRecord(std::string_view line) {
    return line.size() > PlayerRecord.size() && line.substr(0, 3) == PlayerRecord && line[3] == ' ';
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One player record with its columns counted in code points or in bytes.
class Record {
public:
    Record(std::string_view line, std::size_t lineIndex, bool utf8)
        : line_(line), lineIndex_(lineIndex), utf8_(utf8) {}

    // Columns [column, column + width), cut short where the record ends.
    [[nodiscard]] std::string_view columns(std::size_t column, std::size_t width) const {
        if (!utf8_) return column < line_.size() ? line_.substr(column, width) : std::string_view();
        const std::size_t begin = utf8Prefix(line_, column);
        const std::string_view rest = line_.substr(begin);
        return rest.substr(0, utf8Prefix(rest, width));
    }
    [[nodiscard]] std::size_t length() const {
        return utf8_ ? utf8Length(line_).value_or(line_.size()) : line_.size();
    }
    [[nodiscard]] std::size_t lineIndex() const { return lineIndex_; }

private:
    std::string_view line_;
    std::size_t lineIndex_;
    bool utf8_;
};

double ratingOf(std::string_view field, int eloForUnrated) {
    const std::string_view rating = trimmed(field);
    if (rating.empty() || leadingDouble(rating) == 0.0) return eloForUnrated;
    return leadingDouble(rating);
}

// The round result of a result letter; a played result without an opponent is the same points
// without a game.
RoundResult resultOf(char letter, bool hasOpponent) {
    switch (letter) {
        case '1':
        case 'W':
            return hasOpponent ? ResultWin : ResultUnplayedWin;
        case '0':
        case 'L':
            return ResultLoss;
        case '=':
        case 'D':
            return hasOpponent ? ResultDraw : ResultUnplayedDraw;
        case '+':
        case 'F':
        case 'U':
            return ResultUnplayedWin;
        case 'H':
            return ResultUnplayedDraw;
        default:  // '-', 'Z', blank and anything unknown
            return ResultUnplayedLoss;
    }
}

// Points as a record writes them, one decimal.
std::string points(double value) {
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 1);
    return std::string(text.data(), written.ptr);
}

// The table index of each start number, -1 for a number no record has.
using StartIndex = std::vector<std::int32_t>;

int readRounds(TournamentTable& table, std::uint32_t player, const Record& record,
               const StartIndex& indexOf, std::string* reason) {
    std::size_t round = 1;
    for (std::size_t block = FirstRoundColumn; block < record.length();
         block += RoundWidth, ++round) {
        const std::string_view cell = record.columns(block, RoundWidth);
        const std::int32_t number = leadingInt(cell.substr(0, 4));
        int opponent = NoOpponent;
        if (number > 0) {
            if (static_cast<std::size_t>(number) >= indexOf.size() || indexOf[number] < 0) {
                return refuse(reason, ErrorUnsuitableFile,
                              atLine(record.lineIndex()) + "round " + std::to_string(round) +
                                  " refers to start number " + std::to_string(number) +
                                  ", which no player record has");
            }
            opponent = indexOf[number];
        }
        const char letter = ResultOffset < cell.size() ? cell[ResultOffset] : ' ';
        // A cell the table rejects records nothing, as in the crosstable.
        static_cast<void>(
            table.recordRound(player, opponent, resultOf(letter, opponent != NoOpponent)));
    }
    return StatusOk;
}

// The record's own score, when it gives one, replaces the points of its result codes; it cannot
// be below the points of the games played.
int takeScore(TournamentTable& table, std::uint32_t player, const Record& record,
              std::string* reason) {
    const std::string_view field = trimmed(record.columns(ScoreColumn, ScoreWidth));
    if (field.empty() || field[0] < '0' || field[0] > '9') return StatusOk;
    const double score = leadingDouble(field);
    if (score < table.gamePoints(player)) {
        return refuse(reason, ErrorUnsuitableFile,
                      atLine(record.lineIndex()) + "the score " + std::string(field) +
                          " is below the " + points(table.gamePoints(player)) +
                          " points of the games played");
    }
    table.setTotalPoints(player, score);
    return StatusOk;
}

bool allUtf8(const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines) {
        if (!utf8Length(line)) return false;
    }
    return true;
}

}  // namespace

bool isTrf(const std::vector<std::string_view>& lines) {
    bool hasPlayerRecord = false;
    for (std::string_view line : lines) {
        if (isCrosstableHeader(line)) return false;
        hasPlayerRecord = hasPlayerRecord || isPlayerRecord(line);
    }
    // A file that opens with the tournament's name record is a TRF file even without players,
    // so that its refusal says what is missing.
    return hasPlayerRecord || (!lines.empty() && lines[0].starts_with(TournamentNameRecord));
}

int readTrfLines(TournamentTable& table, const std::vector<std::string_view>& lines,
                 int eloForUnrated, std::string* reason) {
    const bool utf8 = allUtf8(lines);
    std::vector<Record> records;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (isPlayerRecord(lines[i])) records.emplace_back(lines[i], i, utf8);
    }
    if (records.empty()) {
        return refuse(reason, ErrorUnsuitableFile, "no player record (lines beginning \"001\")");
    }
    if (records.size() > TournamentTable::MaxPlayers) {
        return refuse(reason, ErrorTooManyPlayers,
                      std::to_string(records.size()) + " player records, more than the " +
                          std::to_string(TournamentTable::MaxPlayers) + " this program reads");
    }
    const auto n = static_cast<std::uint32_t>(records.size());

    // Players are indexed in the order of their start numbers, which may have gaps.
    constexpr std::int32_t LargestStartNumber = 9999;  // four columns
    std::vector<const Record*> recordOf(LargestStartNumber + 1, nullptr);
    for (const Record& record : records) {
        const std::string_view field = trimmed(record.columns(StartNumberColumn, StartNumberWidth));
        const std::int32_t number = leadingInt(field);
        if (field.empty() || number < 1) {
            return refuse(reason, ErrorUnsuitableFile,
                          atLine(record.lineIndex()) + "no start number in columns 5-8");
        }
        if (const Record* earlier = recordOf[number]) {
            return refuse(reason, ErrorUnsuitableFile,
                          atLine(record.lineIndex()) + "start number " + std::to_string(number) +
                              " was given before, on line " +
                              std::to_string(earlier->lineIndex() + 1));
        }
        recordOf[number] = &record;
    }
    StartIndex indexOf(LargestStartNumber + 1, -1);
    std::vector<const Record*> byStart;
    for (std::int32_t number = 1; number <= LargestStartNumber; ++number) {
        if (recordOf[number] == nullptr) continue;
        indexOf[number] = static_cast<std::int32_t>(byStart.size());
        byStart.push_back(recordOf[number]);
    }

    if (failed(table.allocate(n))) return ErrorNoMemory;
    for (std::uint32_t player = 0; player < n; ++player) {
        const Record& record = *byStart[player];
        if (failed(table.setName(player, trimmed(record.columns(NameColumn, NameWidth))))) {
            return ErrorNoMemory;
        }
        table.setRating(player, ratingOf(record.columns(RatingColumn, RatingWidth), eloForUnrated));
        if (const int status = readRounds(table, player, record, indexOf, reason); failed(status))
            return status;
        if (const int status = takeScore(table, player, record, reason); failed(status))
            return status;
        table.setLine(player, static_cast<std::uint32_t>(record.lineIndex() + 1));
    }
    return StatusOk;
}

}  // namespace tiebreak
