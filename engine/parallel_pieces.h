#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>

namespace tiebreak {

// The threads that share one step of the decomposition: the machine's cores, at most 8.
[[nodiscard]] inline unsigned workerCount() noexcept {
    static const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    return count;
}

// A piece of work handed to the pool: task(context, piece).
using PieceTask = void (*)(const void* context, std::size_t piece);

// The threads kept for runPieces, started on first use (fewer than workerCount() - 1 when the
// system refuses some).
[[nodiscard]] std::size_t poolThreads() noexcept;

// Runs task for pieces 0 .. pieces - 1 (at most 1 + poolThreads()), piece 0 on the calling
// thread and each other one on a thread of the pool, and returns once all have ended. The task
// must not throw. false, with nothing run, while another call (another thread's, or one from
// inside a piece) holds the pool.
[[nodiscard]] bool runPieces(std::size_t pieces, PieceTask task, const void* context) noexcept;

// Calls body(begin, end) on contiguous pieces of [first, last), one piece per worker, when
// `work` (the matrix elements the whole range touches) pays for waking the pool's threads;
// otherwise body(first, last) here. The pieces must be independent (no piece reads what another
// writes and nothing is summed across them), so results never depend on the number of workers;
// body must not throw.
template <typename Body>
void forEachPiece(std::size_t first, std::size_t last, std::size_t work, const Body& body) {
    constexpr std::size_t MinParallelWork = std::size_t{1} << 16;
    const std::size_t count = last - first;
    const std::size_t workers =
        work < MinParallelWork ? 1
                               : std::min({std::size_t{workerCount()}, count, 1 + poolThreads()});
    struct Range {
        std::size_t first;
        std::size_t count;
        std::size_t workers;
        const Body* body;
    };
    const Range range{first, count, workers, &body};
    const auto piece = [](const void* context, std::size_t p) {
        const Range& r = *static_cast<const Range*>(context);
        (*r.body)(r.first + r.count * p / r.workers, r.first + r.count * (p + 1) / r.workers);
    };
    if (workers <= 1 || !runPieces(workers, piece, &range)) body(first, last);
}

// Calls body(piece) for piece = 0 .. pieces - 1, sharing them among the workers when `work` pays
// for waking the pool's threads: each worker takes the next piece left, so a worker the system
// holds back takes fewer. For sums gathered piece by piece and added in piece order: the pieces
// do not depend on the number of workers, so neither do the sums' bits. body must not throw.
template <typename Body>
void forEachFixedPiece(std::size_t pieces, std::size_t work, const Body& body) {
    constexpr std::size_t MinParallelWork = std::size_t{1} << 16;
    const std::size_t workers =
        work < MinParallelWork ? 1
                               : std::min({std::size_t{workerCount()}, pieces, 1 + poolThreads()});
    struct Share {
        std::size_t pieces;
        mutable std::atomic<std::size_t> next;  // the next piece no worker has taken
        const Body* body;
    };
    const Share share{pieces, {0}, &body};
    const auto worker = [](const void* context, std::size_t) {
        const Share& s = *static_cast<const Share*>(context);
        for (std::size_t piece = s.next.fetch_add(1, std::memory_order_relaxed); piece < s.pieces;
             piece = s.next.fetch_add(1, std::memory_order_relaxed))
            (*s.body)(piece);
    };
    if (workers <= 1 || !runPieces(workers, worker, &share)) {
        for (std::size_t piece = 0; piece < pieces; ++piece)
            body(piece);
    }
}

}  // namespace tiebreak
