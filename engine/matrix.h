#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tiebreak {

// A dense row-major matrix of doubles, zero-filled on construction (which may throw
// std::bad_alloc).
class Matrix {
public:
    Matrix(std::size_t rows, std::size_t cols) : rows_(rows), cols_(cols), data_(rows * cols) {}

    [[nodiscard]] std::size_t rows() const noexcept { return rows_; }
    [[nodiscard]] std::size_t cols() const noexcept { return cols_; }
    [[nodiscard]] double& operator()(std::size_t r, std::size_t c) noexcept {
        return data_[r * cols_ + c];
    }
    [[nodiscard]] double operator()(std::size_t r, std::size_t c) const noexcept {
        return data_[r * cols_ + c];
    }
    // The cols() contiguous entries of row r.
    [[nodiscard]] double* row(std::size_t r) noexcept { return data_.data() + r * cols_; }
    [[nodiscard]] const double* row(std::size_t r) const noexcept {
        return data_.data() + r * cols_;
    }

private:
    std::size_t rows_;
    std::size_t cols_;
    std::vector<double> data_;
};

}  // namespace tiebreak
