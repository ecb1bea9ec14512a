#pragma once

#include <span>

#include "engine/matrix.h"

namespace tiebreak {

// sqrt(a^2 + b^2) without overflow or destructive underflow of the squares.
[[nodiscard]] double pythag(double a, double b) noexcept;

// Golub-Reinsch singular value decomposition of the m-by-n matrix a (m >= n) in place:
// a = U diag(w) V^T with U (m by n) written over a, the n singular values in w (unsorted,
// non-negative once converged) and V (n by n) in v. A diagonal entry that does not converge in 30
// QR sweeps writes "SVD FAILURE\t" to standard output and leaves the decomposition inexact.
// Cost: about 4 m n^2 + 22 n^3 operations. May throw std::bad_alloc (one scratch vector).
void svdDecompose(Matrix& a, std::span<double> w, Matrix& v);

}  // namespace tiebreak
