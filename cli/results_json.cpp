#include "cli/results_json.h"

#include <cmath>
#include <exception>

#include <nlohmann/json.hpp>

namespace tiebreak {

namespace {

using Json = nlohmann::ordered_json;

Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

const char* methodName(TieBreakMethod method) {
    return method == MethodRecursiveBucholz ? "recursive Bucholz" : "recursive performance";
}

Json methodJson(TieBreakMethod method, const MethodOutcome& outcome) {
    return Json{
        {"method", methodName(method)},
        {"iterations", outcome.sweeps},
        // How the run log reads the iteration's result.
        {"limit_reached", outcome.sweeps <= 1},
        {"residual", number(outcome.residual)},
        {"direct_distance", number(outcome.directDistance)},
        {"direct_solver", outcome.sparseCheck ? "sparse solver" : "decomposition"},
    };
}

Json rowsJson(const std::vector<ExplainedRow>& rows) {
    Json list = Json::array();
    for (const ExplainedRow& row : rows) {
        list.push_back({
            {"label", row.label},
            {"method", methodName(row.method)},
            {"modification",
             row.modification == ModificationRivalsAverage ? "rivals average" : "none"},
            {"worst", row.worst},
            {"best", row.best},
        });
    }
    return list;
}

Json playersJson(const TournamentTable& table, const std::vector<ExplainedRow>& rows) {
    Json list = Json::array();
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        Json values = Json::array();
        for (const ExplainedRow& row : rows)
            values.push_back(number((*row.values)[i]));
        Json opponents = Json::array();
        for (const ExplainedOpponent& opponent : rows.front().players[i].opponents)
            opponents.push_back({{"number", opponent.player + 1}, {"games", opponent.games}});
        list.push_back({
            {"number", i + 1},
            {"line", table.line(i)},
            {"name", std::string(table.name(i))},
            {"rating", number(table.rating(i))},
            {"points", table.totalPoints(i)},
            {"game_points", table.gamePoints(i)},
            {"games", table.gamesPlayed(i)},
            {"values", std::move(values)},
            {"opponents", std::move(opponents)},
        });
    }
    return list;
}

}  // namespace

bool writeResultsJson(std::ostream& out, const TournamentTable& table,
                      const AdvancedRunOptions& options, const std::vector<ExplainedRow>& rows) {
    try {
        Json methods = Json::array();
        for (const TieBreakMethod method : {MethodRecursivePerformance, MethodRecursiveBucholz}) {
            for (const ExplainedRow& row : rows) {
                if (row.method != method) continue;
                methods.push_back(methodJson(method, *row.outcome));
                break;
            }
        }
        const Json document{
            {"crosstable", options.inputPath},
            {"options",
             {{"elo_for_unrated", options.eloForUnrated},
              {"sorted", options.sort != 0},
              {"headings", options.headings != 0},
              {"iteration_tolerance", IterationTolerance},
              {"iteration_limit", IterationLimit}}},
            {"rounds", table.maxGamesPlayed()},
            {"methods", std::move(methods)},
            {"rows", rowsJson(rows)},
            {"players", playersJson(table, rows)},
        };
        // Names in another encoding than UTF-8 keep their place, with U+FFFD for each bad byte.
        out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        out.flush();
    } catch (const std::exception&) {
        return false;  // memory ran out
    }
    return out.good();
}

}  // namespace tiebreak
