#include "tournament/trf_reader.h"

#include <array>
#include <charconv>
#include <optional>

#include "tournament/crosstable_reader.h"
#include "tournament/leading_number.h"
#include "tournament/pairing_check.h"
#include "tournament/refusal.h"
#include "tournament/round_result.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/utf8.h"

// The FIDE Tournament Report File, as this reader understands it.
//
// Fixed-column text records, each named by its first three characters. The player records "001"
// are read, and of the tournament's records the name "012" and the pairing system "092" (a
// column ruler such as "0123456789..." is no "012" record: a record's code is followed by a
// blank); team records, "XXR" and every other line are skipped. In a player record (columns
// counted from 1):
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
// read as blanks, so a short last round block is read as far as it goes, and the rounds after it
// are not recorded at all.
//
// Besides its points each round keeps its kind for FIDE's tie-breaks: with an opponent "1" "="
// "0" are rated games, "W" "D" "L" unrated ones, "+" a forfeit won, "-" and a missing result a
// forfeit lost; "U" is the pairing-allocated bye, "F" (and "+" without an opponent) a full-point
// bye, "H" a half-point bye, "Z" a zero-point bye; without an opponent "-" and a blank are no
// pairing, and a game's result is a pairing-allocated bye of its points. The colour is "w" or
// "b", anything else none. Every opponent's record must name the player back in the same round
// with the other side of the result ("W" answers "L" as "1" answers "0"; pairing_check.h).
//
// Columns are characters: a file that is valid UTF-8 counts them in code points ("Hülleman" takes
// eight columns and nine bytes), any other file (Latin-1, a code page) in bytes.

namespace tiebreak {
namespace {

constexpr std::string_view PlayerRecord = "001";
constexpr std::string_view TournamentNameRecord = "012 ";
constexpr std::string_view PairingSystemRecord = "092 ";
constexpr std::size_t StartNumberColumn = 4, StartNumberWidth = 4;
constexpr std::size_t NameColumn = 14, NameWidth = 33;
constexpr std::size_t RatingColumn = 48, RatingWidth = 4;
constexpr std::size_t ScoreColumn = 80, ScoreWidth = 4;
constexpr std::size_t FirstRoundColumn = 91, RoundWidth = 10;
constexpr std::size_t ColourOffset = 5, ResultOffset = 7;

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

// A blank rating and one of 0 mark an unrated player.
bool isUnrated(std::string_view field) {
    const std::string_view rating = trimmed(field);
    return rating.empty() || leadingDouble(rating) == 0.0;
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

// The round's kind, colour and points; resultOf gives what the same letter counts in the table.
RoundDetail detailOf(char letter, char colour, bool hasOpponent) {
    RoundDetail detail;
    detail.colour = colour == 'w' ? ColourWhite : colour == 'b' ? ColourBlack : ColourNone;
    detail.rated = letter != 'W' && letter != 'D' && letter != 'L';
    switch (letter) {
        case '1':
        case 'W':
            detail.kind = hasOpponent ? RoundGameWon : RoundPairingBye;
            detail.points = 1.0;
            break;
        case '=':
        case 'D':
            detail.kind = hasOpponent ? RoundGameDrawn : RoundPairingBye;
            detail.points = 0.5;
            break;
        case '0':
        case 'L':
            detail.kind = hasOpponent ? RoundGameLost : RoundPairingBye;
            break;
        case '+':
            detail.kind = hasOpponent ? RoundForfeitWon : RoundFullPointBye;
            detail.points = 1.0;
            break;
        case 'U':
            detail.kind = RoundPairingBye;
            detail.points = 1.0;
            break;
        case 'F':
            detail.kind = RoundFullPointBye;
            detail.points = 1.0;
            break;
        case 'H':
            detail.kind = RoundHalfPointBye;
            detail.points = 0.5;
            break;
        case 'Z':
            detail.kind = RoundZeroPointBye;
            break;
        default:  // '-', a blank (a record cut off after the opponent) and anything unknown
            detail.kind = hasOpponent ? RoundForfeitLost : RoundNotPaired;
            break;
    }
    return detail;
}

// The pairing system a "092" record names: a Swiss when some word holds "SWISS" ("Swiss Dutch",
// "Individual: Swiss-System"), else a round robin for "ROBIN", "BERGER" or the word "RR", in any
// case. "RR" counts only as a whole word, so that names such as "Ferrara" do not match.
DeclaredType declaredTypeOf(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (upper.find("SWISS") != std::string::npos) return DeclaredSwiss;
    if (upper.find("ROBIN") != std::string::npos || upper.find("BERGER") != std::string::npos)
        return DeclaredRoundRobin;
    const auto inWord = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); };
    for (std::size_t at = upper.find("RR"); at != std::string::npos;
         at = upper.find("RR", at + 1)) {
        const bool starts = at == 0 || !inWord(upper[at - 1]);
        const bool ends = at + 2 == upper.size() || !inWord(upper[at + 2]);
        if (starts && ends) return DeclaredRoundRobin;
    }
    return DeclaredNone;
}

// The tournament's name and pairing system from the first "012" and "092" records.
void readTournamentRecords(TournamentTable& table, const std::vector<std::string_view>& lines) {
    bool named = false, typed = false;
    for (std::string_view line : lines) {
        const auto isRecord = [&](std::string_view code) {
            return line.starts_with(code) || line == code.substr(0, 3);
        };
        if (!named && isRecord(TournamentNameRecord)) {
            table.setTournamentName(trimmed(line.substr(3)));
            named = true;
        } else if (!typed && isRecord(PairingSystemRecord)) {
            table.setDeclaredType(declaredTypeOf(line.substr(3)));
            typed = true;
        }
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
        const char colour = ColourOffset < cell.size() ? cell[ColourOffset] : ' ';
        const bool hasOpponent = opponent != NoOpponent;
        // A cell the table rejects (a game's result without an opponent) gives no game, as in the
        // crosstable.
        static_cast<void>(table.recordRound(player, opponent, resultOf(letter, hasOpponent),
                                            detailOf(letter, colour, hasOpponent)));
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
        const std::string_view startNumber = record.columns(StartNumberColumn, StartNumberWidth);
        table.setStartNumber(player, static_cast<std::uint32_t>(leadingInt(startNumber)));
        const std::string_view rating = record.columns(RatingColumn, RatingWidth);
        if (isUnrated(rating)) {
            table.setUnrated(player);
            table.setRating(player, eloForUnrated);
        } else {
            table.setRating(player, leadingDouble(trimmed(rating)));
        }
        if (const int status = readRounds(table, player, record, indexOf, reason); failed(status))
            return status;
        if (const int status = takeScore(table, player, record, reason); failed(status))
            return status;
        table.setLine(player, static_cast<std::uint32_t>(record.lineIndex() + 1));
    }
    if (std::optional<Contradiction> found = firstContradiction(table, NumberedByStartNumber)) {
        return refuse(reason, ErrorUnsuitableFile, std::move(found->reason));
    }
    readTournamentRecords(table, lines);
    return StatusOk;
}

}  // namespace tiebreak
