// Step 4 of the decomposition: implicit-shift QR sweeps on the bidiagonal form (Golub and
// Reinsch; Golub and Van Loan, "Matrix Computations", 8.6).
//
// U is never formed: each left rotation turns two entries of every right-hand side's U^T b at
// once. The right rotations depend on the bidiagonal alone, never on V, so the sweeps run on w
// and e and record them; a full buffer is applied to V in strips of a few matrix columns
// (entries of every row held by columns), each strip staying in cache while the whole buffer
// passes over it. Every entry meets the same rotations in the same order as when they are
// applied one by one, with the same arithmetic, and the strips share the cores.
// Cost: about 6 n operations per rotation, some 2 n^2 rotations in all.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/parallel_pieces.h"
#include "engine/svd/kernels.h"
#include "engine/svd/steps.h"
#include "engine/svd/svd.h"

namespace tiebreak {
namespace {

// Rows p and q of a matrix held by columns, that is matrix columns p and q, turned by (c, s):
// (x, y) becomes (x c + y s, y c - x s). p == q negates row p.
struct PlaneRotation {
    std::uint32_t p;
    std::uint32_t q;
    double c;
    double s;
};

// Strip width: 16 entries of each of 6,000 rows fill 768 kB.
constexpr std::size_t StripWidth = 16;
// Rotations held before they are applied: 1.5 MB per matrix. Each batch costs a copy of the
// matrix into strips and back, so fewer, larger batches are cheaper.
constexpr std::size_t BatchCapacity = std::size_t{1} << 16;

// Doubles handled by one instruction: two in the baseline build, four in the AVX2 one.
using Pair = double __attribute__((vector_size(16)));
using Quad = double __attribute__((vector_size(32)));
constexpr std::size_t VectorDoubles = sizeof(Quad) / sizeof(double);

// The rotations applied to a strip copied out of the matrix: row r at strip + r * StripWidth,
// which is aligned for Vector. A row that the next rotation turns again stays in registers: a
// sweep's rotations chain (p, p+1), (p+1, p+2), ..., and those of a cancellation share their p.
template <typename Vector>
[[gnu::always_inline]] inline void rotateStrip(double* strip,
                                               std::span<const PlaneRotation> rotations) noexcept {
    constexpr std::size_t Count = StripWidth * sizeof(double) / sizeof(Vector);
    const auto rowAt = [strip](std::uint32_t r) {
        return reinterpret_cast<Vector*>(strip + std::size_t{r} * StripWidth);
    };
    const auto turnsAgain = [](const PlaneRotation* next, std::uint32_t row) {
        return next != nullptr && next->p != next->q && next->p == row;
    };
    std::size_t k = 0;
    while (k < rotations.size()) {
        const PlaneRotation* r = &rotations[k++];
        if (r->p == r->q) {
            Vector* a = rowAt(r->p);
            for (std::size_t t = 0; t < Count; ++t)
                a[t] = -a[t];
            continue;
        }
        std::array<Vector, Count> x;
        for (std::size_t t = 0; t < Count; ++t)
            x[t] = rowAt(r->p)[t];
        for (;;) {
            Vector* a = rowAt(r->p);
            Vector* b = rowAt(r->q);
            std::array<Vector, Count> y;
            for (std::size_t t = 0; t < Count; ++t)
                y[t] = b[t];
            const double c = r->c;
            const double s = r->s;
            for (std::size_t t = 0; t < Count; ++t) {
                const Vector xt = x[t];
                const Vector yt = y[t];
                x[t] = xt * c + yt * s;
                y[t] = yt * c - xt * s;
            }
            const PlaneRotation* next = k < rotations.size() ? &rotations[k] : nullptr;
            if (turnsAgain(next, r->q)) {
                for (std::size_t t = 0; t < Count; ++t) {
                    a[t] = x[t];
                    x[t] = y[t];
                }
            } else if (turnsAgain(next, r->p)) {
                for (std::size_t t = 0; t < Count; ++t)
                    b[t] = y[t];
            } else {
                for (std::size_t t = 0; t < Count; ++t) {
                    a[t] = x[t];
                    b[t] = y[t];
                }
                break;
            }
            r = next;
            ++k;
        }
    }
}

[[gnu::target("avx2")]] void rotateStripAvx2(double* strip,
                                             std::span<const PlaneRotation> rotations) noexcept {
    rotateStrip<Quad>(strip, rotations);
}

void rotateStripBaseline(double* strip, std::span<const PlaneRotation> rotations) noexcept {
    rotateStrip<Pair>(strip, rotations);
}

// Copies count (at most StripWidth) entries: a whole strip as one block of fixed size, which
// becomes a few vector moves instead of a library call for every row.
void copyEntries(const double* from, std::size_t count, double* to) noexcept {
    if (count == StripWidth) {
        std::memcpy(to, from, StripWidth * sizeof(double));
    } else {
        std::copy_n(from, count, to);
    }
}

// The rotations applied to the strips [firstStrip, lastStrip) of target (StripWidth entries of
// every row each, the last one maybe fewer), one after the other. Each strip is copied into
// `buffer` (StripWidth entries per row, the unused ones zero) and back: there its rows lie side
// by side, where in the matrix each one is a page apart. Putting one strip back and taking the
// next one out share a pass over the rows.
void applyToStrips(Matrix& target, std::span<const PlaneRotation> rotations, std::size_t firstStrip,
                   std::size_t lastStrip, double* buffer) noexcept {
    constexpr std::size_t None = SIZE_MAX;
    const std::size_t entries = target.cols();
    const auto widthOf = [entries](std::size_t strip) {
        return std::min(StripWidth, entries - strip * StripWidth);
    };
    const auto exchange = [&](std::size_t out, std::size_t in) {
        for (std::size_t r = 0; r < target.rows(); ++r) {
            double* slot = buffer + r * StripWidth;
            if (out != None) copyEntries(slot, widthOf(out), target.row(r) + out * StripWidth);
            if (in != None) {
                copyEntries(target.row(r) + in * StripWidth, widthOf(in), slot);
                std::fill(slot + widthOf(in), slot + StripWidth, 0.0);
            }
        }
    };
    if (firstStrip == lastStrip) return;
    exchange(None, firstStrip);
    for (std::size_t strip = firstStrip; strip < lastStrip; ++strip) {
        if (useAvx2()) {
            rotateStripAvx2(buffer, rotations);
        } else {
            rotateStripBaseline(buffer, rotations);
        }
        exchange(strip, strip + 1 < lastStrip ? strip + 1 : None);
    }
}

// The rotations of one matrix in the order the sweeps made them.
class RotationBatch {
public:
    // May throw std::bad_alloc.
    explicit RotationBatch(Matrix& target)
        : target_(target), buffers_(workerCount() * target.rows() * StripWidth + VectorDoubles) {
        rotations_.reserve(BatchCapacity);
        void* start = buffers_.data();
        std::size_t space = buffers_.size() * sizeof(double);
        firstBuffer_ = static_cast<double*>(std::align(sizeof(Quad), 1, start, space));
    }

    void rotate(std::size_t p, std::size_t q, double c, double s) noexcept {
        rotations_.push_back(
            PlaneRotation{static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(q), c, s});
        if (rotations_.size() == BatchCapacity) apply();
    }
    void negate(std::size_t p) noexcept { rotate(p, p, -1.0, 0.0); }

    // Applies and forgets every recorded rotation: the strips are dealt out in one contiguous
    // share per worker, each with its own buffer.
    void apply() noexcept {
        const std::size_t entries = target_.cols();
        const std::size_t strips = (entries + StripWidth - 1) / StripWidth;
        const std::size_t shares = workerCount();
        forEachPiece(0, shares, rotations_.size() * entries,
                     [&](std::size_t begin, std::size_t end) {
                         for (std::size_t share = begin; share < end; ++share) {
                             applyToStrips(target_, rotations_, strips * share / shares,
                                           strips * (share + 1) / shares,
                                           firstBuffer_ + share * target_.rows() * StripWidth);
                         }
                     });
        rotations_.clear();
    }

private:
    Matrix& target_;
    std::vector<PlaneRotation> rotations_;
    std::vector<double> buffers_;  // one strip per worker
    double* firstBuffer_;          // the first strip, aligned for Quad
};

}  // namespace

bool diagonaliseBidiagonal(std::span<double> w, std::span<double> e,
                           std::span<const std::span<double>> rightHandSides, Matrix& vColumns,
                           double anorm) {
    const std::size_t n = w.size();
    // U^T b for each right-hand side b: a rotation of columns p and q of U turns entries p and q.
    const auto rotateLeft = [rightHandSides](std::size_t p, std::size_t q, double c, double s) {
        for (const std::span<double> b : rightHandSides) {
            const double x = b[p];
            const double y = b[q];
            b[p] = x * c + y * s;
            b[q] = y * c - x * s;
        }
    };
    RotationBatch v(vColumns);
    bool converged = true;
    // An element counts as negligible when adding it to anorm changes nothing in double
    // precision: an exact comparison on purpose.
    const auto negligible = [anorm](double x) { return std::fabs(x) + anorm == anorm; };
    for (std::size_t k = n; k-- > 0;) {
        for (int sweep = 1; sweep <= 30; ++sweep) {
            // The split: the lowest l whose superdiagonal element (or preceding diagonal
            // element) is negligible. e[0] is always 0, so l = 0 ends the search.
            std::size_t split = k;
            bool cancel = true;
            for (;; --split) {
                if (split == 0 || negligible(e[split])) {
                    cancel = false;
                    break;
                }
                if (negligible(w[split - 1])) break;
            }
            double g = 0.0;
            if (cancel) {
                // w[split - 1] is negligible: annihilate e[split..k] by rotations from the left.
                const std::size_t above = split - 1;
                double c = 0.0;
                double s = 1.0;
                for (std::size_t i = split; i <= k; ++i) {
                    const double f = s * e[i];
                    e[i] = c * e[i];
                    if (negligible(f)) break;
                    g = w[i];
                    double h = pythag(f, g);
                    w[i] = h;
                    h = 1.0 / h;
                    c = g * h;
                    s = -f * h;
                    rotateLeft(above, i, c, s);
                }
            }
            double z = w[k];
            if (split == k) {
                // Converged: the value is made non-negative, its sign going into V.
                if (z < 0.0) {
                    w[k] = -z;
                    v.negate(k);
                }
                break;
            }
            if (sweep == 30) converged = false;  // the last sweep is still made
            // The shift from the bottom 2-by-2 minor, then one chase of the bulge from split
            // down to k.
            double x = w[split];
            double y = w[k - 1];
            g = e[k - 1];
            double h = e[k];
            double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
            g = pythag(f, 1.0);
            f = ((x - z) * (x + z) + h * ((y / (f + withSignOf(g, f))) - h)) / x;
            double c = 1.0;
            double s = 1.0;
            for (std::size_t j = split; j < k; ++j) {
                const std::size_t i = j + 1;
                g = e[i];
                y = w[i];
                h = s * g;
                g = c * g;
                z = pythag(f, h);
                e[j] = z;
                c = f / z;
                s = h / z;
                f = x * c + g * s;
                g = g * c - x * s;
                h = y * s;
                y *= c;
                v.rotate(j, i, c, s);
                z = pythag(f, h);
                w[j] = z;
                if (z != 0.0) {
                    z = 1.0 / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                rotateLeft(j, i, c, s);
            }
            e[split] = 0.0;
            e[k] = f;
            w[k] = x;
        }
    }
    v.apply();
    return converged;
}

}  // namespace tiebreak
