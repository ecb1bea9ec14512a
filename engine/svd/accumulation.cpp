// Steps 2 and 3 of the decomposition: the right reflections of the reduction multiplied out into
// V, the last one first (every column of V held as a row), and the left ones applied to the
// right-hand sides, the first one first.
//
// Reflection i changes only the rows of V below row i, each through a dot product with that row
// and an update of it, and never reads another target row. So a row can meet all its
// reflections in a row while it stays in cache, instead of every reflection passing over the
// whole matrix: each row sees the same operations in the same order either way. The rows are
// taken in blocks from the bottom, one share of each block per core; a block's rows hold the
// reflections, so they are copied aside before the block is worked on, while the rows above it
// still hold theirs untouched.
// Cost: about 4 n^3 / 3 operations for V and 4 m n per right-hand side.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/parallel_pieces.h"
#include "engine/svd/kernels.h"
#include "engine/svd/steps.h"

namespace tiebreak {
namespace {

// Rows one core takes through the reflections at a time: 16 rows of a 6,000-column matrix fill
// 768 kB.
constexpr std::size_t RowsPerShare = 2 * DotGroup;

// For consecutive blocks of the rows of target from the bottom up: the block's rows are copied
// aside, then work(begin, end, share, original) runs on each core's share [begin, end) of the
// block that holds a row, in parallel, where original(i) is row i as it was before its block
// was worked on. rowWork is the matrix elements one row's work touches, roughly. May throw
// std::bad_alloc (the copy of a block).
template <typename Work>
void forEachBlockFromTheBottom(Matrix& target, std::size_t rowWork, const Work& work) {
    const std::size_t shares = workerCount();
    const std::size_t blockRows = shares * RowsPerShare;
    const std::size_t width = target.cols();
    std::vector<double> aside(blockRows * width);
    for (std::size_t last = target.rows(); last > 0;) {
        const std::size_t first = last > blockRows ? last - blockRows : 0;
        std::copy(target.row(first), target.row(first) + (last - first) * width, aside.begin());
        const auto original = [&](std::size_t i) {
            return i >= first ? aside.data() + (i - first) * width
                              : static_cast<const double*>(target.row(i));
        };
        const std::size_t count = last - first;
        forEachPiece(0, shares, count * rowWork, [&](std::size_t begin, std::size_t end) {
            for (std::size_t share = begin; share < end; ++share) {
                const std::size_t rowsBegin = first + count * share / shares;
                const std::size_t rowsEnd = first + count * (share + 1) / shares;
                if (rowsBegin < rowsEnd) work(rowsBegin, rowsEnd, share, original);
            }
        });
        last = first;
    }
}

// Rows [begin, end) of target, each with the dot product d of `vector` and the row over entries
// dotFrom onwards: the row's entries from offset on gain factor(d) times those of reflection.
template <typename Factor>
void reflectRows(Matrix& target, std::size_t begin, std::size_t end, const double* vector,
                 std::size_t dotFrom, const double* reflection, std::size_t offset,
                 const Factor& factor) {
    const std::size_t n = target.cols();
    forEachRowGroup(begin, end, [&](std::size_t first, std::size_t count) {
        std::array<double, DotGroup> dots{};
        stridedDotProducts(vector + dotFrom, target.row(first) + dotFrom, n, count, n - dotFrom,
                           dots.data());
        for (std::size_t t = 0; t < count; ++t)
            addMultiple(target.row(first + t) + offset, factor(dots[t]), reflection + offset,
                        n - offset);
    });
}

}  // namespace

void accumulateRightReflections(const Matrix& columns, std::span<const double> e,
                                Matrix& vColumns) {
    const std::size_t n = columns.rows();
    // Row i of V holds, from entry i + 1 on, the vector of right reflection i: entries i + 1
    // onwards of row i of the reduced matrix, which lie in column i of `columns`.
    for (std::size_t k = 1; k < n; ++k) {
        const double* source = columns.row(k);
        for (std::size_t i = 0; i < k; ++i)
            vColumns(i, k) = source[i];
    }
    std::vector<double> reflections(workerCount() * n);
    forEachBlockFromTheBottom(
        vColumns, n * n / 2,
        [&](std::size_t begin, std::size_t end, std::size_t share, const auto& original) {
            double* reflection = reflections.data() + share * n;
            for (std::size_t k = begin; k < end; ++k) {
                std::fill(vColumns.row(k), vColumns.row(k) + n, 0.0);
                vColumns(k, k) = 1.0;
            }
            // Reflection i (i + 1 < n, e[i + 1] != 0) for the rows below it.
            for (std::size_t i = end - 1; i-- > 0;) {
                const std::size_t l = i + 1;
                const double g = e[l];
                if (g == 0.0) continue;
                const double* vector = original(i);
                // Divided twice rather than by the product, against underflow.
                for (std::size_t j = l; j < n; ++j)
                    reflection[j] = (vector[j] / vector[l]) / g;
                reflectRows(vColumns, std::max(begin, l), end, vector, l, reflection, l,
                            [](double dot) { return dot; });
            }
        });
}

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

}  // namespace tiebreak
