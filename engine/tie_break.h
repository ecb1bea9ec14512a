#pragma once

#include <cstdint>
#include <span>

#include "engine/engine_codes.h"
#include "tournament/tournament_table.h"

namespace tiebreak {

// The engine's operations read a TournamentTable and never change it. Every value vector is one
// double per player in table order, owned by the caller; outputs never alias inputs. A player
// without played games (inactive) takes part in no sum weighted by games and ends with a
// not-a-number value (negative infinity after a rivals average). Operations return StatusOk, a
// sweep count, or a negative EngineStatus; they never throw and never print.

// A player's score term from his game points and his number of played games.
using ScoreFunction = double (*)(double score, std::uint32_t games);

// Score function of recursive performance: the rating difference that the conversion table gives
// for the whole percentage score*100/games rounded half up (score / 0.0 for no games).
[[nodiscard]] double ratingDifference(double score, std::uint32_t games) noexcept;

// The whole percentage whose conversion-table entry ratingDifference takes: score*100/games
// rounded half up, within 0..100 (games > 0).
[[nodiscard]] int wholePercentage(double score, std::uint32_t games) noexcept;

// Score function of recursive Bucholz: score / games.
[[nodiscard]] double scoreFraction(double score, std::uint32_t games) noexcept;

// out[i] = f(gamePoints[i], gamesPlayed[i]) minus the games-weighted mean of those terms over the
// active players.
[[nodiscard]] int centredScoreTerms(const TournamentTable& table, std::span<double> out,
                                    ScoreFunction f) noexcept;

// The centring constant of those terms: the games-weighted mean over the active players of
// terms[i] = f(gamePoints[i], gamesPlayed[i]).
[[nodiscard]] double centringConstant(const TournamentTable& table,
                                      std::span<const double> terms) noexcept;

// out[i] = sum over opponents j of gamesAgainst[i][j] * values[j], divided by gamesPlayed[i].
[[nodiscard]] int rivalsAverage(const TournamentTable& table, std::span<double> out,
                                std::span<const double> values) noexcept;

// out = one application of the recursive map (rivals average plus centred score term) to values,
// or to the ratings when values is empty. StatusOk or StatusNoMemory.
[[nodiscard]] int performanceStep(const TournamentTable& table, std::span<double> out,
                                  ScoreFunction f, std::span<const double> values = {}) noexcept;

// Runs the method into a temporary, then applies the modification into out (with scoreFraction
// as the score function for the Bucholz methods). The method's result (count or status), or a
// negative status; StatusInvalidArgument for an unknown method, with out untouched.
[[nodiscard]] int computeTieBreak(const TournamentTable& table, std::span<double> out,
                                  ScoreFunction f, TieBreakMethod method, Modification modification,
                                  double tolerance, unsigned maxSweeps, int dropWorst,
                                  int dropBest) noexcept;

// out from values by the modification. StatusOk, StatusNoMemory, or StatusInvalidArgument for an
// unknown code (out untouched).
[[nodiscard]] int applyModification(const TournamentTable& table, std::span<double> out,
                                    std::span<const double> values, Modification modification,
                                    ScoreFunction f, int dropWorst, int dropBest) noexcept;

// Square root of the sum over active players of gamesPlayed[i] * values[i]^2; 0 without any.
[[nodiscard]] double weightedNorm(const TournamentTable& table,
                                  std::span<const double> values) noexcept;

// True when the games-weighted sum of squared changes is strictly below tolerance^2.
[[nodiscard]] bool hasConverged(const TournamentTable& table, std::span<const double> next,
                                std::span<const double> previous, double tolerance) noexcept;

// Fixed-point sweeps out = rivalsAverage(x) + centred terms from start (overwritten sweep by
// sweep). Returns k >= 0 when sweep k (counted from 0) met the test, StatusIterationLimit after
// maxSweeps sweeps without, StatusNoMemory. out holds the last sweep (untouched for 0 sweeps).
[[nodiscard]] int iterateFixedPoint(const TournamentTable& table, std::span<double> out,
                                    std::span<double> start, ScoreFunction f, double tolerance,
                                    unsigned maxSweeps) noexcept;

// Recursive performance by iteration from the ratings.
[[nodiscard]] int recursivePerformance(const TournamentTable& table, std::span<double> out,
                                       ScoreFunction f, double tolerance,
                                       unsigned maxSweeps) noexcept;

// Start values of recursive Bucholz: maxGamesPlayed * gamePoints[i] / gamesPlayed[i].
void bucholzStartValues(const TournamentTable& table, std::span<double> out) noexcept;

// Recursive Bucholz by iteration from each score projected onto maxGamesPlayed games.
[[nodiscard]] int recursiveBucholz(const TournamentTable& table, std::span<double> out,
                                   double tolerance, unsigned maxSweeps) noexcept;

// The same systems solved directly by singular value decomposition. StatusOk, StatusNotConverged
// (solved with a decomposition that may be inexact), StatusNoMemory, or StatusTooLarge (nothing
// computed) above MaxDecompositionPlayers active players (engine/svd/svd.h).
[[nodiscard]] int recursivePerformanceSvd(const TournamentTable& table, std::span<double> out,
                                          ScoreFunction f, double cutoff) noexcept;
[[nodiscard]] int recursiveBucholzSvd(const TournamentTable& table, std::span<double> out,
                                      double cutoff) noexcept;
[[nodiscard]] int solveBySvd(const TournamentTable& table, std::span<double> out,
                             std::span<const double> start, ScoreFunction f,
                             double cutoff) noexcept;

// Rivals averages of the modifications: trimmed of the # worst and # best opponent entries
// (missed games count as dropped worst rivals), or with each opponent first capped by
// capOpponentValue against the player's own value (ModificationCappedToOwn) or against his plain
// rivals average (ModificationCappedToRivalsAverage).
[[nodiscard]] int trimmedRivalsAverage(const TournamentTable& table, std::span<double> out,
                                       std::span<const double> values, int dropWorst,
                                       int dropBest) noexcept;
[[nodiscard]] int cappedRivalsAverage(const TournamentTable& table, std::span<double> out,
                                      std::span<const double> values,
                                      Modification reference) noexcept;

// value, or reference +/- 350 when value lies more than limit above or below reference.
[[nodiscard]] double capOpponentValue(double value, double reference, double limit) noexcept;

}  // namespace tiebreak
