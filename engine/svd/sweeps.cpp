// Step 3 of the decomposition: implicit-shift QR sweeps on the bidiagonal form (Golub and
// Reinsch; Golub and Van Loan, "Matrix Computations", 8.6).
//
// Neither U nor V is formed: each left rotation turns two entries of every right-hand side's
// U^T b at once, and the right rotations are recorded, one run per sweep, for the solutions.
// Cost: about 30 operations per rotation on the bidiagonal, some 2 n^2 rotations in all.
#include <cmath>
#include <cstdint>
#include <span>

#include "engine/svd/steps.h"
#include "engine/svd/svd.h"

namespace tiebreak {

bool diagonaliseBidiagonal(std::span<double> w, std::span<double> e,
                           std::span<const std::span<double>> rightHandSides,
                           RightTransformations& right, double anorm) {
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
    right.sweeps.clear();
    right.rotations.clear();
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
                    right.sweeps.push_back({static_cast<std::uint32_t>(k), 0});
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
            right.sweeps.push_back(
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
                right.rotations.push_back({c, s});
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
    return converged;
}

}  // namespace tiebreak
