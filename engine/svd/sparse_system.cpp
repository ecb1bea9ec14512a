// The tie-break systems solved on their sparse matrix, for fields of any size: conjugate
// gradients on the normal equations (Eigen's LeastSquaresConjugateGradient, with the columns'
// norms as preconditioner), run until the normal equations' residual falls to round-off.
//
// A Swiss field's games graph is close to an expander: a sparse QR factorisation fills in almost
// densely (5 s at 2,000 players against 8 ms for these iterations), while each iteration costs
// one product with the matrix and one with its transpose, O(games), and some 100 of them reach
// round-off at 2,000 as at 20,000 players.
//
// The games-weighted level is taken out first: the constant vector at the start vector's level
// satisfies the last equation and, in a consistent crosstable, every other one with a zero right
// side, so the iterations solve for the differences, whose right side is the centred terms. With
// the level of the order of the ratings times the games in the right side instead, the residual
// test would stop the iterations far from round-off in the values.
//
// Groups that never met make the matrix rank-deficient and the system inconsistent: the
// iterations still end, at a least-squares solution, which is as meaningless as the iteration's
// values there, and the distance between the two shows it.
#include <Eigen/IterativeLinearSolvers>
#include <Eigen/SparseCore>

#include "engine/opponent_lists.h"
#include "engine/svd/svd.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

struct SparseSystem::Solver {
    Eigen::SparseMatrix<double> matrix;
    Eigen::LeastSquaresConjugateGradient<Eigen::SparseMatrix<double>> iterations;
};

SparseSystem::SparseSystem() = default;
SparseSystem::~SparseSystem() = default;

int SparseSystem::build(const TournamentTable& table) noexcept {
    solver_.reset();
    active_.clear();
    const int status = guardMemory(StatusNoMemory, [&] {
        active_ = activePlayers(table);
        const OpponentLists lists(table);
        // The position of each active player among the active ones.
        std::vector<std::int64_t> position(table.playerCount(), -1);
        for (std::size_t r = 0; r < active_.size(); ++r)
            position[active_[r]] = static_cast<std::int64_t>(r);
        const auto count = static_cast<Eigen::Index>(active_.size());
        // The entries of systemMatrixByColumns that are not zero.
        std::vector<Eigen::Triplet<double>> entries;
        entries.reserve(lists.entries() + 2 * active_.size());
        for (Eigen::Index r = 0; r < count; ++r) {
            const std::uint32_t player = active_[static_cast<std::size_t>(r)];
            const auto opponents = lists.opponents(player);
            const auto counts = lists.counts(player);
            const double ownGames = lists.games(player);
            entries.emplace_back(r, r, 1.0);
            for (std::size_t k = 0; k < opponents.size(); ++k) {
                // A game standing in one line only may name an opponent without games of his own.
                const std::int64_t q = position[opponents[k]];
                if (q >= 0 && q != r) entries.emplace_back(r, q, -(counts[k] / ownGames));
            }
            entries.emplace_back(count, r, ownGames);
        }
        auto solver = std::make_unique<Solver>();
        solver->matrix.resize(count + 1, count);
        solver->matrix.setFromTriplets(entries.begin(), entries.end());
        solver->iterations.compute(solver->matrix);
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
                        std::span<const double> start, ScoreFunction f) const noexcept {
    if (!solver_ || table.playerCount() != playerCount_ || out.size() != playerCount_ ||
        start.size() != playerCount_) {
        return StatusInvalidArgument;
    }
    return guardMemory(StatusNoMemory, [&]() -> int {
        // The centred score terms; inactive players keep theirs (not a number).
        static_cast<void>(centredScoreTerms(table, out, f));  // cannot fail
        const auto games = table.gamesPlayed();
        double level = 0.0;
        double totalGames = 0.0;
        for (const std::uint32_t i : active_) {
            level += static_cast<double>(games[i]) * start[i];
            totalGames += static_cast<double>(games[i]);
        }
        const auto count = static_cast<Eigen::Index>(active_.size());
        if (count == 0) return StatusOk;
        Eigen::VectorXd rhs(count + 1);
        for (Eigen::Index r = 0; r < count; ++r)
            rhs[r] = out[active_[static_cast<std::size_t>(r)]];
        rhs[count] = level;
        const Eigen::VectorXd base = Eigen::VectorXd::Constant(count, level / totalGames);
        const Eigen::VectorXd rest = rhs - solver_->matrix * base;
        const Eigen::VectorXd x = base + solver_->iterations.solve(rest);
        for (Eigen::Index r = 0; r < count; ++r)
            out[active_[static_cast<std::size_t>(r)]] = x[r];
        return solver_->iterations.info() == Eigen::Success ? StatusOk : StatusNotConverged;
    });
}

int recursivePerformanceSparse(const SparseSystem& system, const TournamentTable& table,
                               std::span<double> out) noexcept {
    return system.solve(table, out, table.ratings(), ratingDifference);
}

int recursiveBucholzSparse(const SparseSystem& system, const TournamentTable& table,
                           std::span<double> out) noexcept {
    if (out.size() != table.playerCount()) return StatusInvalidArgument;
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> start(out.size());
        bucholzStartValues(table, start);
        return system.solve(table, out, start, scoreFraction);
    });
}

}  // namespace tiebreak
