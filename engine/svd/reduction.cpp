// Step 1 of the decomposition: Householder reduction to upper bidiagonal form.
//
// Column i of the matrix is row i of `columns`, so a column reflection is a dot product and an
// update along each later row, and a row reflection (which mixes the rows) gathers its dot
// products column by column over the same rows. The row reflection of column i waits and is
// applied to each later row just before that row meets the column reflection of column i + 1:
// one pass over the remaining matrix does both, in the same order of operations per element.
// Cost: about 4 m n^2 - 4 n^3 / 3 operations in two passes per column.
#include <algorithm>
#include <array>
#include <cmath>

#include "engine/parallel_pieces.h"
#include "engine/svd/kernels.h"
#include "engine/svd/steps.h"

namespace tiebreak {

double reduceToBidiagonal(Matrix& columns, std::span<double> w, std::span<double> e,
                          std::span<double> rowVector, std::span<double> dots) {
    const std::size_t n = columns.rows();
    const std::size_t m = columns.cols();
    double g = 0.0;
    double scale = 0.0;
    double anorm = 0.0;
    // Whether the row reflection of the previous column still has to reach the rows below:
    // entry (k, c) then gains dots[c] * rowVector[k].
    bool rowUpdatePending = false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t l = i + 1;
        e[i] = scale * g;
        double* column = columns.row(i);
        if (rowUpdatePending) addMultiple(column + i, rowVector[i], dots.data() + i, m - i);

        // The column reflection, on the column scaled by the sum of its absolute values.
        g = 0.0;
        scale = 0.0;
        double s = 0.0;
        for (std::size_t k = i; k < m; ++k)
            scale += std::fabs(column[k]);
        double h = 0.0;
        if (scale != 0.0) {
            for (std::size_t k = i; k < m; ++k) {
                column[k] /= scale;
                s += column[k] * column[k];
            }
            const double f = column[i];
            g = -withSignOf(std::sqrt(s), f);
            h = f * g - s;
            column[i] = f - g;
        }
        const bool reflectColumn = scale != 0.0;
        if (rowUpdatePending || reflectColumn) {
            forEachPiece(l, n, (n - l) * (m - i), [&](std::size_t begin, std::size_t end) {
                forEachRowGroup(begin, end, [&](std::size_t first, std::size_t count) {
                    if (rowUpdatePending) {
                        for (std::size_t j = first; j < first + count; ++j)
                            addMultiple(columns.row(j) + i, rowVector[j], dots.data() + i, m - i);
                    }
                    if (!reflectColumn) return;
                    std::array<double, DotGroup> factors{};
                    stridedDotProducts(column + i, columns.row(first) + i, m, count, m - i,
                                       factors.data());
                    for (std::size_t t = 0; t < count; ++t)
                        addMultiple(columns.row(first + t) + i, factors[t] / h, column + i, m - i);
                });
            });
        }
        if (reflectColumn) {
            for (std::size_t k = i; k < m; ++k)
                column[k] *= scale;
        }
        w[i] = scale * g;

        // The row reflection, entries l.. of row i; the last column has none.
        g = 0.0;
        scale = 0.0;
        s = 0.0;
        rowUpdatePending = false;
        if (i + 1 != n) {
            for (std::size_t k = l; k < n; ++k)
                scale += std::fabs(columns(k, i));
            if (scale != 0.0) {
                for (std::size_t k = l; k < n; ++k) {
                    columns(k, i) /= scale;
                    s += columns(k, i) * columns(k, i);
                }
                const double f = columns(l, i);
                g = -withSignOf(std::sqrt(s), f);
                h = f * g - s;
                columns(l, i) = f - g;
                for (std::size_t k = l; k < n; ++k)
                    rowVector[k] = columns(k, i) / h;
                // dots[c] = sum over k of entry (k, c) times entry (k, i), k ascending.
                forEachPiece(l, m, (n - l) * (m - l), [&](std::size_t begin, std::size_t end) {
                    std::fill(dots.begin() + static_cast<std::ptrdiff_t>(begin),
                              dots.begin() + static_cast<std::ptrdiff_t>(end), 0.0);
                    for (std::size_t k = l; k < n; ++k) {
                        const double* row = columns.row(k);
                        addMultiple(dots.data() + begin, row[i], row + begin, end - begin);
                    }
                });
                for (std::size_t k = l; k < n; ++k)
                    columns(k, i) *= scale;
                rowUpdatePending = true;
            }
        }
        anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
    }
    return anorm;
}

}  // namespace tiebreak
