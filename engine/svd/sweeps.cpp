// Step 3 of the decomposition: implicit-shift QR sweeps on the bidiagonal form (Golub and
// Reinsch; Golub and Van Loan, "Matrix Computations", 8.6).
//
// Neither U nor V is formed: each left rotation turns two entries of every right-hand side's
// U^T b at once, and the right rotations, some n^2 of them, are needed afterwards in reverse
// order. Rather than keeping them all (16 bytes each, twice the matrix at 2,000 players), the
// sweeps are cut into chunks of a bounded number of rotations: only the last chunk is kept,
// and each earlier one is made again from the bidiagonal form saved where it began, which
// costs one more run of the sweeps without the right-hand sides.
// Cost: about 30 operations per rotation on the bidiagonal, some n^2 rotations in all.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "engine/svd/steps.h"
#include "engine/svd/svd.h"

namespace tiebreak {
namespace {

// Sweeps a diagonal entry may take before the decomposition counts as not converged.
constexpr int SweepLimit = 30;

// Runs the sweeps from `at` on (w, e) until the diagonal is done, or until `record` holds at
// least `limit` rotations when a sweep ends. Left rotations turn the right-hand sides, right ones
// go to `record`; a diagonal entry that took all its sweeps clears `converged`. Returns true when
// the diagonal is done. May throw std::bad_alloc (the record).
bool runSweeps(std::span<double> w, std::span<double> e, SweepPosition& at, double anorm,
               std::span<const std::span<double>> rightHandSides, RotationRecord& record,
               std::size_t limit, bool& converged) {
    // U^T b for each right-hand side b: a rotation of columns p and q of U turns entries p and q.
    const auto rotateLeft = [rightHandSides](std::size_t p, std::size_t q, double c, double s) {
        for (const std::span<double> b : rightHandSides) {
            const double x = b[p];
            const double y = b[q];
            b[p] = x * c + y * s;
            b[q] = y * c - x * s;
        }
    };
    // An element counts as negligible when adding it to anorm changes nothing in double
    // precision: an exact comparison on purpose.
    const auto negligible = [anorm](double x) { return std::fabs(x) + anorm == anorm; };
    while (at.remaining != 0) {
        if (record.rotations.size() >= limit) return false;
        const std::size_t k = at.remaining - 1;
        const int sweep = at.sweep;
        // The next sweep: the same diagonal entry again, or after the last one the entry above.
        at.sweep = sweep == SweepLimit ? 1 : sweep + 1;
        if (sweep == SweepLimit) --at.remaining;
        // The split: the lowest l whose superdiagonal element (or preceding diagonal element)
        // is negligible. e[0] is always 0, so l = 0 ends the search.
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
                record.sweeps.push_back({static_cast<std::uint32_t>(k), 0});
            }
            at = {k, 1};
            continue;
        }
        if (sweep == SweepLimit) converged = false;  // the last sweep is still made
        // The shift from the bottom 2-by-2 minor, then one chase of the bulge from split down
        // to k.
        double x = w[split];
        double y = w[k - 1];
        g = e[k - 1];
        double h = e[k];
        double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
        g = pythag(f, 1.0);
        f = ((x - z) * (x + z) + h * ((y / (f + withSignOf(g, f))) - h)) / x;
        double c = 1.0;
        double s = 1.0;
        record.sweeps.push_back(
            {static_cast<std::uint32_t>(split), static_cast<std::uint32_t>(k - split)});
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
            record.rotations.push_back({c, s});
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
    return true;
}

// V t for the rotations of one chunk, in place of t: each sweep's from its last, the last sweep
// first. V R turns columns (j, j + 1) by (c, s), so R t turns entries (j, j + 1) by its
// transpose.
void applyRecord(const RotationRecord& record, std::span<double> t) noexcept {
    std::size_t next = record.rotations.size();
    for (std::size_t k = record.sweeps.size(); k-- > 0;) {
        const RotationRecord::Sweep sweep = record.sweeps[k];
        if (sweep.count == 0) {
            t[sweep.first] = -t[sweep.first];
            continue;
        }
        for (std::size_t j = sweep.first + sweep.count; j-- > sweep.first;) {
            const auto [c, s] = record.rotations[--next];
            const double x = t[j];
            const double y = t[j + 1];
            t[j] = x * c - y * s;
            t[j + 1] = x * s + y * c;
        }
    }
}

}  // namespace

bool diagonaliseBidiagonal(std::span<double> w, std::span<double> e,
                           std::span<const std::span<double>> rightHandSides,
                           RightTransformations& right, double anorm) {
    const std::size_t n = w.size();
    right.anorm = anorm;
    right.checkpoints.clear();
    right.last = {};
    // Some n^2 rotations in chunks of about n^1.5 keep both the chunk and the starting points
    // (2 n doubles each) near n^1.5 entries.
    const std::size_t limit =
        right.chunkRotations != 0
            ? right.chunkRotations
            : std::max<std::size_t>(4096,
                                    static_cast<std::size_t>(static_cast<double>(n) *
                                                             std::sqrt(static_cast<double>(n))));
    right.chunkRotations = limit;
    right.last.rotations.reserve(limit + n);
    bool converged = true;
    SweepPosition at{n, 1};
    for (;;) {
        // The entries from `remaining` on have converged: the sweeps no longer touch them.
        const auto open = static_cast<std::ptrdiff_t>(at.remaining);
        SweepCheckpoint start{{w.begin(), w.begin() + open}, {e.begin(), e.begin() + open}, at};
        if (runSweeps(w, e, at, anorm, rightHandSides, right.last, limit, converged)) break;
        right.checkpoints.push_back(std::move(start));
        right.last.sweeps.clear();
        right.last.rotations.clear();
    }
    return converged;
}

void applyRightRotations(RightTransformations&& right,
                         std::span<const std::span<double>> solutions) {
    // The kept chunk, then each earlier one made again in its place.
    RotationRecord& record = right.last;
    for (std::size_t chunk = right.checkpoints.size() + 1; chunk-- > 0;) {
        if (chunk != right.checkpoints.size()) {
            SweepCheckpoint& state = right.checkpoints[chunk];
            record.sweeps.clear();
            record.rotations.clear();
            bool converged = true;
            static_cast<void>(runSweeps(state.w, state.e, state.at, right.anorm, {}, record,
                                        right.chunkRotations, converged));
        }
        for (const std::span<double> t : solutions)
            applyRecord(record, t);
    }
}

}  // namespace tiebreak
