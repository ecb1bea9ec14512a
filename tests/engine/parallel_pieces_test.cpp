// The pool behind the decomposition's parallel steps: every index is handed out exactly once,
// whoever calls, however often, and from inside a piece too.
#include "engine/parallel_pieces.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace tiebreak {
namespace {

constexpr std::size_t Work = std::size_t{1} << 20;  // enough to share the range out

// Counts, for each index of [0, n), how often a piece covered it.
std::vector<int> coverage(std::size_t n) {
    std::vector<std::atomic<int>> hits(n);
    forEachPiece(0, n, Work, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            hits[i].fetch_add(1);
    });
    return std::vector<int>(hits.begin(), hits.end());
}

TEST(ForEachPiece, EveryIndexOnceWhateverTheCaller) {
    for (const std::size_t n : {0u, 1u, 2u, 3u, 17u, 1000u}) {
        for (int round = 0; round < 200; ++round)
            ASSERT_EQ(coverage(n), std::vector<int>(n, 1)) << n << " indexes, call " << round;
    }
    // Two threads at once: one of them finds the pool taken and does its range alone.
    std::vector<int> other;
    std::thread second([&] {
        for (int round = 0; round < 200; ++round)
            other = coverage(100);
    });
    for (int round = 0; round < 200; ++round)
        EXPECT_EQ(coverage(100), std::vector<int>(100, 1));
    second.join();
    EXPECT_EQ(other, std::vector<int>(100, 1));
    // A piece that shares out work itself: each row covers its columns once.
    std::vector<std::vector<int>> rows(64);
    forEachPiece(0, 64, Work, [&](std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row)
            rows[row] = coverage(64);
    });
    EXPECT_EQ(rows, std::vector<std::vector<int>>(64, std::vector<int>(64, 1)));
}

}  // namespace
}  // namespace tiebreak
