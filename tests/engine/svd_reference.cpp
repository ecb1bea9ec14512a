// The decomposition and the back-substitution written straight from their description, one
// matrix element at a time: the yardstick against which the fast decomposition is tested and
// timed. Golub and Reinsch, "Singular value decomposition and least squares solutions",
// Numer. Math. 14, 1970.
#include "tests/engine/svd_reference.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/svd/svd.h"
#include "engine/tie_break.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// |magnitude| with the sign of s, zero counting as positive.
double withSignOf(double magnitude, double s) noexcept {
    return s >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

// Columns p and q of m turned by the plane rotation (c, s): (x, y) becomes (x c + y s, y c - x s).
void rotateColumns(Matrix& m, std::size_t p, std::size_t q, double c, double s) noexcept {
    for (std::size_t r = 0; r < m.rows(); ++r) {
        const double x = m(r, p);
        const double y = m(r, q);
        m(r, p) = x * c + y * s;
        m(r, q) = y * c - x * s;
    }
}

}  // namespace

bool svdDecomposeReference(Matrix& a, std::span<double> w, Matrix& v) {
    const std::size_t m = a.rows();
    const std::size_t n = a.cols();
    std::vector<double> e(n);  // the superdiagonal; e[0] stays 0
    double g = 0.0;
    double scale = 0.0;
    double anorm = 0.0;

    // 1. Householder reduction to upper bidiagonal form. Each reflection works on its column
    // (or row) scaled by the sum of its absolute values, which keeps the squares in range.
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t l = i + 1;
        e[i] = scale * g;
        g = 0.0;
        scale = 0.0;
        double s = 0.0;
        for (std::size_t k = i; k < m; ++k)
            scale += std::fabs(a(k, i));
        if (scale != 0.0) {
            for (std::size_t k = i; k < m; ++k) {
                a(k, i) /= scale;
                s += a(k, i) * a(k, i);
            }
            const double f = a(i, i);
            g = -withSignOf(std::sqrt(s), f);
            const double h = f * g - s;
            a(i, i) = f - g;
            for (std::size_t j = l; j < n; ++j) {
                double dot = 0.0;
                for (std::size_t k = i; k < m; ++k)
                    dot += a(k, i) * a(k, j);
                const double factor = dot / h;
                for (std::size_t k = i; k < m; ++k)
                    a(k, j) += factor * a(k, i);
            }
            for (std::size_t k = i; k < m; ++k)
                a(k, i) *= scale;
        }
        w[i] = scale * g;
        g = 0.0;
        scale = 0.0;
        s = 0.0;
        if (i + 1 != n) {  // the last column has no row reflection
            for (std::size_t k = l; k < n; ++k)
                scale += std::fabs(a(i, k));
            if (scale != 0.0) {
                for (std::size_t k = l; k < n; ++k) {
                    a(i, k) /= scale;
                    s += a(i, k) * a(i, k);
                }
                const double f = a(i, l);
                g = -withSignOf(std::sqrt(s), f);
                const double h = f * g - s;
                a(i, l) = f - g;
                // e[l..] holds the scaled reflection vector until later columns overwrite it.
                for (std::size_t k = l; k < n; ++k)
                    e[k] = a(i, k) / h;
                for (std::size_t j = l; j < m; ++j) {
                    double dot = 0.0;
                    for (std::size_t k = l; k < n; ++k)
                        dot += a(j, k) * a(i, k);
                    for (std::size_t k = l; k < n; ++k)
                        a(j, k) += dot * e[k];
                }
                for (std::size_t k = l; k < n; ++k)
                    a(i, k) *= scale;
            }
        }
        anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
    }

    // 2. Accumulation of the right-hand transformations into V, last row reflection first.
    std::size_t l = n;
    for (std::size_t i = n; i-- > 0;) {
        if (i + 1 < n) {
            if (g != 0.0) {
                // Divided twice rather than by the product, against underflow.
                for (std::size_t j = l; j < n; ++j)
                    v(j, i) = (a(i, j) / a(i, l)) / g;
                for (std::size_t j = l; j < n; ++j) {
                    double dot = 0.0;
                    for (std::size_t k = l; k < n; ++k)
                        dot += a(i, k) * v(k, j);
                    for (std::size_t k = l; k < n; ++k)
                        v(k, j) += dot * v(k, i);
                }
            }
            for (std::size_t j = l; j < n; ++j) {
                v(i, j) = 0.0;
                v(j, i) = 0.0;
            }
        }
        v(i, i) = 1.0;
        g = e[i];
        l = i;
    }

    // 3. Accumulation of the left-hand transformations into U, over a's own storage.
    for (std::size_t i = std::min(m, n); i-- > 0;) {
        const std::size_t next = i + 1;
        g = w[i];
        for (std::size_t j = next; j < n; ++j)
            a(i, j) = 0.0;
        if (g != 0.0) {
            g = 1.0 / g;
            for (std::size_t j = next; j < n; ++j) {
                double dot = 0.0;
                for (std::size_t k = next; k < m; ++k)
                    dot += a(k, i) * a(k, j);
                const double factor = (dot / a(i, i)) * g;
                for (std::size_t k = i; k < m; ++k)
                    a(k, j) += factor * a(k, i);
            }
            for (std::size_t j = i; j < m; ++j)
                a(j, i) *= g;
        } else {
            for (std::size_t j = i; j < m; ++j)
                a(j, i) = 0.0;
        }
        a(i, i) += 1.0;
    }

    // 4. Diagonalisation of the bidiagonal form by implicit-shift QR sweeps, bottom value first.
    // An element counts as negligible when adding it to anorm changes nothing in double
    // precision: an exact comparison on purpose.
    const auto negligible = [anorm](double x) { return std::fabs(x) + anorm == anorm; };
    bool converged = true;
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
                    rotateColumns(a, above, i, c, s);
                }
            }
            double z = w[k];
            if (split == k) {
                // Converged: the value is made non-negative, its sign going into V.
                if (z < 0.0) {
                    w[k] = -z;
                    for (std::size_t j = 0; j < n; ++j)
                        v(j, k) = -v(j, k);
                }
                break;
            }
            if (sweep == 30) converged = false;
            // 5. The shift from the bottom 2-by-2 minor, then one chase of the bulge from split
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
                rotateColumns(v, j, i, c, s);
                z = pythag(f, h);
                w[j] = z;
                if (z != 0.0) {
                    z = 1.0 / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                rotateColumns(a, j, i, c, s);
            }
            e[split] = 0.0;
            e[k] = f;
            w[k] = x;
        }
    }
    // 6. The singular values stay in the order the sweeps left them.
    return converged;
}

int solveBySvdReference(const TournamentTable& table, std::span<double> out,
                        std::span<const double> start, ScoreFunction f, double cutoff) noexcept {
    return guardMemory(StatusNoMemory, [&] {
        // 1. The centred score terms; inactive players keep theirs (not a number).
        static_cast<void>(centredScoreTerms(table, out, f));  // cannot fail
        // 2. The games-weighted level of the start vector, over the active players.
        const std::vector<std::uint32_t> active = activePlayers(table);
        double level = 0.0;
        for (const std::uint32_t i : active)
            level += static_cast<double>(table.gamesPlayed()[i]) * start[i];
        const std::size_t count = active.size();
        if (count == 0) return StatusOk;
        // 3. The system by rows: each value minus the weighted mean of his opponents' values
        // equals his centred term; the last row fixes the weighted sum of the values.
        const Matrix columns = systemMatrixByColumns(table, active);
        Matrix system(count + 1, count);
        for (std::size_t q = 0; q < count; ++q) {
            for (std::size_t r = 0; r <= count; ++r)
                system(r, q) = columns(q, r);
        }
        std::vector<double> rhs(count + 1);
        for (std::size_t r = 0; r < count; ++r)
            rhs[r] = out[active[r]];
        rhs[count] = level;
        // 4. The decomposition; U replaces the system.
        std::vector<double> w(count);
        Matrix v(count, count);
        static_cast<void>(svdDecomposeReference(system, w, v));
        // 5. t = diag(1/w) U^T rhs, leaving out the tiny entries of U except in the last row. No
        // singular value is floored: a zero one makes the values meaningless, and the logged error
        // between the methods shows it.
        std::vector<double> t(count);
        for (std::size_t q = 0; q < count; ++q) {
            double sum = 0.0;
            for (std::size_t r = 0; r < count; ++r) {
                if (std::fabs(system(r, q)) > cutoff) sum += system(r, q) * rhs[r];
            }
            sum += level * system(count, q);
            t[q] = sum / w[q];
        }
        // 6. x = V t, again without the tiny entries.
        for (std::size_t r = 0; r < count; ++r) {
            double sum = 0.0;
            for (std::size_t q = 0; q < count; ++q) {
                if (std::fabs(v(r, q)) > cutoff) sum += v(r, q) * t[q];
            }
            out[active[r]] = sum;
        }
        return StatusOk;
    });
}

}  // namespace tiebreak
