#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/matrix.h"
#include "engine/tie_break.h"

namespace tiebreak {

// Active players above which the dense decomposition is not attempted: it holds about 2 a^2
// doubles (576 MB at 6,000) and takes some a^3 operations (minutes at 6,000, hours beyond).
inline constexpr std::uint32_t MaxDecompositionPlayers = 6000;

// The singular value decomposition of the matrix of the tie-break systems. The matrix depends
// only on the games (each active player's row of games-weighted opponents and the row of games),
// not on the score function or the start vector, so one decomposition serves recursive
// performance and recursive Bucholz alike.
class SystemDecomposition {
public:
    // Builds and decomposes the matrix of table, replacing any earlier decomposition. StatusOk;
    // StatusTooLarge with nothing allocated when table has more than MaxDecompositionPlayers
    // active players; StatusNoMemory (nothing kept).
    [[nodiscard]] int decompose(const TournamentTable& table) noexcept;

    // The least-squares solution of the system for score function f and start vector start
    // (playerCount values; it fixes the games-weighted level) into out (playerCount values):
    // the centred score terms for inactive players, U and V entries at or below cutoff left out
    // of the back-substitution. table must be the decomposed one. StatusOk, StatusNoMemory, or
    // StatusInvalidArgument (out untouched) when nothing was decomposed or the sizes differ.
    [[nodiscard]] int solve(const TournamentTable& table, std::span<double> out,
                            std::span<const double> start, ScoreFunction f,
                            double cutoff) const noexcept;

    // Whether the last decompose succeeded.
    [[nodiscard]] bool decomposed() const noexcept { return decomposed_; }

    // The singular values of the last decomposition, unsorted.
    [[nodiscard]] std::span<const double> singularValues() const noexcept { return w_; }

private:
    bool decomposed_ = false;
    std::uint32_t playerCount_ = 0;
    std::vector<std::uint32_t> active_;  // the active players in table order
    Matrix u_{0, 0};                     // row q: column q of U (a + 1 entries)
    Matrix v_{0, 0};                     // row q: column q of V (a entries)
    std::vector<double> w_;
};

// recursivePerformanceSvd and recursiveBucholzSvd solved with a decomposition already made of
// table, so that both methods share one. StatusOk, StatusNoMemory, or StatusInvalidArgument (out
// untouched) when decomposition is not one of table.
[[nodiscard]] int recursivePerformanceSvd(const SystemDecomposition& decomposition,
                                          const TournamentTable& table, std::span<double> out,
                                          ScoreFunction f, double cutoff) noexcept;
[[nodiscard]] int recursiveBucholzSvd(const SystemDecomposition& decomposition,
                                      const TournamentTable& table, std::span<double> out,
                                      double cutoff) noexcept;

}  // namespace tiebreak
