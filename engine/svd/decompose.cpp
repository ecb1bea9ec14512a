// The fast Golub-Reinsch decomposition: its three steps in their documented order, U applied to
// the right-hand sides and V kept as its transformations instead of being formed.
#include "engine/svd/svd.h"

#include <cmath>
#include <vector>

#include "engine/svd/steps.h"

namespace tiebreak {

double pythag(double a, double b) noexcept {
    const double absA = std::fabs(a);
    const double absB = std::fabs(b);
    if (absA > absB) return absA * std::sqrt(1.0 + (absB / absA) * (absB / absA));
    return absB == 0.0 ? 0.0 : absB * std::sqrt(1.0 + (absA / absB) * (absA / absB));
}

bool svdDecomposeOnto(Matrix& columns, std::span<double> w,
                      std::span<const std::span<double>> rightHandSides,
                      RightTransformations& right) {
    const std::size_t n = columns.rows();
    std::vector<double> e(n);  // the superdiagonal; e[0] stays 0
    std::vector<double> rowVector(n);
    std::vector<double> dots(columns.cols());
    const double anorm = reduceToBidiagonal(columns, w, e, rowVector, dots);
    right.reflectionScales = e;  // the sweeps change e
    applyLeftReflections(columns, w, rightHandSides);
    // The singular values stay in the order the sweeps left them.
    return diagonaliseBidiagonal(w, e, rightHandSides, right, anorm);
}

}  // namespace tiebreak
