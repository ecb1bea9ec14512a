// The pool behind forEachPiece. The reduction hands out two pieces of work for every column, a
// few hundred microseconds each at 2,000 players, and starting a thread for each cost about a
// tenth of that; the pool's threads wait instead, first spinning (the next piece usually comes
// within microseconds), then asleep on a condition variable.
#include "engine/parallel_pieces.h"
#include "tournament/memory_guard.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <vector>

namespace tiebreak {
namespace {

// Polls of a waiting thread before it sleeps: some tens of microseconds.
constexpr int SpinLimit = 1 << 12;

inline void relax() noexcept {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

class WorkerPool {
public:
    WorkerPool() {
        threads_.reserve(workerCount());
        for (unsigned t = 1; t < workerCount(); ++t) {
            try {
                threads_.emplace_back([this, t] { serve(t); });
            } catch (const std::system_error&) {
                break;
            }
        }
    }
    // The threads live as long as the process: the pool is never destroyed, so no thread is
    // left to join while static objects go.
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    [[nodiscard]] std::size_t threads() const noexcept { return threads_.size(); }

    bool run(std::size_t pieces, PieceTask task, const void* context) noexcept {
        std::unique_lock<std::mutex> hold(busy_, std::try_to_lock);
        if (!hold.owns_lock()) return false;
        task_ = task;
        context_ = context;
        pieces_ = pieces;
        pending_.store(threads_.size(), std::memory_order_relaxed);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            generation_.fetch_add(1, std::memory_order_release);
        }
        wake_.notify_all();
        task(context, 0);
        for (int spin = 0; spin < SpinLimit && pending_.load(std::memory_order_acquire) != 0;
             ++spin)
            relax();
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [this] { return pending_.load(std::memory_order_acquire) == 0; });
        return true;
    }

private:
    // Thread t runs piece t of each run that has one, and reports every run as done, so that
    // the next run's fields are written only when no thread still reads them.
    void serve(std::size_t t) {
        std::uint64_t seen = 0;
        for (;;) {
            for (int spin = 0;
                 spin < SpinLimit && generation_.load(std::memory_order_acquire) == seen; ++spin)
                relax();
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock,
                           [&] { return generation_.load(std::memory_order_acquire) != seen; });
            }
            seen = generation_.load(std::memory_order_acquire);
            if (t < pieces_) task_(context_, t);
            if (pending_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
                const std::lock_guard<std::mutex> lock(mutex_);
                done_.notify_one();
            }
        }
    }

    std::mutex busy_;  // held by the run in progress
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::atomic<std::uint64_t> generation_{0};
    std::atomic<std::size_t> pending_{0};
    PieceTask task_ = nullptr;
    const void* context_ = nullptr;
    std::size_t pieces_ = 0;
    std::vector<std::thread> threads_;
};

WorkerPool& pool() {
    static WorkerPool& instance = *new WorkerPool;
    return instance;
}

}  // namespace

std::size_t poolThreads() noexcept {
    return guardMemory(0, [] { return pool().threads(); });
}

bool runPieces(std::size_t pieces, PieceTask task, const void* context) noexcept {
    return pool().run(pieces, task, context);
}

}  // namespace tiebreak
