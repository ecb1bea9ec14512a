#include "engine/explanation.h"

#include <algorithm>
#include <cassert>

#include "engine/opponent_lists.h"
#include "engine/rival_trimming.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

int explainValues(const TournamentTable& table, std::span<const double> values, ScoreFunction f,
                  std::vector<ValueExplanation>& out, Centring centring) noexcept {
    const std::uint32_t n = table.playerCount();
    assert(values.size() == n);
    return guardMemory(StatusNoMemory, [&] {
        const OpponentLists lists(table);
        const auto points = table.gamePoints();
        const auto games = table.gamesPlayed();
        // The raw terms and their centre, as the centred terms of the recursive map are made.
        std::vector<double> terms(n);
        for (std::uint32_t i = 0; i < n; ++i)
            terms[i] = f(points[i], games[i]);
        const std::vector<double> constants = centringConstants(table, terms, centring);
        out.assign(n, {});
        for (std::uint32_t i = 0; i < n; ++i) {
            ValueExplanation& e = out[i];
            const auto opponents = lists.opponents(i);
            const auto counts = lists.counts(i);
            for (std::size_t k = 0; k < opponents.size(); ++k) {
                e.opponents.push_back(
                    {opponents[k], static_cast<std::uint32_t>(counts[k]), values[opponents[k]]});
            }
            const auto cells = table.rounds(i);
            for (std::size_t k = 0; k < cells.size(); ++k) {
                ExplainedRound& round = e.rounds.emplace_back();
                round.round = static_cast<std::uint32_t>(k + 1);
                round.cell = cells[k];
                if (!cells[k].played) continue;
                const auto opponent = static_cast<std::uint32_t>(cells[k].opponent);
                round.opponentValue = values[opponent];
                round.gamesAgainst = static_cast<std::uint32_t>(table.gamesAgainst(i, opponent));
            }
            e.points = points[i];
            e.games = games[i];
            e.opponentsMean = lists.average(i, values);
            e.percentage = 100.0 * points[i] / static_cast<double>(games[i]);
            e.wholePercentage = games[i] != 0 ? wholePercentage(points[i], games[i]) : 0;
            e.scoreTerm = terms[i];
            e.centring = centringOf(constants, i, centring);
            // Bracketed as the map adds them: the centred term is made first.
            e.sum = e.opponentsMean + (terms[i] - e.centring);
            e.value = values[i];
            e.difference = e.sum - e.value;
        }
        return StatusOk;
    });
}

int explainRivalsAverages(const TournamentTable& table, std::span<const double> values,
                          int dropWorst, int dropBest,
                          std::vector<RivalsExplanation>& out) noexcept {
    const std::uint32_t n = table.playerCount();
    assert(values.size() == n);
    const long rounds = table.maxGamesPlayed();
    return guardMemory(StatusNoMemory, [&] {
        const OpponentLists lists(table);
        out.assign(n, {});
        for (std::uint32_t i = 0; i < n; ++i) {
            RivalsExplanation& e = out[i];
            const auto opponents = lists.opponents(i);
            const auto counts = lists.counts(i);
            for (std::size_t k = 0; k < opponents.size(); ++k) {
                e.entries.insert(e.entries.end(), static_cast<std::size_t>(counts[k]),
                                 RivalEntry{opponents[k], values[opponents[k]]});
            }
            // Equal values may change places among themselves; the sequence of values, and so
            // the sum, is the average's own.
            std::sort(e.entries.begin(), e.entries.end(),
                      [](const RivalEntry& a, const RivalEntry& b) {
                          return ascendingValue(a.value, b.value);
                      });
            const long size = static_cast<long>(e.entries.size());
            const TrimmedRange range = trimmedRange(size, rounds, dropWorst, dropBest);
            e.missedGames = rounds - size;
            e.low = range.low;
            e.end = range.end;
            if (range.end <= range.low) {
                e.mean = -std::numeric_limits<double>::infinity();
                continue;
            }
            double sum = 0.0;
            for (long k = range.low; k < range.end; ++k)
                sum += e.entries[static_cast<std::size_t>(k)].value;
            e.mean = sum / static_cast<double>(range.end - range.low);
        }
        return StatusOk;
    });
}

}  // namespace tiebreak
