#pragma once

// The steps of svdDecomposeOnto, on a matrix held by columns (row j is column j): internal to
// the decomposition.
#include <cmath>
#include <span>

#include "engine/matrix.h"
#include "engine/svd/svd.h"

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

// 2. The left-hand reflections applied to each right-hand side (m entries each), the first
// one first: b becomes H_{n-1} ... H_0 b, whose first n entries are those of U^T b before the
// sweeps' rotations.
void applyLeftReflections(const Matrix& columns, std::span<const double> w,
                          std::span<const std::span<double>> rightHandSides) noexcept;

// 3. Implicit-shift QR sweeps on the bidiagonal (w, e) down to diagonal form, their left
// rotations applied to the right-hand sides as they are made and their right rotations
// recorded in `right` (the last chunk, and where each chunk began). False when a diagonal entry
// did not converge in 30 sweeps. May throw std::bad_alloc (the record).
[[nodiscard]] bool diagonaliseBidiagonal(std::span<double> w, std::span<double> e,
                                         std::span<const std::span<double>> rightHandSides,
                                         RightTransformations& right, double anorm);

// The sweeps' right rotations of `right` applied to each solution, the last one first: the kept
// chunk, then each earlier chunk made again from its starting point, in the kept chunk's place.
// right is spent. May throw std::bad_alloc.
void applyRightRotations(RightTransformations&& right,
                         std::span<const std::span<double>> solutions);

}  // namespace tiebreak
