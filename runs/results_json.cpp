#include "runs/results_json.h"

#include <nlohmann/json.hpp>

#include "engine/fide/fide_codes.h"
#include "runs/error_messages.h"

namespace tiebreak {

namespace {

using Json = nlohmann::ordered_json;

Json number(double value) {
    return hasValue(value) ? Json(value) : Json(nullptr);
}

const char* solverName(DirectSolver solver) {
    switch (solver) {
        case SolverNone:
            break;
        case SolverDecomposition:
            return "decomposition";
        case SolverSparse:
            return "sparse solver";
    }
    return "none";
}

Json methodJson(const MethodOutcome& outcome) {
    return Json{
        {"method", methodText(outcome.method)},
        {"iterations", outcome.iteration.sweeps},
        {"limit_reached", !outcome.iteration.converged},
        {"residual", number(outcome.residual)},
        {"direct_distance", number(outcome.directDistance)},
        {"direct_solver", solverName(outcome.solver)},
        {"direct_iterations",
         outcome.solver == SolverSparse ? Json(outcome.directIterations) : Json(nullptr)},
        {"values_from", outcome.direct == DirectNotTaken ? "iteration" : "direct solution"},
        {"direct_residual", number(outcome.directResidual)},
    };
}

Json rowsJson(const RunResult& result) {
    Json list = Json::array();
    for (const ResultRow& row : result.rows) {
        if (row.row.fide) {
            list.push_back({{"label", row.label},
                            {"method", "FIDE"},
                            {"code", std::string(fideCodeName(row.row.fide->code))},
                            {"lower_is_better", lowerIsBetter(*row.row.fide)},
                            {"decimals", fideDecimals(row.row.fide->code)}});
            continue;
        }
        list.push_back({
            {"label", row.label},
            {"method", methodText(row.row.method)},
            {"modification",
             row.row.modification == ModificationRivalsAverage ? "rivals average" : "none"},
            {"worst", row.row.worst},
            {"best", row.row.best},
        });
    }
    return list;
}

Json playersJson(const RunResult& result) {
    const TournamentTable& table = result.tournament;
    Json list = Json::array();
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        Json values = Json::array();
        for (const ResultRow& row : result.rows)
            values.push_back(number(row.values[i]));
        Json opponents = Json::array();
        for (const GamesAgainst& opponent : table.opponents(i))
            opponents.push_back({{"number", opponent.opponent + 1}, {"games", opponent.games}});
        const Rank& rank = result.ranks[i];
        list.push_back({
            {"number", i + 1},
            {"start_number",
             table.startNumber(i) != 0 ? Json(table.startNumber(i)) : Json(nullptr)},
            {"rank", rank.first},
            {"tied", rank.last != rank.first},
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

void writeResultsJson(std::ostream& out, const RunResult& result) {
    Json methods = Json::array();
    for (const MethodOutcome& outcome : result.methods)
        methods.push_back(methodJson(outcome));
    const RunRequest& request = result.request;
    const Json document{
        {"crosstable", request.inputPath},
        {"tournament", result.tournament.tournamentName()},
        {"options",
         {{"elo_for_unrated", request.eloForUnrated},
          {"sorted", request.sorted},
          {"headings", request.headings},
          {"iteration_tolerance", IterationTolerance},
          {"iteration_limit", IterationLimit},
          {"fide_rules", static_cast<int>(request.fideRules)}}},
        {"rounds", result.tournament.maxGamesPlayed()},
        {"groups", result.groups.sizes},
        {"methods", std::move(methods)},
        {"rows", rowsJson(result)},
        {"players", playersJson(result)},
    };
    // Names in another encoding than UTF-8 keep their place, with U+FFFD for each bad byte.
    out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace tiebreak
