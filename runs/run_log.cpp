#include "runs/run_log.h"

#include "engine/tie_break.h"

namespace tiebreak {

void logContestantLists(std::ostream& log, const TournamentTable& table) {
    const auto games = table.gamesPlayed();
    log << "\nContestants that did not play any round:\n" << std::flush;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        if (games[i] == 0) log << table.name(i) << '\n' << std::flush;
    }
    log << "\nContestants that played less than half the number of rounds:\n" << std::flush;
    const std::uint32_t half = table.maxGamesPlayed() / 2;
    for (std::uint32_t i = 0; i < table.playerCount(); ++i) {
        if (games[i] > 0 && games[i] < half) log << table.name(i) << '\n' << std::flush;
    }
}

double differenceMeasure(const TournamentTable& table, std::span<double> scratch,
                         std::span<const double> values) noexcept {
    for (std::size_t i = 0; i < scratch.size(); ++i)
        scratch[i] -= values[i];
    return weightedNorm(table, scratch);
}

}  // namespace tiebreak
