#pragma once

#include <cstddef>

namespace tiebreak {

// Sum of a[k] * b[k] for k < n, k ascending: the order of the element-by-element
// decomposition, so that both give the same bits.
[[nodiscard]] inline double dotProduct(const double* a, const double* b, std::size_t n) noexcept {
    double sum = 0.0;
    for (std::size_t k = 0; k < n; ++k)
        sum += a[k] * b[k];
    return sum;
}

// y[k] += factor * x[k] for k < n.
inline void addMultiple(double* y, double factor, const double* x, std::size_t n) noexcept {
    for (std::size_t k = 0; k < n; ++k)
        y[k] += factor * x[k];
}

}  // namespace tiebreak
