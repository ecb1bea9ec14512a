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
#include <Eigen/IterativeLinearSolvers>
#include <Eigen/SparseCore>

#include "engine/svd/svd.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

struct SparseSystem::Solver {
    Eigen::SparseMatrix<double> laplacian;
    Eigen::ConjugateGradient<Eigen::SparseMatrix<double>, Eigen::Lower | Eigen::Upper,
                             Eigen::DiagonalPreconditioner<double>>
        iterations;
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
        std::vector<Eigen::Triplet<double>> entries;
        for (std::size_t r = 0; r < active_.size(); ++r) {
            const std::uint32_t player = active_[r];
            const auto row = static_cast<Eigen::Index>(r);
            entries.emplace_back(row, row, static_cast<double>(table.gamesPlayed()[player]));
            for (const GamesAgainst& entry : table.opponents(player)) {
                const std::int64_t q = position[entry.opponent];
                if (q >= 0 && q != row)
                    entries.emplace_back(row, q, -static_cast<double>(entry.games));
            }
        }
        auto solver = std::make_unique<Solver>();
        const auto count = static_cast<Eigen::Index>(active_.size());
        solver->laplacian.resize(count, count);
        solver->laplacian.setFromTriplets(entries.begin(), entries.end());
        solver->iterations.setTolerance(SparseTolerance);
        solver->iterations.setMaxIterations(static_cast<Eigen::Index>(SparseIterationLimit));
        solver->iterations.compute(solver->laplacian);
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

int SparseSystem::solve(const TournamentTable& table, std::span<double> out,
                        std::span<const double> start, ScoreFunction f, Centring centring,
                        unsigned& iterations) const noexcept {
    if (!solver_ || table.playerCount() != playerCount_ || out.size() != playerCount_ ||
        start.size() != playerCount_) {
        return StatusInvalidArgument;
    }
    return guardMemory(StatusNoMemory, [&]() -> int {
        iterations = 0;
        // The centred score terms; inactive players keep theirs (not a number).
        if (failed(centredScoreTerms(table, out, f, centring))) return StatusNoMemory;
        const auto count = static_cast<Eigen::Index>(active_.size());
        if (count == 0) return StatusOk;
        const auto games = table.gamesPlayed();
        Eigen::VectorXd rhs(count);
        for (Eigen::Index r = 0; r < count; ++r) {
            const std::uint32_t player = active_[static_cast<std::size_t>(r)];
            rhs[r] = static_cast<double>(games[player]) * out[player];
        }
        const Eigen::VectorXd x = solver_->iterations.solve(rhs);
        iterations = static_cast<unsigned>(solver_->iterations.iterations());
        // Each level row's constant: its games-weighted level of start less that of x, spread
        // over its games.
        const std::size_t levels = levelRowCount(centring);
        std::vector<double> shift(levels, 0.0);
        std::vector<double> totalGames(levels, 0.0);
        for (Eigen::Index r = 0; r < count; ++r) {
            const std::uint32_t player = active_[static_cast<std::size_t>(r)];
            const std::size_t level = levelRowOf(centring, player);
            shift[level] += static_cast<double>(games[player]) * (start[player] - x[r]);
            totalGames[level] += static_cast<double>(games[player]);
        }
        for (Eigen::Index r = 0; r < count; ++r) {
            const std::uint32_t player = active_[static_cast<std::size_t>(r)];
            const std::size_t level = levelRowOf(centring, player);
            out[player] = x[r] + shift[level] / totalGames[level];
        }
        return solver_->iterations.info() == Eigen::Success ? StatusOk : StatusNotConverged;
    });
}

int recursivePerformanceSparse(const SparseSystem& system, const TournamentTable& table,
                               std::span<double> out, Centring centring,
                               unsigned& iterations) noexcept {
    return system.solve(table, out, table.ratings(), ratingDifference, centring, iterations);
}

int recursiveBucholzSparse(const SparseSystem& system, const TournamentTable& table,
                           std::span<double> out, Centring centring,
                           unsigned& iterations) noexcept {
    if (out.size() != table.playerCount()) return StatusInvalidArgument;
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> start(out.size());
        bucholzStartValues(table, start);
        return system.solve(table, out, start, scoreFraction, centring, iterations);
    });
}

}  // namespace tiebreak
