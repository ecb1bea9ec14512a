// The direct solution of the tie-break systems: one singular value decomposition of the matrix,
// then a least-squares back-substitution per right-hand side.
#include <cmath>

#include "engine/memory_guard.h"
#include "engine/svd/svd.h"

namespace tiebreak {

int SystemDecomposition::decompose(const TournamentTable& table) noexcept {
    decomposed_ = false;
    active_.clear();
    u_ = Matrix(0, 0);
    v_ = Matrix(0, 0);
    w_.clear();
    std::uint32_t count = 0;
    for (const auto played : table.gamesPlayed())
        count += played != 0 ? 1 : 0;
    if (count > MaxDecompositionPlayers) return StatusTooLarge;
    bool converged = true;
    const int status = guardMemory(StatusNoMemory, [&] {
        active_ = activePlayers(table);
        Matrix columns = systemMatrixByColumns(table, active_);
        std::vector<double> w(count);
        Matrix v(count, count);
        converged = svdDecompose(columns, w, v);
        u_ = std::move(columns);
        v_ = std::move(v);
        w_ = std::move(w);
        return StatusOk;
    });
    if (failed(status)) {
        active_ = {};
        return status;
    }
    playerCount_ = table.playerCount();
    decomposed_ = true;
    return converged ? StatusOk : StatusNotConverged;
}

int SystemDecomposition::solve(const TournamentTable& table, std::span<double> out,
                               std::span<const double> start, ScoreFunction f,
                               double cutoff) const noexcept {
    if (!decomposed_ || table.playerCount() != playerCount_ || out.size() != playerCount_ ||
        start.size() != playerCount_) {
        return StatusInvalidArgument;
    }
    return guardMemory(StatusNoMemory, [&] {
        // 1. The centred score terms; inactive players keep theirs (not a number).
        static_cast<void>(centredScoreTerms(table, out, f));  // cannot fail
        // 2. The games-weighted level of the start vector, over the active players.
        const auto games = table.gamesPlayed();
        double level = 0.0;
        for (const std::uint32_t i : active_)
            level += static_cast<double>(games[i]) * start[i];
        const std::size_t count = active_.size();
        if (count == 0) return StatusOk;
        std::vector<double> rhs(count);
        for (std::size_t r = 0; r < count; ++r)
            rhs[r] = out[active_[r]];
        // 3. t = diag(1/w) U^T rhs, leaving out the tiny entries of U except in the last row
        // (whose right-hand side is the level). No singular value is floored: a zero one makes
        // the values meaningless, and the logged error between the methods shows it.
        std::vector<double> t(count);
        for (std::size_t q = 0; q < count; ++q) {
            const double* column = u_.row(q);
            double sum = 0.0;
            for (std::size_t r = 0; r < count; ++r) {
                if (std::fabs(column[r]) > cutoff) sum += column[r] * rhs[r];
            }
            sum += level * column[count];
            t[q] = sum / w_[q];
        }
        // 4. x = V t, again without the tiny entries, each sum over q in ascending order.
        std::vector<double> x(count, 0.0);
        for (std::size_t q = 0; q < count; ++q) {
            const double* column = v_.row(q);
            for (std::size_t r = 0; r < count; ++r) {
                if (std::fabs(column[r]) > cutoff) x[r] += column[r] * t[q];
            }
        }
        for (std::size_t r = 0; r < count; ++r)
            out[active_[r]] = x[r];
        return StatusOk;
    });
}

int recursivePerformanceSvd(const SystemDecomposition& decomposition, const TournamentTable& table,
                            std::span<double> out, ScoreFunction f, double cutoff) noexcept {
    return decomposition.solve(table, out, table.ratings(), f, cutoff);
}

int recursiveBucholzSvd(const SystemDecomposition& decomposition, const TournamentTable& table,
                        std::span<double> out, double cutoff) noexcept {
    if (out.size() != table.playerCount()) return StatusInvalidArgument;
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> start(out.size());
        bucholzStartValues(table, start);
        return decomposition.solve(table, out, start, scoreFraction, cutoff);
    });
}

int solveBySvd(const TournamentTable& table, std::span<double> out, std::span<const double> start,
               ScoreFunction f, double cutoff) noexcept {
    SystemDecomposition decomposition;
    const int status = decomposition.decompose(table);
    if (failed(status)) return status;
    const int solved = decomposition.solve(table, out, start, f, cutoff);
    return failed(solved) ? solved : status;
}

int recursivePerformanceSvd(const TournamentTable& table, std::span<double> out, ScoreFunction f,
                            double cutoff) noexcept {
    return solveBySvd(table, out, table.ratings(), f, cutoff);
}

int recursiveBucholzSvd(const TournamentTable& table, std::span<double> out,
                        double cutoff) noexcept {
    SystemDecomposition decomposition;
    const int status = decomposition.decompose(table);
    if (failed(status)) return status;
    const int solved = recursiveBucholzSvd(decomposition, table, out, cutoff);
    return failed(solved) ? solved : status;
}

}  // namespace tiebreak
