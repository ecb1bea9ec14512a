#pragma once

#include <span>

#include "engine/matrix.h"
#include "engine/tie_break.h"

namespace tiebreak {

// The straightforward Golub-Reinsch decomposition on a row-major m-by-n matrix a (m >= n):
// U (m by n) over a, the n unsorted singular values in w, V (n by n, row-major) in v. The same
// steps as svdDecompose one element at a time; the yardstick of its tests and benchmarks, never
// part of a run. False when a diagonal entry did not converge in 30 sweeps. May throw
// std::bad_alloc.
[[nodiscard]] bool svdDecomposeReference(Matrix& a, std::span<double> w, Matrix& v);

// Entries of V at or below this are left out of the reference's back-substitution.
inline constexpr double SvdCutoff = 1e-16;

// The least-squares solution of the tie-break system of start and f, as SystemDecomposition
// gives it, with svdDecomposeReference and U and V formed. StatusOk or StatusNoMemory.
[[nodiscard]] int solveBySvdReference(const TournamentTable& table, std::span<double> out,
                                      std::span<const double> start, ScoreFunction f,
                                      double cutoff) noexcept;

}  // namespace tiebreak
