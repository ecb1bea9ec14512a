#include "cli/result_outputs.h"

#include <fstream>
#include <functional>

#include "cli/explanation_text.h"
#include "cli/player_choice.h"
#include "cli/results_html.h"
#include "cli/results_json.h"
#include "runs/error_messages.h"
#include "runs/run_codes.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// Writes one output to path, or to out for "-"; false after its error message.
bool writeOutput(const std::string& path, std::ostream& out, Notices& notices,
                 const std::function<bool(std::ostream&)>& write) {
    if (path == "-") {
        if (write(out)) return true;
    } else {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (file.is_open() && write(file)) return true;
    }
    showErrorMessage(notices, ErrorCannotCreateOutput, path);
    return false;
}

}  // namespace

std::optional<std::uint32_t> chooseExplainedPlayer(const TournamentTable& table,
                                                   const std::string& text, std::ostream& err) {
    const std::vector<std::uint32_t> players = playersNamed(table, text);
    if (players.size() == 1) return players.front();
    if (players.empty()) {
        err << "rptiebreaks-cli: no player is named \"" << text
            << "\", nor stands on a line of "
               "that number\n";
        return std::nullopt;
    }
    err << "rptiebreaks-cli: \"" << text << "\" names " << players.size() << " players:\n";
    for (const std::uint32_t player : players)
        err << "  " << numberedName(table, player) << '\n';
    err << "Give more of the name, or the number of the player's line in the file.\n";
    return std::nullopt;
}

int writeResultOutputs(const CliOptions& options, const AdvancedRunOptions& run,
                       const TournamentTable& table, const AdvancedRunResult& result,
                       std::optional<std::uint32_t> player, Notices& notices, std::ostream& out) {
    std::vector<ExplainedRow> rows;
    if (failed(explainRows(table, run, result, rows))) {
        showErrorMessage(notices, ErrorNoMemory, "");
        return CliRunFailed;
    }
    if (player) {
        const bool written = guardMemory(false, [&] {
            writeExplanation(out, table, rows, *player);
            return true;
        });
        if (!written) {
            showErrorMessage(notices, ErrorNoMemory, "");
            return CliRunFailed;
        }
        out.flush();
    }
    const auto json = [&](std::ostream& stream) {
        return writeResultsJson(stream, table, run, rows);
    };
    const auto html = [&](std::ostream& stream) {
        return writeResultsHtml(stream, table, run, rows);
    };
    if (!options.json.empty() && !writeOutput(options.json, out, notices, json)) {
        return CliRunFailed;
    }
    if (!options.html.empty() && !writeOutput(options.html, out, notices, html)) {
        return CliRunFailed;
    }
    return CliSuccess;
}

}  // namespace tiebreak
