#include "engine/opponent_lists.h"

#include <exception>
#include <new>

#include "engine/parallel_pieces.h"

namespace tiebreak {

namespace {

// Entries of a row tested for zero at once.
constexpr std::uint32_t ScanBlock = 16;

// One piece of the rows' lists, gathered by one worker.
struct Piece {
    std::vector<std::size_t> ends;  // where each row's entries end, counted within the piece
    std::vector<std::uint32_t> opponents;
    std::vector<std::uint32_t> counts;
    std::exception_ptr failure;  // a std::bad_alloc, rethrown by the calling thread
};

// Appends the non-zero entries of row (n of them) to piece. Nearly every entry is zero, so they
// are tested a block at a time.
void gatherRow(const std::uint32_t* row, std::uint32_t n, Piece& piece) {
    std::uint32_t j = 0;
    const auto gather = [&](std::uint32_t end) {
        for (; j < end; ++j) {
            if (row[j] == 0) continue;
            piece.opponents.push_back(j);
            piece.counts.push_back(row[j]);
        }
    };
    while (n - j >= ScanBlock) {
        std::uint32_t any = 0;
        for (std::uint32_t t = 0; t < ScanBlock; ++t)
            any |= row[j + t];
        if (any == 0) {
            j += ScanBlock;
        } else {
            gather(j + ScanBlock);
        }
    }
    gather(n);
    piece.ends.push_back(piece.opponents.size());
}

}  // namespace

OpponentLists::OpponentLists(const TournamentTable& table) {
    const std::uint32_t n = table.playerCount();
    // The matrix is read once in pieces of rows, one per core; the pieces are joined in order.
    const std::size_t pieceCount = workerCount();
    std::vector<Piece> pieces(pieceCount);
    const auto firstRow = [&](std::size_t p) {
        return static_cast<std::uint32_t>(std::size_t{n} * p / pieceCount);
    };
    forEachPiece(0, pieceCount, std::size_t{n} * n / ScanBlock,
                 [&](std::size_t begin, std::size_t end) {
                     for (std::size_t p = begin; p < end; ++p) {
                         try {
                             for (std::uint32_t i = firstRow(p); i < firstRow(p + 1); ++i)
                                 gatherRow(table.gamesAgainstRow(i).data(), n, pieces[p]);
                         } catch (const std::bad_alloc&) {
                             pieces[p].failure = std::current_exception();
                         }
                     }
                 });
    std::size_t entries = 0;
    for (const Piece& piece : pieces) {
        if (piece.failure) std::rethrow_exception(piece.failure);
        entries += piece.opponents.size();
    }
    start_.reserve(std::size_t{n} + 1);
    opponents_.reserve(entries);
    counts_.reserve(entries);
    games_.reserve(n);
    start_.push_back(0);
    for (const Piece& piece : pieces) {
        const std::size_t offset = opponents_.size();
        for (const std::size_t end : piece.ends)
            start_.push_back(offset + end);
        opponents_.insert(opponents_.end(), piece.opponents.begin(), piece.opponents.end());
        counts_.insert(counts_.end(), piece.counts.begin(), piece.counts.end());
    }
    for (std::uint32_t i = 0; i < n; ++i)
        games_.push_back(static_cast<double>(table.gamesPlayed()[i]));
}

double OpponentLists::average(std::uint32_t i, std::span<const double> values) const noexcept {
    double sum = 0.0;
    for (std::size_t k = start_[i]; k < start_[i + 1]; ++k) {
        sum += counts_[k] * values[opponents_[k]];
    }
    return sum / games_[i];
}

std::span<const std::uint32_t> OpponentLists::opponents(std::uint32_t i) const noexcept {
    return std::span<const std::uint32_t>(opponents_).subspan(start_[i], start_[i + 1] - start_[i]);
}

std::span<const double> OpponentLists::counts(std::uint32_t i) const noexcept {
    return std::span<const double>(counts_).subspan(start_[i], start_[i + 1] - start_[i]);
}

void applyRecursiveMap(const OpponentLists& lists, std::span<double> out, std::span<const double> x,
                       std::span<const double> terms) noexcept {
    // Each player's value is a sum of its own, so the players are shared among the cores.
    forEachPiece(0, out.size(), lists.entries(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            out[i] = lists.average(static_cast<std::uint32_t>(i), x) + terms[i];
    });
}

}  // namespace tiebreak
