#pragma once

#include <cstdint>

namespace tiebreak {

// xoshiro256** (Blackman and Vigna, 2018) seeded through splitmix64. Only integer arithmetic and
// one exact scaling, so a seed gives the same numbers with every compiler and standard library;
// the <random> distributions do not promise that.
class PortableRandom {
public:
    explicit PortableRandom(std::uint64_t seed) noexcept;

    // The next 64 random bits.
    [[nodiscard]] std::uint64_t next() noexcept;

    // Uniform in [0, n) for n > 0, without the bias of a plain remainder.
    [[nodiscard]] std::uint32_t below(std::uint32_t n) noexcept;

    // Uniform in [0, 1), 53 random bits.
    [[nodiscard]] double unit() noexcept;

private:
    std::uint64_t state_[4];
};

}  // namespace tiebreak
