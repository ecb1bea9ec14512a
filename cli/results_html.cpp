#include "cli/results_html.h"

#include <sstream>

#include "cli/explanation_text.h"
#include "runs/report_row.h"
#include "runs/text_format.h"
#include "tournament/memory_guard.h"

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

void writeMeasures(std::ostream& out, const std::vector<ExplainedRow>& rows) {
    out << "<table class=\"measures\">\n<tr><th>method</th><th>iterations</th>"
           "<th>residual</th><th>distance to the direct solution</th></tr>\n";
    for (const TieBreakMethod method : {MethodRecursivePerformance, MethodRecursiveBucholz}) {
        for (const ExplainedRow& row : rows) {
            if (row.method != method) continue;
            const MethodOutcome& outcome = *row.outcome;
            out << "<tr><td>"
                << (method == MethodRecursiveBucholz ? "Recursive Bucholz"
                                                     : "Recursive performance")
                << "</td><td class=\"number\">"
                << (outcome.sweeps > 1 ? std::to_string(outcome.sweeps) : "limit reached")
                << "</td><td class=\"number\">" << general(outcome.residual, 3)
                << "</td><td class=\"number\">" << general(outcome.directDistance, 3)
                << (outcome.sparseCheck ? " (sparse solver)" : "") << "</td></tr>\n";
            break;
        }
    }
    out << "</table>\n";
}

void writePlayer(std::ostream& out, const TournamentTable& table,
                 const std::vector<ExplainedRow>& rows, std::uint32_t player) {
    std::ostringstream breakdown;
    writeExplanation(breakdown, table, rows, player);
    out << "<tr><td class=\"number\">" << player + 1 << "</td><td><details><summary>"
        << escapeHtml(table.name(player)) << "</summary><pre>" << escapeHtml(breakdown.str())
        << "</pre></details></td><td class=\"number\">" << fixed(table.totalPoints(player), 0, 1)
        << "</td>";
    for (const ExplainedRow& row : rows)
        out << "<td class=\"number\">" << fixed((*row.values)[player], 0, 12) << "</td>";
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

bool writeResultsHtml(std::ostream& out, const TournamentTable& table,
                      const AdvancedRunOptions& options, const std::vector<ExplainedRow>& rows) {
    const bool written = guardMemory(false, [&] {
        const std::string title = "Tie-breaks of " + escapeHtml(options.inputPath);
        out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
            << title << "</title>\n<style>" << Style << "</style>\n</head>\n<body>\n<h1>" << title
            << "</h1>\n<p class=\"about\">" << table.playerCount() << " players, "
            << table.maxGamesPlayed()
            << " rounds (the most games anyone played). Click a name for the breakdown of the "
               "player's values.</p>\n";
        writeMeasures(out, rows);
        out << "<table class=\"results\">\n<thead><tr><th class=\"number\">No.</th><th>Name</th>"
               "<th class=\"number\">Pts</th>";
        for (const ExplainedRow& row : rows)
            out << "<th class=\"number\">" << escapeHtml(row.label) << "</th>";
        out << "</tr></thead>\n<tbody>\n";
        // The order of the .csv: points, then the first row's value.
        std::vector<ReportRow> order =
            reportRows(std::vector<double>(table.totalPoints().begin(), table.totalPoints().end()),
                       *rows.front().values);
        if (options.sort != 0) sortReportRows(order);
        for (const ReportRow& record : order)
            writePlayer(out, table, rows, static_cast<std::uint32_t>(record.player));
        out << "</tbody>\n</table>\n</body>\n</html>\n";
        return true;
    });
    if (!written) return false;
    out.flush();
    return out.good();
}

}  // namespace tiebreak
