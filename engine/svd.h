#pragma once

#include <span>

#include "engine/matrix.h"

namespace tiebreak {

// sqrt(a^2 + b^2) without overflow or destructive underflow of the squares.
[[nodiscard]] double pythag(double a, double b) noexcept;

// Golub-Reinsch singular value decomposition (Golub and Reinsch, "Singular value decomposition
// and least squares solutions", Numer. Math. 14, 1970) of an m-by-n matrix A (m >= n) held by
// columns: row j of `columns` (n rows of m entries) is column j of A. On return row j of
// `columns` is column j of U, w holds the n singular values (unsorted, non-negative once
// converged) and row j of `vColumns` (n by n) is column j of V, so that A = U diag(w) V^T.
// A diagonal entry that does not converge in 30 QR sweeps writes "SVD FAILURE\t" to standard
// output and leaves the decomposition inexact.
// The steps, reflections, shifts, tests and the order of every addition are those of the
// element-by-element version, which it matches bit for bit; but inner loops run along rows, the
// QR sweeps run on the bidiagonal alone with their rotations applied afterwards in strips, and
// independent rows share the machine's cores (the results never depend on how many).
// Cost: about 4 m n^2 + 22 n^3 operations; memory beyond the two matrices: a few vectors of m
// doubles and two rotation buffers of 768 kB.
// May throw std::bad_alloc.
void svdDecompose(Matrix& columns, std::span<double> w, Matrix& vColumns);

}  // namespace tiebreak
