#pragma once

// The inner loops of the decomposition. Each keeps the order of its additions whatever the
// processor, so that every build gives the same bits: vector instructions only ever combine
// independent sums, and no multiplication is fused with an addition.
#include <algorithm>
#include <cstddef>

namespace tiebreak {

// Rows whose dot products stridedDotProducts takes at once.
inline constexpr std::size_t DotGroup = 8;

// Whether the kernels take four doubles per instruction (AVX2) instead of two: so when the
// processor, and the system, which must save its registers, run AVX2, unless the baseline build
// was asked for (by the tests, which hold both builds to the same bits).
// (forceBaselineKernels, engine/svd/svd.h).
[[nodiscard]] bool useAvx2() noexcept;

// Sum of a[k] * b[k] for k < n, k ascending.
[[nodiscard]] inline double dotProduct(const double* a, const double* b, std::size_t n) noexcept {
    double sum = 0.0;
    for (std::size_t k = 0; k < n; ++k)
        sum += a[k] * b[k];
    return sum;
}

// out[t] = dotProduct(a, b + t * stride, n) for t < count <= DotGroup, to the bit. The sums are
// interleaved, so that the processor overlaps their additions instead of waiting on each.
void stridedDotProducts(const double* a, const double* b, std::size_t stride, std::size_t count,
                        std::size_t n, double* out) noexcept;

// y[k] += factor * x[k] for k < n.
void addMultiple(double* y, double factor, const double* x, std::size_t n) noexcept;

// Calls body(first, count) for consecutive groups of at most DotGroup rows of [begin, end).
template <typename Body>
void forEachRowGroup(std::size_t begin, std::size_t end, const Body& body) {
    for (std::size_t first = begin; first < end; first += DotGroup)
        body(first, std::min(DotGroup, end - first));
}

}  // namespace tiebreak
