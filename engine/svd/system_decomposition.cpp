// The direct solution of the tie-break systems: one singular value decomposition of the matrix
// carrying every right-hand side through, then a least-squares back-substitution for each.
#include <new>
#include <utility>
#include <vector>

#include "engine/svd/svd.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

int SystemDecomposition::decompose(const TournamentTable& table,
                                   std::span<const TieBreakSystem> systems,
                                   Centring centring) noexcept {
    decomposed_ = false;
    active_ = {};
    scoreFunctions_ = {};
    solutions_ = {};
    std::uint32_t count = 0;
    for (const auto played : table.gamesPlayed())
        count += played != 0 ? 1 : 0;
    if (count > MaxDecompositionPlayers) return StatusTooLarge;
    for (const TieBreakSystem& system : systems) {
        if (system.start.size() != table.playerCount()) return StatusInvalidArgument;
    }
    bool converged = true;
    const int status = guardMemory(StatusNoMemory, [&] {
        active_ = activePlayers(table);
        const std::size_t levels = levelRowCount(centring);
        // Each right-hand side: the centred score terms of the active players, then the
        // games-weighted level of the start vector over them, or over each group.
        const auto games = table.gamesPlayed();
        std::vector<double> terms(table.playerCount());
        for (const TieBreakSystem& system : systems) {
            if (failed(centredScoreTerms(table, terms, system.f, centring))) throw std::bad_alloc();
            std::vector<double>& b = solutions_.emplace_back(count + levels, 0.0);
            for (std::size_t r = 0; r < count; ++r) {
                b[r] = terms[active_[r]];
                b[count + levelRowOf(centring, active_[r])] +=
                    static_cast<double>(games[active_[r]]) * system.start[active_[r]];
            }
            scoreFunctions_.push_back(system.f);
        }
        centring_ = centring;
        std::vector<std::span<double>> views(solutions_.begin(), solutions_.end());
        Matrix columns = systemMatrixByColumns(table, active_, centring);
        std::vector<double> w(count);
        RightTransformations right;
        converged = svdDecomposeOnto(columns, w, views, right);
        // t = diag(1/w) U^T b, then x = V t. No singular value is floored: a zero one makes the
        // values meaningless, and the logged error between the methods shows it.
        for (std::vector<double>& b : solutions_) {
            b.resize(count);
            for (std::size_t q = 0; q < count; ++q)
                b[q] /= w[q];
        }
        views.assign(solutions_.begin(), solutions_.end());
        applyRightTransformations(columns, std::move(right), views);
        return StatusOk;
    });
    if (failed(status)) {
        active_ = {};
        scoreFunctions_ = {};
        solutions_ = {};
        return status;
    }
    playerCount_ = table.playerCount();
    decomposed_ = true;
    return converged ? StatusOk : StatusNotConverged;
}

int SystemDecomposition::solve(const TournamentTable& table, std::size_t system,
                               std::span<double> out) const noexcept {
    if (!decomposed_ || table.playerCount() != playerCount_ || out.size() != playerCount_ ||
        system >= solutions_.size()) {
        return StatusInvalidArgument;
    }
    // The centred score terms; inactive players keep theirs (not a number).
    if (failed(centredScoreTerms(table, out, scoreFunctions_[system], centring_)))
        return StatusNoMemory;
    const std::vector<double>& x = solutions_[system];
    for (std::size_t r = 0; r < x.size(); ++r)
        out[active_[r]] = x[r];
    return StatusOk;
}

int decomposeBothMethods(SystemDecomposition& decomposition, const TournamentTable& table,
                         Centring centring) noexcept {
    return guardMemory(StatusNoMemory, [&] {
        std::vector<double> bucholzStart(table.playerCount());
        bucholzStartValues(table, bucholzStart);
        const TieBreakSystem systems[] = {{table.ratings(), ratingDifference},
                                          {bucholzStart, scoreFraction}};
        return decomposition.decompose(table, systems, centring);
    });
}

}  // namespace tiebreak
