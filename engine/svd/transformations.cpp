// The reduction's and the sweeps' transformations applied to vectors instead of being multiplied
// out into U and V: the left ones to the right-hand sides, the first one first (U^T b), and the
// right ones to the scaled solution, the last one first (V t).
#include <cstddef>
#include <utility>
#include <vector>

#include "engine/svd/kernels.h"
#include "engine/svd/steps.h"
#include "engine/svd/svd.h"

namespace tiebreak {

void applyLeftReflections(const Matrix& columns, std::span<const double> w,
                          std::span<const std::span<double>> rightHandSides) noexcept {
    const std::size_t n = columns.rows();
    const std::size_t m = columns.cols();
    for (std::size_t i = 0; i < n; ++i) {
        // A zero w[i] marks a column that needed no reflection.
        if (w[i] == 0.0) continue;
        const double* reflection = columns.row(i);
        const double g = 1.0 / w[i];
        for (const std::span<double> b : rightHandSides) {
            const double dot = dotProduct(reflection + i, b.data() + i, m - i);
            addMultiple(b.data() + i, (dot / reflection[i]) * g, reflection + i, m - i);
        }
    }
}

void applyRightTransformations(const Matrix& columns, RightTransformations&& right,
                               std::span<const std::span<double>> solutions) {
    const std::size_t n = columns.rows();
    const std::vector<double> scales = std::move(right.reflectionScales);
    applyRightRotations(std::move(right), solutions);
    // The row reflections, from the last: reflection i is I + y z^T on entries i + 1 onwards,
    // z being entries i + 1 onwards of row i of the reduced matrix (column i of `columns`) and
    // y = z / (z[i + 1] * scale), divided twice rather than by the product, against underflow.
    for (const std::span<double> t : solutions) {
        for (std::size_t i = n > 1 ? n - 1 : 0; i-- > 0;) {
            const std::size_t l = i + 1;
            const double g = scales[l];
            if (g == 0.0) continue;
            const double leading = columns(l, i);
            double dot = 0.0;
            for (std::size_t j = l; j < n; ++j)
                dot += columns(j, i) * t[j];
            for (std::size_t j = l; j < n; ++j)
                t[j] += dot * ((columns(j, i) / leading) / g);
        }
    }
}

}  // namespace tiebreak
