#include "runs/results_html.h"

#include <sstream>

#include "runs/explanation_text.h"
#include "runs/text_format.h"

namespace tiebreak {

namespace {

// No script, and no style or font from outside the page.
constexpr const char* Style = R"(
body { font-family: sans-serif; font-size: 11pt; margin: 1.5em; color: #000; }
h1 { font-size: 15pt; margin: 0 0 0.3em; }
p.about, table.measures { font-size: 9pt; color: #333; }
table { border-collapse: collapse; }
th, td { padding: 2px 8px; text-align: left; vertical-align: top; }
table.results th { border-bottom: 2px solid #444; }
table.results td { border-bottom: 1px solid #ccc; }
td.number, th.number { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
summary { cursor: pointer; }
/* An open breakdown runs on under the row's numbers instead of widening the name column. */
pre { font-size: 8pt; margin: 0.4em 0 0.6em; width: 0; overflow: visible; }
@page { size: A4; margin: 12mm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  thead { display: table-header-group; }
  summary { list-style: none; }
  summary::-webkit-details-marker { display: none; }
  pre { font-size: 7pt; }
}
)";

void writeMeasures(std::ostream& out, const RunResult& result) {
    out << "<table class=\"measures\">\n<tr><th>method</th><th>iterations</th>"
           "<th>residual</th><th>distance to the direct solution</th></tr>\n";
    for (const MethodOutcome& outcome : result.methods) {
        out << "<tr><td>"
            << (outcome.method == MethodRecursiveBucholz ? "Recursive Buchholz"
                                                         : "Recursive performance")
            << "</td><td class=\"number\">"
            << (outcome.iteration.converged ? std::to_string(outcome.iteration.sweeps)
                                            : "limit reached")
            << "</td><td class=\"number\">" << general(outcome.residual, 3)
            << "</td><td class=\"number\">" << general(outcome.directDistance, 3)
            << (outcome.solver == SolverSparse ? " (sparse solver)" : "") << "</td></tr>\n";
    }
    out << "</table>\n";
}

void writePlayer(std::ostream& out, const RunResult& result, std::uint32_t player) {
    const TournamentTable& table = result.tournament;
    std::ostringstream breakdown;
    writeExplanation(breakdown, result, player);
    out << "<tr><td class=\"number\">" << player + 1 << "</td><td><details><summary>"
        << escapeHtml(table.name(player)) << "</summary><pre>" << escapeHtml(breakdown.str())
        << "</pre></details></td><td class=\"number\">" << fixed(table.totalPoints(player), 0, 1)
        << "</td>";
    for (const ResultRow& row : result.rows)
        out << "<td class=\"number\">" << fixed(row.values[player], 0, 12) << "</td>";
    out << "</tr>\n";
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
    const std::string title = "Tie-breaks of " + escapeHtml(result.request.inputPath);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << title
        << "</title>\n<style>" << Style << "</style>\n</head>\n<body>\n<h1>" << title
        << "</h1>\n<p class=\"about\">" << table.playerCount() << " players, "
        << table.maxGamesPlayed()
        << " rounds (the most games anyone played). Click a name for the breakdown of the "
           "player's values.</p>\n";
    writeMeasures(out, result);
    out << "<table class=\"results\">\n<thead><tr><th class=\"number\">No.</th><th>Name</th>"
           "<th class=\"number\">Pts</th>";
    for (const ResultRow& row : result.rows)
        out << "<th class=\"number\">" << escapeHtml(row.label) << "</th>";
    out << "</tr></thead>\n<tbody>\n";
    for (const std::uint32_t player : result.order)
        writePlayer(out, result, player);
    out << "</tbody>\n</table>\n</body>\n</html>\n";
}

}  // namespace tiebreak
