// The tie-breaks of ratings: the opponents' average rating (with cuts), the tournament
// performance rating, the perfect tournament performance, and the opponents' averages of the
// last two. Only games over the board count, in a round robin too.
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "engine/fide/fide_families.h"
#include "engine/tie_break.h"

namespace tiebreak {

namespace {

// Table 8.1(b) of FIDE's rating regulations: the higher-rated player's scoring probability, in
// hundredths, is 50 + k for a rating difference up to ProbabilityBounds[k] and 100 beyond the
// last; the lower-rated player's is 100 less that.
constexpr std::array<int, 50> ProbabilityBounds = {
    3,   10,  17,  25,  32,  39,  46,  53,  61,  68,  76,  83,  91,  98,  106, 113, 121,
    129, 137, 145, 153, 162, 170, 179, 188, 197, 206, 215, 225, 235, 245, 256, 267, 278,
    290, 302, 315, 328, 344, 357, 374, 391, 411, 432, 456, 484, 517, 559, 619, 735,
};

// The scoring probability, in hundredths, of a rating difference (own less the opponent's).
// No 400-point limit applies.
int probability(double difference) {
    const double distance = std::fabs(difference);
    const auto bound = std::lower_bound(ProbabilityBounds.begin(), ProbabilityBounds.end(),
                                        distance, [](int b, double d) { return b < d; });
    const int higher = 50 + static_cast<int>(bound - ProbabilityBounds.begin());
    return difference >= 0.0 ? higher : 100 - higher;
}

// The expected score, in hundredths, of a player rated rating against these opponents.
long expectedScore(double rating, std::span<const double> opponents) {
    long sum = 0;
    for (const double opponent : opponents)
        sum += probability(rating - opponent);
    return sum;
}

// The lowest whole rating whose expected score reaches points, found by bisection, as the
// expected score never falls with the rating. No points: the lowest opponent less 800.
double perfectPerformance(std::span<const double> opponents, double points) {
    const auto [lowest, highest] = std::minmax_element(opponents.begin(), opponents.end());
    if (points <= 0.0) return *lowest - 800.0;
    const long target = std::lround(points * 100.0);
    // Every game is lost 800 below the lowest and won 736 above the highest.
    long low = static_cast<long>(std::floor(*lowest)) - 800;
    long high = static_cast<long>(std::ceil(*highest)) + 736;
    while (low < high) {
        const long middle = low + (high - low) / 2;
        if (expectedScore(static_cast<double>(middle), opponents) >= target) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return static_cast<double>(low);
}

// Player i's games over the board: the opponents' ratings, the points and the rounds.
struct Games {
    std::vector<double> ratings;
    std::vector<std::uint32_t> opponents;
    std::vector<std::uint32_t> rounds;  // 0-based
    double points = 0.0;
};

void gamesOf(const TournamentTable& table, const FideRounds& rounds, std::uint32_t i,
             Games& games) {
    games.ratings.clear();
    games.opponents.clear();
    games.rounds.clear();
    games.points = 0.0;
    const std::span<const FideRound> player = rounds.of(i);
    for (std::uint32_t r = 0; r < player.size(); ++r) {
        if (!isGame(player[r].kind)) continue;
        const auto opponent = static_cast<std::uint32_t>(player[r].opponent);
        games.ratings.push_back(table.rating(opponent));
        games.opponents.push_back(opponent);
        games.rounds.push_back(r);
        games.points += player[r].points;
    }
}

double mean(std::span<const double> values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double performanceRating(const Games& games) {
    if (games.ratings.empty()) return std::nan("");
    const auto count = static_cast<std::uint32_t>(games.ratings.size());
    return roundHalfUp(mean(games.ratings)) + ratingDifference(games.points, count);
}

double perfectPerformanceOf(const Games& games) {
    return games.ratings.empty() ? std::nan("") : perfectPerformance(games.ratings, games.points);
}

// Every player's TPR (or PTP).
std::vector<double> everyPerformance(const TournamentTable& table, const FideRounds& rounds,
                                     bool perfect) {
    std::vector<double> values(rounds.playerCount());
    Games games;
    for (std::uint32_t i = 0; i < rounds.playerCount(); ++i) {
        gamesOf(table, rounds, i, games);
        values[i] = perfect ? perfectPerformanceOf(games) : performanceRating(games);
    }
    return values;
}

// One line a round, the games carrying the opponent's value.
void fillLines(const FideRounds& rounds, std::uint32_t i, const Games& games,
               std::span<const double> values, FideBreakdown& breakdown) {
    const std::span<const FideRound> player = rounds.of(i);
    std::size_t game = 0;
    for (std::uint32_t r = 0; r < player.size(); ++r) {
        FideRoundLine line = roundLine(player[r], r);
        if (game < games.rounds.size() && games.rounds[game] == r) {
            line.use = UseGame;
            line.opponentValue = values[game];
            line.contribution = values[game];
            ++game;
        }
        breakdown.rounds.push_back(line);
    }
}

// ARO with its cuts: the lowest and highest ratings left out, the rest's mean rounded; not a
// number when nothing is left. The breakdown's lines, one a round, get the cuts.
double averageRating(const Games& games, const FideTieBreak& tieBreak, FideBreakdown* breakdown) {
    std::vector<std::size_t> order(games.ratings.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return games.ratings[a] < games.ratings[b];
    });
    const std::size_t low = static_cast<std::size_t>(tieBreak.lowCuts);
    const std::size_t high = static_cast<std::size_t>(tieBreak.highCuts);
    double sum = 0.0;
    std::uint32_t kept = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const FideCutMark cut = k < low ? CutLow : k + high >= order.size() ? CutHigh : CutNone;
        if (cut == CutNone) {
            sum += games.ratings[order[k]];
            ++kept;
        }
        if (breakdown != nullptr) breakdown->rounds[games.rounds[order[k]]].cut = cut;
    }
    if (breakdown != nullptr) {
        breakdown->counted = kept;
        breakdown->sum = sum;
    }
    return kept == 0 ? std::nan("") : roundHalfUp(sum / kept);
}

}  // namespace

double roundHalfUp(double value) noexcept {
    return std::floor(value + 0.5);
}

void ratingTieBreaks(const TournamentTable& table, const FideRounds& rounds,
                     const FideTieBreak& tieBreak, std::span<double> out,
                     std::vector<FideBreakdown>* breakdowns) {
    const FideCode code = tieBreak.code;
    std::vector<double> opponentsValues;
    if (code == FideApro || code == FideAppo)
        opponentsValues = everyPerformance(table, rounds, code == FideAppo);
    Games games;
    std::vector<double> values;
    for (std::uint32_t i = 0; i < rounds.playerCount(); ++i) {
        FideBreakdown* breakdown = breakdowns != nullptr ? &(*breakdowns)[i] : nullptr;
        gamesOf(table, rounds, i, games);
        // The value each game carries: the opponent's rating, or his TPR or PTP.
        values = games.ratings;
        if (!opponentsValues.empty()) {
            for (std::size_t k = 0; k < values.size(); ++k)
                values[k] = opponentsValues[games.opponents[k]];
        }
        if (breakdown != nullptr) fillLines(rounds, i, games, values, *breakdown);
        const auto count = static_cast<std::uint32_t>(games.ratings.size());
        switch (code) {
            case FideAro:
                out[i] = averageRating(games, tieBreak, breakdown);
                break;
            case FideTpr:
                out[i] = performanceRating(games);
                if (breakdown != nullptr && count > 0) {
                    breakdown->averageRating = roundHalfUp(mean(games.ratings));
                    breakdown->percentage = wholePercentage(games.points, count);
                    breakdown->ratingDifference = ratingDifference(games.points, count);
                }
                break;
            case FidePtp:
                out[i] = perfectPerformanceOf(games);
                if (breakdown != nullptr && count > 0) {
                    // Each game's line carries its probability at the value.
                    for (std::size_t k = 0; k < count; ++k) {
                        breakdown->rounds[games.rounds[k]].contribution =
                            probability(out[i] - games.ratings[k]) / 100.0;
                    }
                    breakdown->expectedScore = expectedScore(out[i], games.ratings) / 100.0;
                    breakdown->expectedBelow = expectedScore(out[i] - 1.0, games.ratings) / 100.0;
                }
                break;
            default:  // APRO, APPO: the mean of the opponents' values, rounded
                out[i] = count == 0 ? std::nan("") : roundHalfUp(mean(values));
                break;
        }
        if (breakdown == nullptr) continue;
        breakdown->gamePoints = games.points;
        if (code != FideAro) {
            breakdown->counted = count;
            breakdown->sum = std::accumulate(values.begin(), values.end(), 0.0);
        }
        breakdown->value = out[i];
    }
}

}  // namespace tiebreak
