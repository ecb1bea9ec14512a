// Step 1 of the decomposition: Householder reduction to upper bidiagonal form.
//
// Column i of the matrix is row i of `columns`, so a column reflection is a dot product and an
// update along each later row, and a row reflection (which mixes the rows) gathers its dot
// products over the same rows. One pass over the remaining rows per column does all three: each
// row first takes the previous column's row reflection, then this column's reflection, and then
// adds itself, times its entry of row i, to the sums of the row reflection that follows. Those
// sums are gathered on the unscaled entries and scaled once they are complete. The matrix is
// read and written once per column, where a separate pass for the sums would read it twice.
// Cost: about 4 m n^2 - 4 n^3 / 3 operations.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/parallel_pieces.h"
#include "engine/svd/kernels.h"
#include "engine/svd/steps.h"

namespace tiebreak {
namespace {

// The pieces the rows of a pass are cut into, whatever the number of cores: each gathers its
// own sums, added in piece order, so the results never depend on the cores.
constexpr std::size_t PassPieces = 8;

}  // namespace

double reduceToBidiagonal(Matrix& columns, std::span<double> w, std::span<double> e,
                          std::span<double> rowVector, std::span<double> dots) {
    const std::size_t n = columns.rows();
    const std::size_t m = columns.cols();
    std::vector<double> pieceSums(PassPieces * m);
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
        const bool reflectRow = l != n;  // the last column has no row reflection
        forEachFixedPiece(PassPieces, (n - l) * (m - i), [&](std::size_t piece) {
            const std::size_t begin = l + (n - l) * piece / PassPieces;
            const std::size_t end = l + (n - l) * (piece + 1) / PassPieces;
            double* sums = pieceSums.data() + piece * m;
            std::fill(sums + l, sums + m, 0.0);
            forEachRowGroup(begin, end, [&](std::size_t first, std::size_t count) {
                double* rows = columns.row(first) + i;
                std::array<double, DotGroup> factors{};
                if (rowUpdatePending || reflectColumn) {
                    updateAndDot(column + i, rowUpdatePending ? dots.data() + i : nullptr,
                                 rowVector.data() + first, rows, m, count, m - i, factors.data());
                }
                for (double& factor : factors)
                    factor = reflectColumn ? factor / h : 0.0;
                if (reflectColumn || reflectRow) {
                    updateAndGather(column + i, factors.data(), rows, m, count, m - i,
                                    reflectRow ? sums + i : nullptr);
                }
            });
        });
        if (reflectColumn) {
            for (std::size_t k = i; k < m; ++k)
                column[k] *= scale;
        }
        w[i] = scale * g;

        // The row reflection, entries l.. of row i (entry (k, i) for each later k).
        g = 0.0;
        scale = 0.0;
        s = 0.0;
        rowUpdatePending = false;
        if (reflectRow) {
            for (std::size_t k = l; k < n; ++k)
                scale += std::fabs(columns(k, i));
            if (scale != 0.0) {
                for (std::size_t k = l; k < n; ++k) {
                    rowVector[k] = columns(k, i) / scale;
                    s += rowVector[k] * rowVector[k];
                }
                const double f = rowVector[l];
                g = -withSignOf(std::sqrt(s), f);
                h = f * g - s;
                rowVector[l] = f - g;
                columns(l, i) = rowVector[l] * scale;
                // dots[c] = sum over k of entry (k, c) times the scaled reflection's entry k,
                // whose entry l is f - g where the gathered sums hold f.
                const double* first = columns.row(l);
                for (std::size_t c = l; c < m; ++c) {
                    double sum = 0.0;
                    for (std::size_t p = 0; p < PassPieces; ++p)
                        sum += pieceSums[p * m + c];
                    dots[c] = sum / scale - g * first[c];
                }
                for (std::size_t k = l; k < n; ++k)
                    rowVector[k] /= h;
                rowUpdatePending = true;
            }
        }
        anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
    }
    return anorm;
}

}  // namespace tiebreak
