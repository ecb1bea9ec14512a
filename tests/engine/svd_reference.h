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

// solveBySvd on svdDecomposeReference. StatusOk or StatusNoMemory.
[[nodiscard]] int solveBySvdReference(const TournamentTable& table, std::span<double> out,
                                      std::span<const double> start, ScoreFunction f,
                                      double cutoff) noexcept;

}  // namespace tiebreak
