#pragma once

// The direct solution of the tie-break systems: the system's matrix, its singular value
// decomposition with a least-squares back-substitution for fields up to MaxDecompositionPlayers
// active players, and an iterative least-squares solver on the sparse matrix for every size.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/matrix.h"
#include "engine/tie_break.h"

namespace tiebreak {

// Active players above which the dense decomposition is not attempted: it holds the a^2 doubles
// of its matrix (about 290 MB at 6,000) and takes some a^3 operations (most of a minute at 6,000,
// hours at 20,000); the sparse solver serves the larger fields.
inline constexpr std::uint32_t MaxDecompositionPlayers = 6000;

// Result of a decomposition whose diagonal entry took all 30 QR sweeps without converging: the
// decomposition may be inexact, and a solution with it still comes back. Not a failure.
inline constexpr int StatusNotConverged = 2;

// The players with games (gamesPlayed not 0), in table order. May throw std::bad_alloc.
[[nodiscard]] std::vector<std::uint32_t> activePlayers(const TournamentTable& table);

// The level rows of the tie-break systems: one for the whole field, or one for each group when
// the terms are centred by groups; and the level row of player's group.
[[nodiscard]] std::size_t levelRowCount(Centring centring) noexcept;
[[nodiscard]] std::size_t levelRowOf(Centring centring, std::uint32_t player) noexcept;

// The (a + k)-by-a matrix of the tie-break systems over the a players of `active`, held by
// columns: row q of the result is column q. Row r below a: 1 on the diagonal, minus the share
// of player r's games against player q elsewhere; the k level rows (levelRowCount): the games of
// each player of the field or of the row's group, which fix the games-weighted sum of the
// values. May throw std::bad_alloc.
[[nodiscard]] Matrix systemMatrixByColumns(const TournamentTable& table,
                                           std::span<const std::uint32_t> active,
                                           Centring centring = WholeField);

// sqrt(a^2 + b^2) without overflow or destructive underflow of the squares.
[[nodiscard]] double pythag(double a, double b) noexcept;

// Where the QR sweeps stand: the diagonal entries 0 .. remaining - 1 are still to converge, the
// lowest of them taking its sweep number `sweep` (1 to 30) next.
struct SweepPosition {
    std::size_t remaining;
    int sweep;
};

// The right rotations of a run of QR sweeps: each sweep turns matrix columns (j, j + 1) for
// j = first .. first + count - 1, or, with count 0, negates column first.
struct RotationRecord {
    struct Sweep {
        std::uint32_t first;
        std::uint32_t count;
    };
    struct Rotation {
        double c;
        double s;
    };
    std::vector<Sweep> sweeps;
    std::vector<Rotation> rotations;
};

// The bidiagonal form (diagonal w, superdiagonal e) where a chunk of sweeps began, up to the
// entries still to converge.
struct SweepCheckpoint {
    std::vector<double> w;
    std::vector<double> e;
    SweepPosition at;
};

// The right-hand transformations of a decomposition, V = P_0 ... P_{n-2} R_1 ... R_K, kept
// instead of V: the reduction's row reflections P_i (their vectors in the reduced matrix, their
// scales here) and the QR sweeps' rotations R_k. Of the rotations, some n^2, only the last chunk
// of at most about chunkRotations is kept; each earlier chunk is made again, when V is applied,
// from the bidiagonal form saved where it began (2 n doubles a chunk).
struct RightTransformations {
    std::vector<double> reflectionScales;  // the reduction's superdiagonal
    double anorm = 0.0;                    // the sweeps' scale for negligible elements
    // Rotations a chunk holds; 0: the decomposition chooses (about n^1.5).
    std::size_t chunkRotations = 0;
    std::vector<SweepCheckpoint> checkpoints;  // where each chunk but the last began
    RotationRecord last;                       // the last chunk's rotations
};

// Golub-Reinsch singular value decomposition (Golub and Reinsch, "Singular value decomposition
// and least squares solutions", Numer. Math. 14, 1970) of an m-by-n matrix A = U diag(w) V^T
// (m >= n) held by columns (row j of `columns`, m entries, is column j of A), made for
// least-squares solutions: neither U nor V is formed. U's transformations are applied to each
// right-hand side b (m entries) as they are made, so that on return entries 0..n-1 of b hold
// U^T b (the rest is scratch); V's are kept in `columns` (the reduced matrix) and `right`, for
// applyRightTransformations. w receives the n singular values (unsorted, non-negative once
// converged). Returns false when a diagonal entry did not converge in 30 QR sweeps (the
// decomposition is then inexact).
// The steps, reflections, shifts and tests are those of the element-by-element version; the
// reduction gathers its row reflections' sums in another order, so w agrees with that version's
// to round-off. Inner loops run along rows, and rows share the machine's cores in a fixed number
// of pieces (the results never depend on how many cores).
// Cost: about 4 m n^2 - 4 n^3 / 3 operations, plus 4 m n and 6 per rotation for each right-hand
// side; memory beyond the matrix: a few vectors of m doubles, one chunk of rotations and the
// chunks' starting points.
// May throw std::bad_alloc.
[[nodiscard]] bool svdDecomposeOnto(Matrix& columns, std::span<double> w,
                                    std::span<const std::span<double>> rightHandSides,
                                    RightTransformations& right);

// x = V t, in place of each t (n entries), for the decomposition that left `columns` and
// `right`: the rotations from the last, then the reflections from the last. About 6 operations
// per rotation and vector, one more run of the sweeps for the chunks not kept, and 2 n^2 per
// vector for the reflections. right is spent. May throw std::bad_alloc.
void applyRightTransformations(const Matrix& columns, RightTransformations&& right,
                               std::span<const std::span<double>> solutions);

// Makes the decomposition's kernels take two doubles per instruction even where the processor
// has AVX2, or lets them choose again: both builds give the same bits, which the tests hold.
void forceBaselineKernels(bool baseline) noexcept;

// The right-hand side of a tie-break system: the centred terms of f, and the games-weighted
// level of start (playerCount values).
struct TieBreakSystem {
    std::span<const double> start;
    ScoreFunction f;
};

// The singular value decomposition of the matrix of the tie-break systems, applied to their
// right-hand sides. The matrix depends only on the games (each active player's row of
// games-weighted opponents and the row of games), not on the score function or the start
// vector, so one decomposition serves recursive performance and recursive Buchholz alike.
class SystemDecomposition {
public:
    // Builds and decomposes the matrix of table, carrying the right-hand sides of systems
    // through to their solutions, and replaces any earlier decomposition. Only the solutions are
    // kept. The terms are centred, and the level fixed, over the field or within each group, as
    // centring says. StatusOk; StatusNotConverged (decomposed, maybe inexactly); StatusTooLarge
    // with nothing allocated when table has more than MaxDecompositionPlayers active players;
    // StatusNoMemory (nothing kept).
    [[nodiscard]] int decompose(const TournamentTable& table,
                                std::span<const TieBreakSystem> systems,
                                Centring centring = WholeField) noexcept;

    // The least-squares solution of system number `system` of the last decompose into out
    // (playerCount values): x = V diag(1/w) U^T b, the centred score terms for inactive players.
    // Neither U nor V is formed, so no entry of theirs is left out of the sums, as a
    // back-substitution with them formed leaves out entries at or below 1e-16: such an entry
    // would move a sum by less than 1e-16 times the largest right-hand side entry (the level,
    // some games times ratings), below the sum's own round-off. table must be the
    // decomposed one. StatusOk, or StatusInvalidArgument (out untouched) when nothing was
    // decomposed, the sizes differ or there is no such system.
    [[nodiscard]] int solve(const TournamentTable& table, std::size_t system,
                            std::span<double> out) const noexcept;

private:
    bool decomposed_ = false;
    std::uint32_t playerCount_ = 0;
    std::vector<std::uint32_t> active_;           // the active players in table order
    std::vector<ScoreFunction> scoreFunctions_;   // each system's
    std::vector<std::vector<double>> solutions_;  // each system's, for the active players
    Centring centring_ = WholeField;              // the decomposed one's: it must outlive this
};

// Both methods' systems with one decomposition: recursive performance (the ratings,
// ratingDifference) as system 0 and recursive Buchholz (bucholzStartValues, scoreFraction) as
// system 1.
inline constexpr std::size_t PerformanceSystem = 0;
inline constexpr std::size_t BucholzSystem = 1;
[[nodiscard]] int decomposeBothMethods(SystemDecomposition& decomposition,
                                       const TournamentTable& table,
                                       Centring centring = WholeField) noexcept;

// The same systems in their symmetric form, each equation multiplied by the player's games: the
// Laplacian of the games graph (each player's games on the diagonal, minus the games between two
// players off it) times the values equals the games times the centred terms. It is symmetric and
// positive semi-definite, and its null space holds the constants of each group of players who
// met; the level rows fix those. Solved by conjugate gradients preconditioned with the diagonal,
// the rows shared among the cores, until the residual's norm falls to SparseTolerance times the
// right-hand side's (round-off), at a cost proportional to the games per iteration, for fields
// of every size. The games must stand in both players' lines, as every read table has them.
inline constexpr double SparseTolerance = 1e-14;
inline constexpr unsigned SparseIterationLimit = 50000;

// A sparse solver's solution of one system.
struct SparseSolution {
    std::vector<double> values;  // playerCount values; inactive players keep their centred terms
    unsigned iterations = 0;     // of conjugate gradients
    bool converged = false;      // false: stopped at SparseIterationLimit
};

class SparseSystem {
public:
    SparseSystem();
    ~SparseSystem();
    SparseSystem(const SparseSystem&) = delete;
    SparseSystem& operator=(const SparseSystem&) = delete;

    // Builds the Laplacian of table and prepares the solver, replacing anything earlier.
    // StatusOk or StatusNoMemory (nothing kept).
    [[nodiscard]] int build(const TournamentTable& table) noexcept;

    // The solutions of systems (at most MaxSparseSystems, each with its start and score
    // function), their terms centred and their levels fixed as centring says, into solutions,
    // one each: the iterations of all of them share each pass over the Laplacian. StatusOk,
    // StatusNoMemory, or StatusInvalidArgument (nothing solved) when nothing was built, the
    // sizes differ or there are too many systems.
    [[nodiscard]] int solve(const TournamentTable& table, std::span<const TieBreakSystem> systems,
                            Centring centring,
                            std::vector<SparseSolution>& solutions) const noexcept;

private:
    struct Solver;
    std::unique_ptr<Solver> solver_;
    std::uint32_t playerCount_ = 0;
    std::vector<std::uint32_t> active_;  // the active players in table order
};

inline constexpr std::size_t MaxSparseSystems = 2;

// Both methods' systems on the sparse system of table, solved at once: recursive performance as
// solution PerformanceSystem and recursive Buchholz as BucholzSystem, their start vectors and
// score functions those of the decomposition. As SparseSystem::solve.
[[nodiscard]] int solveBothMethodsSparse(const SparseSystem& system, const TournamentTable& table,
                                         Centring centring,
                                         std::vector<SparseSolution>& solutions) noexcept;

}  // namespace tiebreak
