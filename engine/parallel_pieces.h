#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <system_error>
#include <thread>

namespace tiebreak {

// The threads that share one step of the decomposition: the machine's cores, at most 8.
[[nodiscard]] inline unsigned workerCount() noexcept {
    static const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    return count;
}

// Calls body(begin, end) on contiguous pieces of [first, last), one piece per worker, when
// `work` (the matrix elements the whole range touches) pays for starting threads; otherwise
// body(first, last) here. The pieces must be independent (no piece reads what another writes and
// nothing is summed across them), so results never depend on the number of workers. A thread
// that cannot be started leaves its piece to the calling thread.
template <typename Body>
void forEachPiece(std::size_t first, std::size_t last, std::size_t work, const Body& body) {
    constexpr std::size_t MinParallelWork = std::size_t{1} << 16;
    const std::size_t count = last - first;
    const std::size_t workers =
        work < MinParallelWork ? 1 : std::min<std::size_t>(workerCount(), count);
    if (workers <= 1) {
        body(first, last);
        return;
    }
    const auto pieceStart = [&](std::size_t p) { return first + count * p / workers; };
    std::array<std::thread, 7> helpers;
    for (std::size_t p = 1; p < workers; ++p) {
        try {
            helpers[p - 1] = std::thread(body, pieceStart(p), pieceStart(p + 1));
        } catch (const std::system_error&) {
            body(pieceStart(p), pieceStart(p + 1));
        }
    }
    body(first, pieceStart(1));
    for (std::thread& helper : helpers) {
        if (helper.joinable()) helper.join();
    }
}

}  // namespace tiebreak
