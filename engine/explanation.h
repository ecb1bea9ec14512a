#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "engine/tie_break.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// The pieces from which the engine builds a player's value, handed out so that a person can add
// them up by hand. Each value of a method is the fixed point of one step of the recursive map:
// the games-weighted mean of the opponents' values plus the player's score term minus the
// centring constant. The pieces are computed with the same operations, in the same order, as
// that step, so their sum is the step's result bit for bit.

// One opponent of a player: his table index, the games the player's line counts against him and
// his value.
struct ExplainedOpponent {
    std::uint32_t player = 0;
    std::uint32_t games = 0;
    double value = 0.0;
};

// One round cell of the player's line; for a played game also the opponent's value and the games
// the line counts against that opponent (not-a-number and 0 for a round without a game).
struct ExplainedRound {
    std::uint32_t round = 0;  // 1 for the first round cell
    RecordedRound cell;
    double opponentValue = std::numeric_limits<double>::quiet_NaN();
    std::uint32_t gamesAgainst = 0;
};

// One player's value under a method. For a player without games every number but points and
// games is not a number.
struct ValueExplanation {
    std::vector<ExplainedRound> rounds;
    std::vector<ExplainedOpponent> opponents;  // each opponent once, in table order
    double points = 0.0;                       // game points (played games only)
    std::uint32_t games = 0;
    double opponentsMean = 0.0;  // sum of games * value over the opponents, divided by games
    double percentage = 0.0;     // 100 * points / games
    int wholePercentage = 0;     // the conversion table's entry that recursive performance uses
    double scoreTerm = 0.0;      // the score function of points and games
    double centring = 0.0;       // games-weighted mean of the score terms of every active player
                                 // of the field, or of the player's group
    double sum = 0.0;            // opponentsMean + (scoreTerm - centring): one more step
    double value = 0.0;          // the player's value as given
    double difference = 0.0;     // sum - value: what the iteration left
};

// out[i] explains values[i], a method's values, with its score function f (ratingDifference or
// scoreFraction) and its terms' centring. StatusOk or StatusNoMemory.
[[nodiscard]] int explainValues(const TournamentTable& table, std::span<const double> values,
                                ScoreFunction f, std::vector<ValueExplanation>& out,
                                Centring centring = WholeField) noexcept;

// One game's entry in a trimmed rivals average: the opponent and his value.
struct RivalEntry {
    std::uint32_t player = 0;
    double value = 0.0;
};

// A trimmed rivals average of one player: one entry per game, ascending in the order the average
// sorts them; entries [0, low) are taken out as worst, [end, size) as best, [low, end) kept.
struct RivalsExplanation {
    std::vector<RivalEntry> entries;
    long missedGames = 0;  // games fewer than the most anyone played: worst rivals taken out
    long low = 0;
    long end = 0;
    double mean = 0.0;  // the kept entries' mean, summed upward; negative infinity for none kept
};

// out[i] explains player i's trimmed rivals average of values without dropWorst worst and
// dropBest best rivals: the same numbers as trimmedRivalsAverage. StatusOk or StatusNoMemory.
[[nodiscard]] int explainRivalsAverages(const TournamentTable& table,
                                        std::span<const double> values, int dropWorst, int dropBest,
                                        std::vector<RivalsExplanation>& out) noexcept;

}  // namespace tiebreak
