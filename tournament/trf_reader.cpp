#include "tournament/trf_reader.h"

#include "tournament/crosstable_reader.h"
#include "tournament/leading_number.h"
#include "tournament/round_result.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"

// The FIDE Tournament Report File, as this reader understands it.
//
// Fixed-column text records, each named by its first three characters. Only the player records
// "001" are read; tournament header lines, team records, "XXR" and column rulers are skipped. In a
// player record (columns counted from 1):
//   5-8    start number, 1 to n without gaps or repeats
//   15-47  name, padded with blanks
//   49-52  FIDE rating; blank or 0000 for an unrated player
//   92-    one block of ten columns per round: opponent's start number (4 columns, 0000 or blank
//          for none), blank, colour, blank, result, blank
// Results: "1" "0" "=" played games; "W" "D" "L" games played but not rated, which count as
// played here; "+" and "-" forfeits (a point or none, no game); "H" half a point and "F", "U" a
// full point without a game; "Z" and a blank no point and no game. Records may end early: missing
// columns read as blanks, so a short last round block is read as far as it goes.

namespace tiebreak {
namespace {

constexpr std::string_view PlayerRecord = "001";
constexpr std::size_t StartNumberColumn = 4, StartNumberWidth = 4;
constexpr std::size_t NameColumn = 14, NameWidth = 33;
constexpr std::size_t RatingColumn = 48, RatingWidth = 4;
constexpr std::size_t FirstRoundColumn = 91, RoundWidth = 10;
constexpr std::size_t ColourOffset = 5, ResultOffset = 7;

bool isPlayerRecord(std::string_view line) {
    return line.size() > PlayerRecord.size() && line.substr(0, 3) == PlayerRecord && line[3] == ' ';
}

// Columns [column, column + width) of a record, cut short where the record ends.
std::string_view columns(std::string_view line, std::size_t column, std::size_t width) {
    return column < line.size() ? line.substr(column, width) : std::string_view();
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

double ratingOf(std::string_view field, int eloForUnrated) {
    const std::string_view rating = trimmed(field);
    if (rating.empty() || leadingDouble(rating) == 0.0) return eloForUnrated;
    return leadingDouble(rating);
}

// The round result of a result letter; a played result without an opponent records nothing.
RoundResult resultOf(char letter) {
    switch (letter) {
        case '1':
        case 'W':
            return ResultWin;
        case '0':
        case 'L':
            return ResultLoss;
        case '=':
        case 'D':
            return ResultDraw;
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

void readRounds(TournamentTable& table, std::uint32_t player, std::string_view line) {
    for (std::size_t block = FirstRoundColumn; block < line.size(); block += RoundWidth) {
        const std::string_view round = columns(line, block, RoundWidth);
        const std::int32_t number = leadingInt(columns(round, 0, 4));
        const int opponent = number > 0 ? number - 1 : NoOpponent;
        const char letter = ResultOffset < round.size() ? round[ResultOffset] : ' ';
        // A cell the table rejects (an opponent beyond the field, a game without an opponent)
        // records nothing, as in the crosstable.
        static_cast<void>(table.recordRound(player, opponent, resultOf(letter)));
    }
}

}  // namespace

bool isTrf(const std::vector<std::string_view>& lines) {
    bool hasPlayerRecord = false;
    for (std::string_view line : lines) {
        if (isCrosstableHeader(line)) return false;
        hasPlayerRecord = hasPlayerRecord || isPlayerRecord(line);
    }
    return hasPlayerRecord;
}

int readTrfLines(TournamentTable& table, const std::vector<std::string_view>& lines,
                 int eloForUnrated) {
    std::vector<std::string_view> records;
    for (std::string_view line : lines) {
        if (isPlayerRecord(line)) records.push_back(line);
    }
    if (records.empty()) return ErrorCannotOpenFile;
    if (records.size() > TournamentTable::MaxPlayers) return StatusNoMemory;
    const auto n = static_cast<std::uint32_t>(records.size());

    // Each start number 1..n exactly once; byStart[k] is the record of start number k + 1.
    std::vector<std::string_view> byStart(n);
    std::vector<bool> seen(n, false);
    for (std::string_view record : records) {
        const std::string_view field =
            trimmed(columns(record, StartNumberColumn, StartNumberWidth));
        const std::int32_t number = leadingInt(field);
        if (field.empty() || number < 1 || static_cast<std::uint32_t>(number) > n ||
            seen[number - 1]) {
            return ErrorCannotOpenFile;
        }
        seen[number - 1] = true;
        byStart[number - 1] = record;
    }

    if (const int status = table.allocate(n); failed(status)) return status;
    for (std::uint32_t player = 0; player < n; ++player) {
        const std::string_view record = byStart[player];
        if (failed(table.setName(player, trimmed(columns(record, NameColumn, NameWidth))))) {
            return ErrorNoMemory;
        }
        table.setRating(player,
                        ratingOf(columns(record, RatingColumn, RatingWidth), eloForUnrated));
        readRounds(table, player, record);
        table.setLine(player, lineNumberOf(lines, record));
    }
    return StatusOk;
}

int readTrf(TournamentTable& table, const std::string& path, int eloForUnrated) noexcept {
    return parseFileLines(path, [&](const std::vector<std::string_view>& lines) {
        return readTrfLines(table, lines, eloForUnrated);
    });
}

}  // namespace tiebreak
