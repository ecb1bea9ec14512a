#include "tournament/crosstable_reader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tournament/leading_number.h"
#include "tournament/pairing_check.h"
#include "tournament/refusal.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"

// The Swiss Manager crosstable export, as this reader understands it.
//
// A text file of lines; every ';' separates two fields, with no quoting and no trimming (a line
// ending in ';' has a last, empty field). Lines before the header (title, place, dates) are
// skipped. The header is the first line with a field "1.Rd."; every line after it is one player's
// line, the k-th of them being the player whom the round cells call k. A blank line (nothing, or
// blanks only) is a player line too, without a name or a game, and no width is asked of it:
// exports often end with blank lines, and those must not cost the file.
//
// In the header, the last field "Name" is the name column, the last field "Rtg" the rating column
// (the first field when there is none), the last field "SNo" the start number column (else the
// last field "No.", else none), and every field of five or more characters ending in "Rd." is a
// round column. A round takes the player line's fields c, c+1 and c+2 of its column c:
// the opponent's number ("-" for none), then either a one-character colour followed by the
// result character, or the whole result code in one field ("- +").
//
// Result codes: "- +" and "- 1" a full point without a game (the pairing-allocated bye, or a
// forfeit won against a named opponent), "- x" half a point without a game, "- -" nothing (a
// forfeit lost against a named opponent); otherwise the third character decides: '1' win, '0'
// loss, 'x' draw, '+' a forfeit won and '-' one lost (Swiss Manager writes the colour the pairing
// gave); everything else (and a code shorter than three characters) is neither a game nor a
// point. The colour is 'w' white, 'b' black and 's' black too (German exports, "schwarz"). Real
// exports also write the half point as "½" (Windows-1252 byte 0xBD, or UTF-8 C2 BD) alone in the
// result field; that reads as 'x'.
//
// Lines are read whole, whatever their length (see splitLines for line ends and the byte-order
// mark). A player line has as many fields as the header: a stray ';' in a name would shift every
// round after it. It may have more only by empty fields, or fewer only where the header's last
// fields are empty; rounds among the last header fields read missing fields as empty.
//
// Every opponent must name the player back in the same round with the other side of the result
// (pairing_check.h); an opponent number beyond the player lines is refused too.

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
    std::optional<std::size_t> startNumber;
    std::vector<std::size_t> rounds;
};

HeaderColumns findColumns(const std::vector<std::string_view>& header) {
    HeaderColumns columns;
    columns.fieldCount = header.size();
    std::optional<std::size_t> number;
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c] == "SNo") {
            columns.startNumber = c;
        } else if (header[c] == "No.") {
            number = c;
        } else if (header[c] == "Name") {
            columns.name = c;
            columns.hasName = true;
        } else if (header[c] == "Rtg") {
            columns.rating = c;
        } else if (isRoundColumn(header[c])) {
            columns.rounds.push_back(c);
        }
    }
    if (!columns.startNumber) columns.startNumber = number;
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

Colour colourOf(std::string_view code) {
    if (code.empty()) return ColourNone;
    if (code[0] == 'w') return ColourWhite;
    return code[0] == 'b' || code[0] == 's' ? ColourBlack : ColourNone;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool allEmpty(std::span<const std::string_view> fields) {
    return std::all_of(fields.begin(), fields.end(), [](std::string_view f) { return f.empty(); });
}

// Why a player line's fields do not fit the header's, or nothing when they do.
std::optional<std::string> widthMismatch(const std::vector<std::string_view>& fields,
                                         const std::vector<std::string_view>& header) {
    const std::span<const std::string_view> all(fields), columns(header);
    if (fields.size() == header.size()) return {};
    if (fields.size() > header.size() && allEmpty(all.subspan(header.size()))) return {};
    if (fields.size() < header.size() && allEmpty(columns.subspan(fields.size()))) return {};
    return std::to_string(fields.size()) + " fields where the header has " +
           std::to_string(header.size());
}

// The first round cell whose opponent number names no player line.
struct UnknownOpponent {
    std::uint32_t line = 0;
    std::uint32_t round = 0;
    std::uint32_t player = 0;
    std::string number;
};

// Stores one player line; StatusOk, ErrorUnsuitableFile for a line that does not fit the header,
// or ErrorNoMemory. The first cell naming no player line goes to unknown.
int readPlayer(TournamentTable& table, std::uint32_t player, std::size_t lineIndex,
               std::string_view line, const std::vector<std::string_view>& header,
               const HeaderColumns& columns, int eloForUnrated,
               std::optional<UnknownOpponent>& unknown, std::string* reason) {
    std::vector<std::string_view> fields = splitFields(line);
    if (!isBlank(line)) {
        if (const auto mismatch = widthMismatch(fields, header)) {
            return refuse(reason, ErrorUnsuitableFile, atLine(lineIndex) + *mismatch);
        }
    }
    fields.resize(columns.fieldCount + 2);  // rounds in the last two columns read empty fields
    if (failed(table.setName(player, fields[columns.name]))) return ErrorNoMemory;
    const std::string_view rating = fields[columns.rating];
    if (rating.empty() || rating == "0") {
        table.setUnrated(player);
        table.setRating(player, eloForUnrated);
    } else {
        table.setRating(player, leadingDouble(rating));
    }
    if (columns.startNumber) {
        const std::int32_t number = leadingInt(fields[*columns.startNumber]);
        table.setStartNumber(player, static_cast<std::uint32_t>(std::max(number, 0)));
    }
    const std::int64_t players = table.playerCount();
    for (std::size_t r = 0; r < columns.rounds.size(); ++r) {
        const std::size_t c = columns.rounds[r];
        const int opponent = decodeOpponent(fields[c]);
        const bool known = opponent >= 0 && opponent < players;
        if (!known && opponent != NoOpponent && !unknown) {
            unknown = UnknownOpponent{static_cast<std::uint32_t>(lineIndex + 1),
                                      static_cast<std::uint32_t>(r + 1), player,
                                      std::string(trimmed(fields[c]))};
        }
        const std::string code = resultCode(fields[c + 1], fields[c + 2]);
        const RoundResult result = decodeResult(code);
        RoundDetail detail = detailOf(result, known);
        detail.colour = colourOf(code);
        // Rejected cells (a game without an opponent) give no game and no point, which is what
        // such a cell means.
        static_cast<void>(table.recordRound(player, opponent, result, detail));
    }
    return StatusOk;
}

// Refuses the first contradiction in file order: an opponent beyond the player lines or a round
// that the two lines tell differently.
int checkPairings(const TournamentTable& table, const std::optional<UnknownOpponent>& unknown,
                  std::string* reason) {
    std::optional<Contradiction> found = firstContradiction(table, NumberedByPlace);
    const bool unknownFirst =
        unknown && (!found || unknown->line < found->line ||
                    (unknown->line == found->line && unknown->round < found->round));
    if (unknownFirst) {
        return refuse(
            reason, ErrorUnsuitableFile,
            "line " + std::to_string(unknown->line) + ", round " + std::to_string(unknown->round) +
                ": " + std::string(table.name(unknown->player)) + " met " + unknown->number +
                ", but there are " + std::to_string(table.playerCount()) + " player lines");
    }
    if (found) return refuse(reason, ErrorUnsuitableFile, std::move(found->reason));
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

    std::optional<UnknownOpponent> unknown;
    for (std::uint32_t player = 0; player < playerLines; ++player) {
        const std::size_t lineIndex = headerLine + 1 + player;
        const int status = readPlayer(table, player, lineIndex, lines[lineIndex], header, columns,
                                      eloForUnrated, unknown, reason);
        if (failed(status)) return status;
        table.setLine(player, static_cast<std::uint32_t>(lineIndex + 1));
    }
    return checkPairings(table, unknown, reason);
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
        case '+':
            return ResultUnplayedWin;
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
