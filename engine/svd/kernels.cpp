// Each kernel is written once, on vectors of four doubles, and built twice: for the baseline
// x86-64 processor, which takes each vector in two halves, and for AVX2, which takes it whole.
// Both compute every lane alike, so both give the same bits; the AVX2 build runs where the
// processor has it.
#include "engine/svd/kernels.h"

#include <atomic>
#include <cstring>

// The vectors of four doubles never cross a call (every helper taking one is inlined), so the
// compiler's note on how such a vector would be passed without AVX does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace tiebreak {
namespace {

// Aligned as a double only: mingw's stack for Windows is not kept aligned for 32-byte values,
// and a vector spilled to it must not need more.
using Lanes = double __attribute__((vector_size(32), aligned(8)));
constexpr std::size_t LaneCount = 4;

[[gnu::always_inline]] inline Lanes load(const double* p) noexcept {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

[[gnu::always_inline]] inline void store(double* p, Lanes v) noexcept {
    std::memcpy(p, &v, sizeof v);
}

[[gnu::always_inline]] inline Lanes broadcast(double x) noexcept {
    return Lanes{x, x, x, x};
}

template <std::size_t Count, bool Pending>
[[gnu::always_inline]] inline void updateAndDotOf(const double* a, const double* pending,
                                                  const double* pendingFactors, double* b,
                                                  std::size_t stride, std::size_t n,
                                                  double* out) noexcept {
    Lanes sums[Count] = {};
    Lanes factors[Count] = {};
    if constexpr (Pending) {
        for (std::size_t t = 0; t < Count; ++t)
            factors[t] = broadcast(pendingFactors[t]);
    }
    std::size_t k = 0;
    for (; k + LaneCount <= n; k += LaneCount) {
        const Lanes x = load(a + k);
        Lanes p{};
        if constexpr (Pending) p = load(pending + k);
        for (std::size_t t = 0; t < Count; ++t) {
            double* row = b + t * stride + k;
            Lanes r = load(row);
            if constexpr (Pending) {
                r = r + factors[t] * p;
                store(row, r);
            }
            sums[t] = sums[t] + x * r;
        }
    }
    for (std::size_t t = 0; t < Count; ++t)
        out[t] = (sums[t][0] + sums[t][1]) + (sums[t][2] + sums[t][3]);
    for (; k < n; ++k) {
        for (std::size_t t = 0; t < Count; ++t) {
            double& entry = b[t * stride + k];
            if constexpr (Pending) entry += pendingFactors[t] * pending[k];
            out[t] += a[k] * entry;
        }
    }
}

template <std::size_t Count, bool Gather>
[[gnu::always_inline]] inline void updateAndGatherOf(const double* a, const double* factors,
                                                     double* b, std::size_t stride, std::size_t n,
                                                     double* sums) noexcept {
    Lanes f[Count];
    Lanes weights[Count];
    for (std::size_t t = 0; t < Count; ++t) {
        double& first = b[t * stride];
        first += factors[t] * a[0];
        f[t] = broadcast(factors[t]);
        weights[t] = broadcast(first);
    }
    std::size_t k = 1;
    for (; k + LaneCount <= n; k += LaneCount) {
        const Lanes x = load(a + k);
        Lanes s{};
        if constexpr (Gather) s = load(sums + k);
        for (std::size_t t = 0; t < Count; ++t) {
            double* row = b + t * stride + k;
            const Lanes r = load(row) + f[t] * x;
            store(row, r);
            if constexpr (Gather) s = s + weights[t] * r;
        }
        if constexpr (Gather) store(sums + k, s);
    }
    for (; k < n; ++k) {
        for (std::size_t t = 0; t < Count; ++t) {
            double& entry = b[t * stride + k];
            entry += factors[t] * a[k];
            if constexpr (Gather) sums[k] += b[t * stride] * entry;
        }
    }
}

// The kernels on a whole group or row by row, with or without their optional part, in each
// build.
template <bool Pending>
[[gnu::always_inline]] inline void updateAndDotRows(const double* a, const double* pending,
                                                    const double* pendingFactors, double* b,
                                                    std::size_t stride, std::size_t count,
                                                    std::size_t n, double* out) noexcept {
    if (count == DotGroup) {
        updateAndDotOf<DotGroup, Pending>(a, pending, pendingFactors, b, stride, n, out);
        return;
    }
    for (std::size_t t = 0; t < count; ++t)
        updateAndDotOf<1, Pending>(a, pending, pendingFactors + t, b + t * stride, stride, n,
                                   out + t);
}

[[gnu::always_inline]] inline void updateAndDotAny(const double* a, const double* pending,
                                                   const double* pendingFactors, double* b,
                                                   std::size_t stride, std::size_t count,
                                                   std::size_t n, double* out) noexcept {
    if (pending != nullptr) {
        updateAndDotRows<true>(a, pending, pendingFactors, b, stride, count, n, out);
    } else {
        updateAndDotRows<false>(a, pending, pendingFactors, b, stride, count, n, out);
    }
}

template <bool Gather>
[[gnu::always_inline]] inline void updateAndGatherRows(const double* a, const double* factors,
                                                       double* b, std::size_t stride,
                                                       std::size_t count, std::size_t n,
                                                       double* sums) noexcept {
    if (count == DotGroup) {
        updateAndGatherOf<DotGroup, Gather>(a, factors, b, stride, n, sums);
        return;
    }
    for (std::size_t t = 0; t < count; ++t)
        updateAndGatherOf<1, Gather>(a, factors + t, b + t * stride, stride, n, sums);
}

[[gnu::always_inline]] inline void updateAndGatherAny(const double* a, const double* factors,
                                                      double* b, std::size_t stride,
                                                      std::size_t count, std::size_t n,
                                                      double* sums) noexcept {
    if (sums != nullptr) {
        updateAndGatherRows<true>(a, factors, b, stride, count, n, sums);
    } else {
        updateAndGatherRows<false>(a, factors, b, stride, count, n, sums);
    }
}

[[gnu::target("avx2")]] void updateAndDotAvx2(const double* a, const double* pending,
                                              const double* pendingFactors, double* b,
                                              std::size_t stride, std::size_t count, std::size_t n,
                                              double* out) noexcept {
    updateAndDotAny(a, pending, pendingFactors, b, stride, count, n, out);
}

[[gnu::target("avx2")]] void updateAndGatherAvx2(const double* a, const double* factors, double* b,
                                                 std::size_t stride, std::size_t count,
                                                 std::size_t n, double* sums) noexcept {
    updateAndGatherAny(a, factors, b, stride, count, n, sums);
}

[[gnu::always_inline]] inline void addMultipleOf(double* y, double factor, const double* x,
                                                 std::size_t n) noexcept {
    for (std::size_t k = 0; k < n; ++k)
        y[k] += factor * x[k];
}

[[gnu::target("avx2")]] void addMultipleAvx2(double* y, double factor, const double* x,
                                             std::size_t n) noexcept {
    addMultipleOf(y, factor, x, n);
}

std::atomic<bool> baselineForced{false};

}  // namespace

bool useAvx2() noexcept {
    static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
    return avx2 && !baselineForced.load(std::memory_order_relaxed);
}

void forceBaselineKernels(bool baseline) noexcept {
    baselineForced.store(baseline, std::memory_order_relaxed);
}

void updateAndDot(const double* a, const double* pending, const double* pendingFactors, double* b,
                  std::size_t stride, std::size_t count, std::size_t n, double* out) noexcept {
    if (useAvx2()) {
        updateAndDotAvx2(a, pending, pendingFactors, b, stride, count, n, out);
    } else {
        updateAndDotAny(a, pending, pendingFactors, b, stride, count, n, out);
    }
}

void updateAndGather(const double* a, const double* factors, double* b, std::size_t stride,
                     std::size_t count, std::size_t n, double* sums) noexcept {
    if (useAvx2()) {
        updateAndGatherAvx2(a, factors, b, stride, count, n, sums);
    } else {
        updateAndGatherAny(a, factors, b, stride, count, n, sums);
    }
}

void addMultiple(double* y, double factor, const double* x, std::size_t n) noexcept {
    if (useAvx2()) {
        addMultipleAvx2(y, factor, x, n);
    } else {
        addMultipleOf(y, factor, x, n);
    }
}

}  // namespace tiebreak
