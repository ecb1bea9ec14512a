#include "tournament/crosstable_reader.h"

#include <limits>
#include <vector>

#include "tournament/leading_number.h"
#include "tournament/refusal.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"

// The Swiss Manager crosstable export, as this reader understands it.
//
// A text file of lines; every ';' separates two fields, with no quoting and no trimming (a line
// ending in ';' has a last, empty field). Lines before the header (title, place, dates) are
// skipped. The header is the first line with a field "1.Rd."; every line after it is one player's
// line, the k-th of them being the player whom the round cells call k (a blank line too).
//
// In the header, the last field "Name" is the name column, the last field "Rtg" the rating column
// (the first field when there is none), and every field of five or more characters ending in
// "Rd." is a round column. A round takes the player line's fields c, c+1 and c+2 of its column c:
// the opponent's number ("-" for none), then either a one-character colour followed by the
// result character, or the whole result code in one field ("- +").
//
// Result codes: "- +" and "- 1" a full point without a game, "- x" half a point without a game,
// "- -" nothing; otherwise the third character decides: '1' win, '0' loss, 'x' draw; everything
// else (and a code shorter than three characters) is neither a game nor a point. Real exports
// also write the half point as "½" (Windows-1252 byte 0xBD, or UTF-8 C2 BD) alone in the result
// field; that reads as 'x'.
//
// Lines are read whole, whatever their length (see splitLines for line ends and the byte-order
// mark). Player lines with more fields than the
// header ignore the extras; shorter ones, and rounds among the last header fields, read missing
// fields as empty.

namespace tiebreak {
namespace {

constexpr std::string_view FirstRoundField = "1.Rd.";
std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = line.find(';');
        fields.push_back(line.substr(0, end));
        if (end == std::string_view::npos) return fields;
        line.remove_prefix(end + 1);
    }
}

bool isRoundColumn(std::string_view field) {
    return field.size() >= 5 && field.substr(field.size() - 3) == "Rd.";
}

bool isHalfPointSign(std::string_view field) {
    return field == "\xBD" || field == "\xC2\xBD";
}

// Columns of the header that the reader uses.
struct HeaderColumns {
    std::size_t fieldCount = 0;
    std::size_t name = 0;
    bool hasName = false;
    std::size_t rating = 0;
    std::vector<std::size_t> rounds;
};

HeaderColumns findColumns(const std::vector<std::string_view>& header) {
    HeaderColumns columns;
    columns.fieldCount = header.size();
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c] == "Name") {
            columns.name = c;
            columns.hasName = true;
        } else if (header[c] == "Rtg") {
            columns.rating = c;
        } else if (isRoundColumn(header[c])) {
            columns.rounds.push_back(c);
        }
    }
    return columns;
}

// The result code of one round from its colour field and its result field.
std::string resultCode(std::string_view colour, std::string_view result) {
    if (colour.size() != 1) return std::string(colour);
    std::string code(1, colour[0]);
    code += ' ';
    if (isHalfPointSign(result)) {
        code += 'x';
    } else if (!result.empty()) {
        code += result[0];
    }
    return code;
}

double ratingOf(std::string_view field, int eloForUnrated) {
    if (field.empty() || field == "0") return eloForUnrated;
    return leadingDouble(field);
}

// Stores one player line; StatusOk or ErrorNoMemory.
int readPlayer(TournamentTable& table, std::uint32_t player, std::string_view line,
               const HeaderColumns& columns, int eloForUnrated) {
    std::vector<std::string_view> fields = splitFields(line);
    fields.resize(columns.fieldCount + 2);  // rounds in the last two columns read empty fields
    if (failed(table.setName(player, fields[columns.name]))) return ErrorNoMemory;
    table.setRating(player, ratingOf(fields[columns.rating], eloForUnrated));
    for (std::size_t c : columns.rounds) {
        // Rejected cells (an opponent beyond the table, a game without an opponent) record
        // nothing, which is what such a cell means.
        static_cast<void>(
            table.recordRound(player, decodeOpponent(fields[c]),
                              decodeResult(resultCode(fields[c + 1], fields[c + 2]))));
    }
    return StatusOk;
}

}  // namespace

int readCrosstableLines(TournamentTable& table, const std::vector<std::string_view>& lines,
                        int eloForUnrated, std::string* reason) {
    std::size_t headerLine = 0;
    while (headerLine < lines.size() && !isCrosstableHeader(lines[headerLine]))
        ++headerLine;
    if (headerLine == lines.size()) {
        return refuse(reason, ErrorUnsuitableFile,
                      "no header line (a line with a field \"1.Rd.\")");
    }
    if (lines.size() < 3) {
        return refuse(reason, ErrorUnsuitableFile,
                      "the file has fewer than three lines (a title, the header, the players)");
    }

    const std::size_t playerLines = lines.size() - headerLine - 1;
    if (playerLines == 0) {
        return refuse(reason, ErrorUnsuitableFile,
                      atLine(headerLine) + "no player line follows the header");
    }
    // Checked before narrowing: a count beyond 32 bits must not wrap into an acceptable one.
    if (playerLines > TournamentTable::MaxPlayers) {
        return refuse(reason, ErrorTooManyPlayers,
                      std::to_string(playerLines) + " player lines, more than the " +
                          std::to_string(TournamentTable::MaxPlayers) + " this program reads");
    }
    if (failed(table.allocate(static_cast<std::uint32_t>(playerLines)))) return ErrorNoMemory;

    const std::vector<std::string_view> header = splitFields(lines[headerLine]);
    if (header.size() < 7) {
        return refuse(reason, ErrorUnsuitableFile,
                      atLine(headerLine) + "the header has " + std::to_string(header.size()) +
                          " fields, fewer than 7");
    }
    const HeaderColumns columns = findColumns(header);
    if (!columns.hasName) {
        return refuse(reason, ErrorUnsuitableFile,
                      atLine(headerLine) + "the header has no Name column");
    }

    for (std::uint32_t player = 0; player < playerLines; ++player) {
        const int status =
            readPlayer(table, player, lines[headerLine + 1 + player], columns, eloForUnrated);
        if (failed(status)) return status;
        table.setLine(player, static_cast<std::uint32_t>(headerLine + 2 + player));
    }
    return StatusOk;
}

bool isCrosstableHeader(std::string_view line) {
    for (std::string_view field : splitFields(line)) {
        if (field == FirstRoundField) return true;
    }
    return false;
}

int decodeOpponent(std::string_view field) noexcept {
    if (!field.empty() && field[0] == '-') return NoOpponent;
    const std::int32_t number = leadingInt(field);
    // The smallest number cannot lose one more; it names no player either way.
    return number == std::numeric_limits<std::int32_t>::min() ? number : number - 1;
}

RoundResult decodeResult(std::string_view code) noexcept {
    if (code == "- +") return ResultUnplayedWin;
    if (code == "- -") return ResultUnplayedLoss;
    if (code == "- x") return ResultUnplayedDraw;
    if (code == "- 1") return ResultUnplayedWin;
    if (code.size() < 3) return ResultUnplayedLoss;
    switch (code[2]) {
        case '1':
            return ResultWin;
        case '0':
            return ResultLoss;
        case 'x':
            return ResultDraw;
        default:
            return ResultUnplayedLoss;
    }
}

int readCrosstable(TournamentTable& table, const std::string& path, int eloForUnrated,
                   std::string* reason) noexcept {
    return parseFileLines(path, [&](const std::vector<std::string_view>& lines) {
        return readCrosstableLines(table, lines, eloForUnrated, reason);
    });
}

}  // namespace tiebreak
