// Each kernel is written once and built twice, for the baseline x86-64 processor and for AVX2;
// the AVX2 build runs where the processor has it.
#include "engine/svd/kernels.h"

#include <array>
#include <atomic>

namespace tiebreak {
namespace {

[[gnu::always_inline]] inline void interleavedDots(const double* a, const double* b,
                                                   std::size_t stride, std::size_t n,
                                                   double* out) noexcept {
    std::array<double, DotGroup> sums{};
    for (std::size_t k = 0; k < n; ++k) {
        const double x = a[k];
        for (std::size_t t = 0; t < DotGroup; ++t)
            sums[t] += x * b[t * stride + k];
    }
    std::copy(sums.begin(), sums.end(), out);
}

[[gnu::always_inline]] inline void addMultipleOf(double* y, double factor, const double* x,
                                                 std::size_t n) noexcept {
    for (std::size_t k = 0; k < n; ++k)
        y[k] += factor * x[k];
}

[[gnu::target("avx2")]] void interleavedDotsAvx2(const double* a, const double* b,
                                                 std::size_t stride, std::size_t n,
                                                 double* out) noexcept {
    interleavedDots(a, b, stride, n, out);
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

void stridedDotProducts(const double* a, const double* b, std::size_t stride, std::size_t count,
                        std::size_t n, double* out) noexcept {
    if (count != DotGroup) {
        for (std::size_t t = 0; t < count; ++t)
            out[t] = dotProduct(a, b + t * stride, n);
    } else if (useAvx2()) {
        interleavedDotsAvx2(a, b, stride, n, out);
    } else {
        interleavedDots(a, b, stride, n, out);
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
