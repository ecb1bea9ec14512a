#pragma once

// The steps of svdDecompose, on a matrix held by columns (row j is column j): internal to the
// decomposition.
#include <cmath>
#include <span>

#include "engine/matrix.h"

namespace tiebreak {

// |magnitude| with the sign of s, zero counting as positive.
[[nodiscard]] inline double withSignOf(double magnitude, double s) noexcept {
    return s >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

// 1. Householder reduction to upper bidiagonal form: diagonal into w, superdiagonal into e
// (e[0] = 0), the reflection vectors left in `columns`. Returns anorm, the largest
// |w[i]| + |e[i]|. rowVector (n) and dots (m) are scratch.
[[nodiscard]] double reduceToBidiagonal(Matrix& columns, std::span<double> w, std::span<double> e,
                                        std::span<double> rowVector, std::span<double> dots);

// 2. The right-hand reflections accumulated into V (row j = column j of V). May throw
// std::bad_alloc (a block of rows).
void accumulateRightReflections(const Matrix& columns, std::span<const double> e, Matrix& vColumns);

// 3. The left-hand reflections accumulated into U over the columns' own storage. May throw
// std::bad_alloc (a block of rows).
void accumulateLeftReflections(Matrix& columns, std::span<const double> w);

// 4. Implicit-shift QR sweeps on the bidiagonal (w, e) down to diagonal form, their rotations
// applied to U and V. False when a diagonal entry did not converge in 30 sweeps. May throw
// std::bad_alloc (the rotation buffers and strips).
[[nodiscard]] bool diagonaliseBidiagonal(Matrix& columns, std::span<double> w, std::span<double> e,
                                         Matrix& vColumns, double anorm);

}  // namespace tiebreak
