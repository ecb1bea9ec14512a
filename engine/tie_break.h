#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/engine_codes.h"
#include "engine/player_groups.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// The engine's operations read a TournamentTable and never change it. Every value vector is one
// double per player in table order, owned by the caller; outputs never alias inputs. A player
// without played games (inactive) takes part in no sum weighted by games and ends with a
// not-a-number value (negative infinity after a rivals average). Operations return StatusOk or
// a negative status; they never throw and never print.

// A player's score term from his game points and his number of played games.
using ScoreFunction = double (*)(double score, std::uint32_t games);

// Score function of recursive performance: the rating difference that the conversion table gives
// for the whole percentage score*100/games rounded half up (score / 0.0 for no games).
[[nodiscard]] double ratingDifference(double score, std::uint32_t games) noexcept;

// The whole percentage whose conversion-table entry ratingDifference takes: score*100/games
// rounded half up, within 0..100 (games > 0).
[[nodiscard]] int wholePercentage(double score, std::uint32_t games) noexcept;

// Score function of recursive Buchholz: score / games.
[[nodiscard]] double scoreFraction(double score, std::uint32_t games) noexcept;

// The score function of a method: ratingDifference or scoreFraction.
[[nodiscard]] ScoreFunction scoreFunctionOf(TieBreakMethod method) noexcept;

// Where a score term is centred: over the whole field (no groups given, or one group), or within
// the player's group, each group a tournament of its own.
using Centring = const PlayerGroups*;
inline constexpr Centring WholeField = nullptr;

// out[i] = f(gamePoints[i], gamesPlayed[i]) minus the games-weighted mean of those terms over the
// active players of the field or of i's group.
[[nodiscard]] int centredScoreTerms(const TournamentTable& table, std::span<double> out,
                                    ScoreFunction f, Centring centring = WholeField) noexcept;

// The centring constants of those terms: the games-weighted mean of terms[i] = f(gamePoints[i],
// gamesPlayed[i]) over the active players of the field (one constant) or of each group (one a
// group). May throw std::bad_alloc.
[[nodiscard]] std::vector<double> centringConstants(const TournamentTable& table,
                                                    std::span<const double> terms,
                                                    Centring centring = WholeField);

// The constant that centres player i's term among those.
[[nodiscard]] double centringOf(std::span<const double> constants, std::uint32_t i,
                                Centring centring) noexcept;

// out = one application of the recursive map (rivals average plus centred score term) to values,
// or to the ratings when values is empty. StatusOk or StatusNoMemory.
[[nodiscard]] int performanceStep(const TournamentTable& table, std::span<double> out,
                                  ScoreFunction f, std::span<const double> values = {},
                                  Centring centring = WholeField) noexcept;

// out from values by the modification, taking out dropWorst and dropBest rivals for a rivals
// average. StatusOk, StatusNoMemory, or StatusInvalidArgument for an unknown code (out untouched).
[[nodiscard]] int applyModification(const TournamentTable& table, std::span<double> out,
                                    std::span<const double> values, Modification modification,
                                    int dropWorst, int dropBest) noexcept;

// Square root of the sum over active players of gamesPlayed[i] * values[i]^2; 0 without any.
[[nodiscard]] double weightedNorm(const TournamentTable& table,
                                  std::span<const double> values) noexcept;

// True when the games-weighted sum of squared changes is strictly below tolerance^2.
[[nodiscard]] bool hasConverged(const TournamentTable& table, std::span<const double> next,
                                std::span<const double> previous, double tolerance) noexcept;

// How a fixed-point iteration ended. status is StatusOk or StatusNoMemory. When the test was met,
// sweeps is the number of the sweep that met it, counted from 0; otherwise the sweeps made.
struct Iteration {
    int status = StatusOk;
    unsigned sweeps = 0;
    bool converged = false;
};

// Fixed-point sweeps out = rivalsAverage(x) + centred terms from start (overwritten sweep by
// sweep), at most maxSweeps of them. out holds the last sweep (untouched for 0 sweeps).
[[nodiscard]] Iteration iterateFixedPoint(const TournamentTable& table, std::span<double> out,
                                          std::span<double> start, ScoreFunction f,
                                          double tolerance, unsigned maxSweeps,
                                          Centring centring = WholeField) noexcept;

// Recursive performance by iteration from the ratings.
[[nodiscard]] Iteration recursivePerformance(const TournamentTable& table, std::span<double> out,
                                             double tolerance, unsigned maxSweeps,
                                             Centring centring = WholeField) noexcept;

// Start values of recursive Buchholz: maxGamesPlayed * gamePoints[i] / gamesPlayed[i].
void bucholzStartValues(const TournamentTable& table, std::span<double> out) noexcept;

// Recursive Buchholz by iteration from each score projected onto maxGamesPlayed games.
[[nodiscard]] Iteration recursiveBucholz(const TournamentTable& table, std::span<double> out,
                                         double tolerance, unsigned maxSweeps,
                                         Centring centring = WholeField) noexcept;

// Rivals averages trimmed of the # worst and # best opponent entries (missed games count as
// dropped worst rivals).
[[nodiscard]] int trimmedRivalsAverage(const TournamentTable& table, std::span<double> out,
                                       std::span<const double> values, int dropWorst,
                                       int dropBest) noexcept;

}  // namespace tiebreak
