#pragma once

// The inner loops of the decomposition. Each fixes the order of its additions whatever the
// processor, so that every build gives the same bits: vector instructions only ever combine
// independent sums, and no multiplication is fused with an addition.
#include <algorithm>
#include <cstddef>

namespace tiebreak {

// Rows the reduction's kernels take at once.
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

// y[k] += factor * x[k] for k < n.
void addMultiple(double* y, double factor, const double* x, std::size_t n) noexcept;

// For the count <= DotGroup rows b_t = b + t * stride (n entries each), in one sweep along
// them: when pending is given, b_t[k] += pendingFactors[t] * pending[k]; then
// out[t] = sum over k of a[k] * b_t[k], gathered in four sums by k modulo 4, added as
// (s0 + s1) + (s2 + s3), and the last n modulo 4 products after them in order.
void updateAndDot(const double* a, const double* pending, const double* pendingFactors, double* b,
                  std::size_t stride, std::size_t count, std::size_t n, double* out) noexcept;

// For the count <= DotGroup rows b_t = b + t * stride (n entries each), in one sweep along
// them: b_t[k] += factors[t] * a[k]; then, when sums is given, sums[k] += b_t[0] * b_t[k] for
// k from 1, t ascending.
void updateAndGather(const double* a, const double* factors, double* b, std::size_t stride,
                     std::size_t count, std::size_t n, double* sums) noexcept;

// Calls body(first, count) for consecutive groups of at most DotGroup rows of [begin, end).
template <typename Body>
void forEachRowGroup(std::size_t begin, std::size_t end, const Body& body) {
    for (std::size_t first = begin; first < end; first += DotGroup)
        body(first, std::min(DotGroup, end - first));
}

}  // namespace tiebreak
