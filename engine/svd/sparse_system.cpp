// The tie-break systems in their symmetric form, solved by preconditioned conjugate gradients.
//
// Equation i of a system, x_i - (sum over opponents j of n_ij x_j) / g_i = t_i, times the games
// g_i: g_i x_i - sum n_ij x_j = g_i t_i, or L x = b with L the Laplacian of the games graph.
// With the games in both lines L is symmetric positive semi-definite, and b sums to 0 over each
// group of players who met, since the terms are centred there with the games as weights: the
// system is consistent, and conjugate gradients from 0 stay in L's range and reach one of its
// solutions. The constant each group's level row fixes is then added. Conjugate gradients need
// about the square root of the iterations that the same gradients on the normal equations of the
// unsymmetric form need, whose condition number is the square of this one's.
//
// Each iteration is a pass over the Laplacian, whose reading from memory costs more than its
// arithmetic: the systems of both methods share every pass, and the entries are held in six
// bytes (the opponent's position and the games between the two).
#include <array>
#include <cmath>

#include "engine/parallel_pieces.h"
#include "engine/svd/svd.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// The pieces the vectors' sums are gathered in, added in their order: the bits of every sum are
// the same whatever the number of cores.
constexpr std::size_t SumPieces = 64;

using Sums = std::array<double, MaxSparseSystems>;

}  // namespace

// The Laplacian of the active players, its off-diagonal entries by rows, and conjugate gradients
// on it. Vectors of k systems are interleaved: entry i of system s at i * k + s.
struct SparseSystem::Solver {
    std::vector<std::size_t> rowStart;  // row r's entries are [rowStart[r], rowStart[r + 1])
    std::vector<std::uint32_t> column;
    std::vector<std::uint16_t> games;  // the games between the two players, the entry's minus
    std::vector<double> diagonal;      // each player's games

    [[nodiscard]] std::size_t size() const noexcept { return diagonal.size(); }

    // Calls part(begin, end, piece) on the pieces of the rows, each returning its sums, and
    // returns the sums added in piece order.
    template <typename Part>
    Sums sumOverRows(const Part& part) const {
        std::array<Sums, SumPieces> pieces{};
        const std::size_t n = size();
        forEachFixedPiece(SumPieces, column.size() + n, [&](std::size_t piece) {
            pieces[piece] = part(n * piece / SumPieces, n * (piece + 1) / SumPieces, piece);
        });
        Sums total{};
        for (const Sums& sums : pieces) {
            for (std::size_t s = 0; s < MaxSparseSystems; ++s)
                total[s] += sums[s];
        }
        return total;
    }

    // q = L p for each of the k systems; returns each system's p . q. The count of systems is a
    // constant of the loops, which the compiler unrolls.
    template <std::size_t K>
    Sums multiplyEach(const std::vector<double>& p, std::vector<double>& q) const {
        return sumOverRows([&](std::size_t begin, std::size_t end, std::size_t) {
            Sums dots{};
            for (std::size_t r = begin; r < end; ++r) {
                std::array<double, K> sum;
                for (std::size_t s = 0; s < K; ++s)
                    sum[s] = diagonal[r] * p[r * K + s];
                for (std::size_t e = rowStart[r]; e < rowStart[r + 1]; ++e) {
                    const double count = games[e];
                    const double* at = p.data() + std::size_t{column[e]} * K;
                    for (std::size_t s = 0; s < K; ++s)
                        sum[s] -= count * at[s];
                }
                for (std::size_t s = 0; s < K; ++s) {
                    q[r * K + s] = sum[s];
                    dots[s] += p[r * K + s] * sum[s];
                }
            }
            return dots;
        });
    }
    Sums multiply(const std::vector<double>& p, std::vector<double>& q, std::size_t k) const {
        static_assert(MaxSparseSystems == 2);
        return k == 1 ? multiplyEach<1>(p, q) : multiplyEach<2>(p, q);
    }

    // Conjugate gradients preconditioned with the diagonal (Hestenes and Stiefel, 1952; Golub and
    // Van Loan, "Matrix Computations", algorithm 11.5.1) for k systems at once, from x = 0, each
    // until its residual's norm is at most SparseTolerance times its b's, or SparseIterationLimit
    // iterations. Cost per iteration: one pass over the Laplacian for all of them, and a few
    // sweeps of the vectors.
    void solve(const std::vector<double>& b, std::size_t k, std::vector<double>& x,
               std::vector<SparseSolution>& solutions) const {
        const std::size_t n = size();
        x.assign(n * k, 0.0);
        std::vector<double> r = b;
        std::vector<double> z(n * k);
        std::vector<double> q(n * k);
        Sums goal{};
        Sums rr{};
        Sums rz{};
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t s = 0; s < k; ++s) {
                z[i * k + s] = r[i * k + s] / diagonal[i];
                goal[s] += b[i * k + s] * b[i * k + s];
                rr[s] += r[i * k + s] * r[i * k + s];
                rz[s] += r[i * k + s] * z[i * k + s];
            }
        }
        std::vector<double> p = z;
        std::array<bool, MaxSparseSystems> going{};
        for (std::size_t s = 0; s < k; ++s) {
            goal[s] *= SparseTolerance * SparseTolerance;
            going[s] = rr[s] > goal[s];
        }
        for (unsigned iteration = 0; iteration < SparseIterationLimit; ++iteration) {
            bool any = false;
            for (std::size_t s = 0; s < k; ++s)
                any = any || going[s];
            if (!any) break;
            const Sums pq = multiply(p, q, k);
            Sums alpha{};
            for (std::size_t s = 0; s < k; ++s) {
                if (!going[s]) continue;
                alpha[s] = rz[s] / pq[s];
                ++solutions[s].iterations;
            }
            // A system that has converged takes no step: its alpha stays 0.
            std::array<Sums, SumPieces> squarePieces{};
            const Sums next =
                sumOverRows([&](std::size_t begin, std::size_t end, std::size_t piece) {
                    Sums sums{};
                    Sums squares{};
                    for (std::size_t row = begin; row < end; ++row) {
                        for (std::size_t s = 0; s < k; ++s) {
                            const std::size_t i = row * k + s;
                            x[i] += alpha[s] * p[i];
                            r[i] -= alpha[s] * q[i];
                            z[i] = r[i] / diagonal[row];
                            sums[s] += r[i] * z[i];
                            squares[s] += r[i] * r[i];
                        }
                    }
                    squarePieces[piece] = squares;
                    return sums;
                });
            Sums squares{};
            for (const Sums& piece : squarePieces) {
                for (std::size_t s = 0; s < k; ++s)
                    squares[s] += piece[s];
            }
            Sums beta{};
            for (std::size_t s = 0; s < k; ++s) {
                if (!going[s]) continue;
                beta[s] = next[s] / rz[s];
                rz[s] = next[s];
                rr[s] = squares[s];
                going[s] = rr[s] > goal[s];
            }
            forEachPiece(0, n, 2 * n * k, [&](std::size_t begin, std::size_t end) {
                for (std::size_t row = begin; row < end; ++row) {
                    for (std::size_t s = 0; s < k; ++s)
                        p[row * k + s] = z[row * k + s] + beta[s] * p[row * k + s];
                }
            });
        }
        for (std::size_t s = 0; s < k; ++s)
            solutions[s].converged = rr[s] <= goal[s];
    }
};

SparseSystem::SparseSystem() = default;
SparseSystem::~SparseSystem() = default;

int SparseSystem::build(const TournamentTable& table) noexcept {
    solver_.reset();
    active_.clear();
    const int status = guardMemory(StatusNoMemory, [&] {
        active_ = activePlayers(table);
        // The position of each active player among the active ones.
        std::vector<std::int64_t> position(table.playerCount(), -1);
        for (std::size_t r = 0; r < active_.size(); ++r)
            position[active_[r]] = static_cast<std::int64_t>(r);
        auto solver = std::make_unique<Solver>();
        solver->rowStart.reserve(active_.size() + 1);
        solver->rowStart.push_back(0);
        for (std::size_t r = 0; r < active_.size(); ++r) {
            const std::uint32_t player = active_[r];
            solver->diagonal.push_back(static_cast<double>(table.gamesPlayed()[player]));
            for (const GamesAgainst& against : table.opponents(player)) {
                const std::int64_t q = position[against.opponent];
                if (q < 0 || static_cast<std::size_t>(q) == r) continue;
                // More games between two players than a count of 16 bits holds are no tournament.
                if (against.games > UINT16_MAX) throw std::bad_alloc();
                solver->column.push_back(static_cast<std::uint32_t>(q));
                solver->games.push_back(static_cast<std::uint16_t>(against.games));
            }
            solver->rowStart.push_back(solver->column.size());
        }
        solver_ = std::move(solver);
        return StatusOk;
    });
    if (failed(status)) {
        active_ = {};
        return status;
    }
    playerCount_ = table.playerCount();
    return StatusOk;
}

int SparseSystem::solve(const TournamentTable& table, std::span<const TieBreakSystem> systems,
                        Centring centring, std::vector<SparseSolution>& solutions) const noexcept {
    const std::size_t k = systems.size();
    if (!solver_ || table.playerCount() != playerCount_ || k == 0 || k > MaxSparseSystems)
        return StatusInvalidArgument;
    for (const TieBreakSystem& system : systems) {
        if (system.start.size() != playerCount_) return StatusInvalidArgument;
    }
    return guardMemory(StatusNoMemory, [&]() -> int {
        solutions.assign(k, {});
        const std::size_t count = active_.size();
        const auto games = table.gamesPlayed();
        // The right-hand sides: each system's centred terms times the games.
        std::vector<double> rhs(count * k);
        for (std::size_t s = 0; s < k; ++s) {
            std::vector<double>& values = solutions[s].values;
            values.resize(playerCount_);
            if (failed(centredScoreTerms(table, values, systems[s].f, centring)))
                return StatusNoMemory;
            for (std::size_t r = 0; r < count; ++r)
                rhs[r * k + s] = static_cast<double>(games[active_[r]]) * values[active_[r]];
        }
        std::vector<double> x;
        solver_->solve(rhs, k, x, solutions);
        // Each level row's constant: its games-weighted level of start less that of x, spread
        // over its games.
        const std::size_t levels = levelRowCount(centring);
        for (std::size_t s = 0; s < k; ++s) {
            std::vector<double> shift(levels, 0.0);
            std::vector<double> totalGames(levels, 0.0);
            for (std::size_t r = 0; r < count; ++r) {
                const std::uint32_t player = active_[r];
                const std::size_t level = levelRowOf(centring, player);
                shift[level] +=
                    static_cast<double>(games[player]) * (systems[s].start[player] - x[r * k + s]);
                totalGames[level] += static_cast<double>(games[player]);
            }
            for (std::size_t r = 0; r < count; ++r) {
                const std::size_t level = levelRowOf(centring, active_[r]);
                solutions[s].values[active_[r]] = x[r * k + s] + shift[level] / totalGames[level];
            }
        }
        return StatusOk;
    });
}

int solveBothMethodsSparse(const SparseSystem& system, const TournamentTable& table,
                           Centring centring, std::vector<SparseSolution>& solutions) noexcept {
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> bucholzStart(table.playerCount());
        bucholzStartValues(table, bucholzStart);
        const TieBreakSystem systems[] = {{table.ratings(), ratingDifference},
                                          {bucholzStart, scoreFraction}};
        return system.solve(table, systems, centring, solutions);
    });
}

}  // namespace tiebreak
