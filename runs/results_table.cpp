#include "runs/results_table.h"

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "engine/fide/fide_codes.h"
#include "runs/text_format.h"
#include "tournament/utf8.h"

namespace tiebreak {

namespace {

// One field of a line of the table: its text, with the spaces that align it, whether it is a
// number, whose decimal point the spreadsheet writes in the locale's way, and whether it stands
// for no value: "-" in the table, an empty field in the spreadsheet.
struct Cell {
    std::string text;
    bool number = false;
    bool empty = false;
};

using LineWriter = std::function<void(std::span<const Cell>)>;

// Width and decimals of the value columns.
struct ColumnFormat {
    int width = 17;
    int precision = 12;
};

ColumnFormat columnFormat(const RunResult& result) {
    if (result.request.style != StyleSimple) return {};
    const int width = std::clamp(43 / static_cast<int>(result.rows.size()) - 1, 7, 17);
    return {width, width - 5};
}

// The name and the field after it, which begins with the spaces that fill the name's 30
// characters (the name's ';' included).
void nameCells(std::string_view name, std::string next, bool number, std::vector<Cell>& cells) {
    const std::string padded = padRight(std::string(name) + ";", 30);
    cells.push_back({std::string(name)});
    cells.push_back({padded.substr(name.size() + 1) + next, number});
}

// The width of the rank column, which the table has when a FIDE tie-break ranks.
constexpr std::size_t RankWidth = 7;

std::string rankText(const Rank& rank) {
    std::string text = std::to_string(rank.first);
    if (rank.last != rank.first) text += "-" + std::to_string(rank.last);
    return text;
}

// A value's cell: as FIDE shows it for a FIDE tie-break, else with the column's decimals.
Cell valueCell(const ResultRow& row, double value, const ColumnFormat& format, bool first) {
    const std::string lead = first ? "  " : " ";
    if (!hasValue(value))
        return {lead + padLeft("-", static_cast<std::size_t>(format.width)), false, true};
    const int decimals = row.row.fide ? fideDecimals(row.row.fide->code) : format.precision;
    // Adding zero writes a negative zero as a plain one.
    return {lead + fixed(value + 0.0, format.width, decimals), true};
}

// Calls write with each line's cells: the heading when asked for, then each player in order.
void forEachLine(const RunResult& result, const LineWriter& write) {
    const ColumnFormat format = columnFormat(result);
    const auto width = static_cast<std::size_t>(format.width);
    const bool ranks = result.ranksByEveryRow();
    std::vector<Cell> cells;
    if (result.request.headings) {
        if (ranks) cells.push_back({padLeft("RANK", RankWidth)});
        nameCells("NAME", "PTS", false, cells);
        for (std::size_t k = 0; k < result.rows.size(); ++k) {
            const bool wide = k == 0 && result.request.style == StyleSimple;
            cells.push_back({(wide ? "  " : " ") + padLeft(result.rows[k].label, width)});
        }
        write(cells);
    }
    const TournamentTable& table = result.tournament;
    for (const std::uint32_t player : result.order) {
        cells.clear();
        if (ranks) cells.push_back({padLeft(rankText(result.ranks[player]), RankWidth)});
        nameCells(table.name(player), fixed(table.totalPoints(player), 3, 1), true, cells);
        for (std::size_t k = 0; k < result.rows.size(); ++k)
            cells.push_back(
                valueCell(result.rows[k], result.rows[k].values[player], format, k == 0));
        write(cells);
    }
}

// text as one spreadsheet field: the number's decimal point in the locale's way, then quoted
// where the field would otherwise not stay one.
void appendField(std::string& out, const Cell& cell, const Separators& separators) {
    if (cell.empty) return;
    std::string text = cell.text;
    if (cell.number) std::replace(text.begin(), text.end(), '.', separators.decimal);
    if (text.find_first_of(std::string{separators.list, '"', '\n', '\r'}) == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    out += '"';
}

// True when every name is UTF-8 and some name is not plain ASCII.
bool namesNeedByteOrderMark(const TournamentTable& table) {
    bool beyondAscii = false;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        const std::string_view name = table.name(i);
        if (!utf8Length(name)) return false;
        beyondAscii = beyondAscii || utf8Length(name) != name.size();
    }
    return beyondAscii;
}

}  // namespace

void writePlainTable(std::ostream& out, const RunResult& result) {
    forEachLine(result, [&](std::span<const Cell> cells) {
        for (std::size_t k = 0; k < cells.size(); ++k)
            out << (k == 0 ? "" : ";") << cells[k].text;
        out << '\n';
    });
}

void writeSpreadsheet(std::ostream& out, const RunResult& result, const Separators& separators) {
    if (namesNeedByteOrderMark(result.tournament)) out << "\xEF\xBB\xBF";
    std::string line;
    forEachLine(result, [&](std::span<const Cell> cells) {
        line.clear();
        for (std::size_t k = 0; k < cells.size(); ++k) {
            if (k > 0) line += separators.list;
            appendField(line, cells[k], separators);
        }
        line += '\n';
        out << line;
    });
}

}  // namespace tiebreak
