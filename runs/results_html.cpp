#include "runs/results_html.h"

#include <sstream>

#include "engine/fide/fide_codes.h"
#include "runs/error_messages.h"
#include "runs/explanation_text.h"
#include "runs/fide_explanation_text.h"
#include "runs/text_format.h"

namespace tiebreak {

namespace {

// No script, and no style or font from outside the page. Printed, the hints for a pointer go,
// and the table's heading repeats on every page.
constexpr const char* Style = R"(
body { font-family: sans-serif; font-size: 11pt; margin: 1.5em; color: #000; }
h1 { font-size: 15pt; margin: 0 0 0.3em; }
h2 { font-size: 12pt; margin: 1.5em 0 0.4em; }
p.about, table.measures, p.method { font-size: 9pt; color: #333; }
table { border-collapse: collapse; }
th, td { padding: 2px 8px; text-align: left; vertical-align: top; }
table.results > thead th { border-bottom: 2px solid #444; }
table.results > tbody > tr > td { border-bottom: 1px solid #ccc; }
td.number, th.number { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
summary { cursor: pointer; }
div.breakdown { font-size: 9pt; margin: 0.4em 0 0.8em; width: 0; overflow: visible; }
div.breakdown table { margin: 0.3em 0; white-space: nowrap; }
div.breakdown th { border-bottom: 1px solid #888; }
div.breakdown p { width: 60em; margin: 0.4em 0; }
div.lines { white-space: pre; font-family: monospace; font-size: 8pt; margin: 0.4em 0; }
@page { size: A4; margin: 12mm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  thead { display: table-header-group; }
  summary { list-style: none; }
  summary::-webkit-details-marker { display: none; }
  .hint { display: none; }
}
)";

std::string number(double value, int decimals) {
    return hasValue(value) ? fixed(value + 0.0, 0, decimals) : std::string("-");
}

// A value to two decimals (a FIDE value as FIDE shows it), the full one where a pointer rests.
std::string valueCell(const ResultRow& row, double value) {
    if (!hasValue(value)) return "<td class=\"number\">-</td>";
    const int decimals = row.row.fide ? fideDecimals(row.row.fide->code) : 2;
    return "<td class=\"number\" title=\"" + fixed(value + 0.0, 0, row.row.fide ? decimals : 12) +
           "\">" + number(value, decimals) + "</td>";
}

std::string rankText(const Rank& rank) {
    std::string text = std::to_string(rank.first);
    if (rank.last != rank.first) text += "-" + std::to_string(rank.last);
    return text;
}

// A player as his opponents' lines name him: name, start number, rating.
std::string opponentText(const TournamentTable& table, std::uint32_t player) {
    std::string text = escapeHtml(table.name(player));
    const std::uint32_t start = table.startNumber(player);
    text += " (" + std::to_string(start != 0 ? start : player + 1) + ", ";
    text += table.isUnrated(player) ? "unrated, counted as " + fixed(table.rating(player), 0, 0)
                                    : fixed(table.rating(player), 0, 0);
    return text + ")";
}

const char* colourText(Colour colour) {
    switch (colour) {
        case ColourWhite:
            return "white";
        case ColourBlack:
            return "black";
        case ColourNone:
            break;
    }
    return "";
}

std::string resultText(const RecordedRound& cell) {
    const double points = cell.detail.points;
    const std::string shown = points == 1.0 ? "1" : points == 0.5 ? "&frac12;" : "0";
    return cell.played ? shown : shown + " without a game";
}

// The player's rounds: opponent, colour, result, and whether the recursive tie-breaks count it.
void writeRounds(std::ostream& out, const TournamentTable& table, std::uint32_t player) {
    out << "<table><tr><th class=\"number\">Round</th><th>Opponent</th><th>Colour</th>"
           "<th>Result</th><th>Counted</th></tr>\n";
    const auto cells = table.rounds(player);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const RecordedRound& cell = cells[k];
        out << "<tr><td class=\"number\">" << k + 1 << "</td><td>"
            << (cell.opponent != NoOpponent
                    ? opponentText(table, static_cast<std::uint32_t>(cell.opponent))
                    : std::string("-"))
            << "</td><td>" << colourText(cell.detail.colour) << "</td><td>" << resultText(cell)
            << "</td><td>" << (cell.played ? "yes" : escapeHtml("no: " + unplayedReason(cell)))
            << "</td></tr>\n";
    }
    out << "</table>\n";
}

// A recursive row's value in plain words, from the numbers the run computed.
void writeRecursiveArithmetic(std::ostream& out, const RunResult& result, const ResultRow& row,
                              std::uint32_t player) {
    const MethodOutcome& outcome = *result.outcomeOf(row.row.method);
    const ValueExplanation& e = outcome.explanations[player];
    const bool bucholz = row.row.method == MethodRecursiveBucholz;
    const int decimals = bucholz ? 4 : 2;
    out << "<p><b>" << escapeHtml(row.label) << "</b> (" << methodText(row.row.method);
    if (row.row.modification == ModificationRivalsAverage) out << ", rivals average";
    out << "): ";
    if (e.games == 0) {
        out << "no value, as no game was played.</p>\n";
        return;
    }
    out << "average of the opponents' values " << number(e.opponentsMean, decimals) << ", plus "
        << (bucholz ? "the share of points scored " + number(e.scoreTerm, decimals)
                    : "the bonus for scoring " + std::to_string(e.wholePercentage) + " %, " +
                          number(e.scoreTerm, 0))
        << " (" << number(e.points, 1) << " points from " << e.games << " games), less the "
        << (bucholz ? "average share" : "average bonus") << " over the field "
        << number(e.centring, decimals) << ": " << number(e.value, decimals) << ".";
    if (row.row.modification == ModificationRivalsAverage) {
        const RivalsExplanation& r = row.rivals[player];
        const long kept = r.end - r.low;
        out << " Without the " << row.row.worst << " worst and " << row.row.best
            << " best of the opponents' values";
        if (r.missedGames > 0 && row.row.worst > 0)
            out << " (a game missed counts as a worst one taken out)";
        if (kept <= 0) {
            out << ", nothing is left: no value.";
        } else {
            out << ", the average of the " << kept << " left is " << number(r.mean, decimals)
                << ".";
        }
    }
    out << "</p>\n";
}

void writeBreakdown(std::ostream& out, const RunResult& result, std::uint32_t player) {
    const TournamentTable& table = result.tournament;
    out << "<div class=\"breakdown\">\n";
    writeRounds(out, table, player);
    for (const ResultRow& row : result.rows) {
        if (!row.row.fide) {
            writeRecursiveArithmetic(out, result, row, player);
            continue;
        }
        std::ostringstream lines;
        writeFideBreakdown(lines, table, *row.row.fide, result.request.fideRules,
                           row.breakdowns[player], row.values[player]);
        out << "<div class=\"lines\">" << escapeHtml(lines.str()) << "</div>\n";
    }
    out << "</div>\n";
}

void writePlayer(std::ostream& out, const RunResult& result, std::uint32_t player) {
    const TournamentTable& table = result.tournament;
    const std::uint32_t start = table.startNumber(player);
    out << "<tr><td class=\"number\">" << rankText(result.ranks[player])
        << "</td><td class=\"number\">" << (start != 0 ? start : player + 1)
        << "</td><td><details><summary>" << escapeHtml(table.name(player)) << "</summary>\n";
    writeBreakdown(out, result, player);
    out << "</details></td><td class=\"number\">" << fixed(table.totalPoints(player), 0, 1)
        << "</td>";
    for (const ResultRow& row : result.rows)
        out << valueCell(row, row.values[player]);
    out << "</tr>\n";
}

// How the methods' values were made: the iterations, their residuals and their checks.
void writeMeasures(std::ostream& out, const RunResult& result) {
    out << "<h2>How these values were computed</h2>\n";
    if (!result.methods.empty()) {
        out << "<p class=\"method\">Each recursive value is the average of the opponents' values "
               "plus a term for the player's own score, computed for all players at once by "
               "repeated sweeps until the values stop moving, and checked against a direct "
               "solution of the same equations.</p>\n<table class=\"measures\">\n<tr><th>method"
               "</th><th>sweeps</th><th>residual</th><th>distance to the direct solution</th>"
               "<th>values</th></tr>\n";
    }
    for (const MethodOutcome& outcome : result.methods) {
        out << "<tr><td>" << methodText(outcome.method) << "</td><td class=\"number\">"
            << (outcome.iteration.converged ? std::to_string(outcome.iteration.sweeps)
                                            : "limit reached")
            << "</td><td class=\"number\">" << general(outcome.residual, 3)
            << "</td><td class=\"number\">"
            << (hasValue(outcome.directDistance) ? general(outcome.directDistance, 3) : "-")
            << (outcome.solver == SolverSparse ? " (sparse solver)" : "") << "</td><td>"
            << (outcome.direct == DirectNotTaken ? "the sweeps'" : "the direct solution")
            << "</td></tr>\n";
    }
    if (!result.methods.empty()) out << "</table>\n";
    if (result.ranksByEveryRow()) {
        out << "<p class=\"method\">FIDE's tie-breaks follow the "
            << static_cast<int>(result.request.fideRules)
            << " edition of FIDE's tie-break rules. Players are ranked by points, then by each "
               "tie-break in turn among those still equal; players equal on all share their "
               "place.</p>\n";
    }
}

}  // namespace

std::string escapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

void writeResultsHtml(std::ostream& out, const RunResult& result) {
    const TournamentTable& table = result.tournament;
    const std::string& name = table.tournamentName();
    const std::string title =
        escapeHtml(name.empty() ? "Tie-breaks of " + result.request.inputPath : name);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << title
        << "</title>\n<style>" << Style << "</style>\n</head>\n<body>\n<h1>" << title
        << "</h1>\n<p class=\"about\">" << table.playerCount() << " players, "
        << table.maxGamesPlayed()
        << " rounds. <span class=\"hint\">Click a name for the player's rounds and how each of his "
           "values is made up; rest the pointer on a value for all its decimals.</span></p>\n";
    out << "<table class=\"results\">\n<thead><tr><th class=\"number\">Rank</th>"
           "<th class=\"number\">No.</th><th>Name</th><th class=\"number\">Pts</th>";
    for (const ResultRow& row : result.rows)
        out << "<th class=\"number\">" << escapeHtml(row.label) << "</th>";
    out << "</tr></thead>\n<tbody>\n";
    for (const std::uint32_t player : result.order)
        writePlayer(out, result, player);
    out << "</tbody>\n</table>\n";
    writeMeasures(out, result);
    out << "</body>\n</html>\n";
}

}  // namespace tiebreak
