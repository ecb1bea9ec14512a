// Recursive Buchholz: the fixed point of the same map with the score fraction as the score term,
// started from each player's score projected onto the most games anyone played.
#include <vector>

#include "engine/tie_break.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

double scoreFraction(double score, std::uint32_t games) noexcept {
    return score / static_cast<double>(games);
}

void bucholzStartValues(const TournamentTable& table, std::span<double> out) noexcept {
    const double rounds = static_cast<double>(table.maxGamesPlayed());
    const auto points = table.gamePoints();
    const auto games = table.gamesPlayed();
    // Multiplied before dividing; inactive players start from 0 / 0, which nothing reads.
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = rounds * points[i] / static_cast<double>(games[i]);
    }
}

Iteration recursiveBucholz(const TournamentTable& table, std::span<double> out, double tolerance,
                           unsigned maxSweeps, Centring centring) noexcept {
    return guardMemory(Iteration{StatusNoMemory}, [&] {
        std::vector<double> start(out.size());
        bucholzStartValues(table, start);
        return iterateFixedPoint(table, out, start, scoreFraction, tolerance, maxSweeps, centring);
    });
}

}  // namespace tiebreak
