// Steps 2 and 3 of the decomposition: the reflections of the reduction multiplied out into V and
// U, the last one first. Every column of V and U is held as a row, so each reflection is a dot
// product and an update along every later row, and the rows are shared among the cores.
// Cost: about 4 n^3 / 3 operations for V and 2 m n^2 - 2 n^3 / 3 for U.
#include <array>
#include <cmath>

#include "engine/parallel_pieces.h"
#include "engine/svd_kernels.h"
#include "engine/svd_steps.h"

namespace tiebreak {

void accumulateRightReflections(const Matrix& columns, std::span<const double> e, Matrix& vColumns,
                                std::span<double> scratch) {
    const std::size_t n = columns.rows();
    double g = 0.0;
    std::size_t l = n;
    for (std::size_t i = n; i-- > 0;) {
        double* reflection = vColumns.row(i);
        if (i + 1 < n) {
            if (g != 0.0) {
                // Row i of the reduced matrix from entry l on: the reflection's vector.
                for (std::size_t k = l; k < n; ++k)
                    scratch[k] = columns(k, i);
                // Divided twice rather than by the product, against underflow.
                for (std::size_t j = l; j < n; ++j)
                    reflection[j] = (scratch[j] / scratch[l]) / g;
                forEachPiece(l, n, (n - l) * (n - l), [&](std::size_t begin, std::size_t end) {
                    forEachRowGroup(begin, end, [&](std::size_t first, std::size_t count) {
                        std::array<double, DotGroup> dots{};
                        stridedDotProducts(scratch.data() + l, vColumns.row(first) + l, n, count,
                                           n - l, dots.data());
                        for (std::size_t t = 0; t < count; ++t)
                            addMultiple(vColumns.row(first + t) + l, dots[t], reflection + l,
                                        n - l);
                    });
                });
            }
            for (std::size_t j = l; j < n; ++j) {
                reflection[j] = 0.0;
                vColumns(j, i) = 0.0;
            }
        }
        reflection[i] = 1.0;
        g = e[i];
        l = i;
    }
}

void accumulateLeftReflections(Matrix& columns, std::span<const double> w) {
    const std::size_t n = columns.rows();
    const std::size_t m = columns.cols();
    for (std::size_t i = n; i-- > 0;) {
        const std::size_t next = i + 1;
        double* reflection = columns.row(i);
        for (std::size_t j = next; j < n; ++j)
            columns(j, i) = 0.0;
        double g = w[i];
        if (g != 0.0) {
            g = 1.0 / g;
            forEachPiece(next, n, (n - next) * (m - i), [&](std::size_t begin, std::size_t end) {
                forEachRowGroup(begin, end, [&](std::size_t first, std::size_t count) {
                    std::array<double, DotGroup> dots{};
                    stridedDotProducts(reflection + next, columns.row(first) + next, m, count,
                                       m - next, dots.data());
                    for (std::size_t t = 0; t < count; ++t)
                        addMultiple(columns.row(first + t) + i, (dots[t] / reflection[i]) * g,
                                    reflection + i, m - i);
                });
            });
            for (std::size_t j = i; j < m; ++j)
                reflection[j] *= g;
        } else {
            for (std::size_t j = i; j < m; ++j)
                reflection[j] = 0.0;
        }
        reflection[i] += 1.0;
    }
}

}  // namespace tiebreak
