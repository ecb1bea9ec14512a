#include "tools/portable_random.h"

namespace tiebreak {
namespace {

std::uint64_t rotateLeft(std::uint64_t x, int k) noexcept {
    return (x << k) | (x >> (64 - k));
}

std::uint64_t splitMix64(std::uint64_t& state) noexcept {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

PortableRandom::PortableRandom(std::uint64_t seed) noexcept {
    // splitmix64 spreads any seed, 0 included, over the state, which must not be all zeros.
    for (std::uint64_t& word : state_)
        word = splitMix64(seed);
}

std::uint64_t PortableRandom::next() noexcept {
    const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotateLeft(state_[3], 45);
    return result;
}

std::uint32_t PortableRandom::below(std::uint32_t n) noexcept {
    // Values below 2^64 mod n would make the small remainders more likely: draw again.
    const std::uint64_t limit = (0 - static_cast<std::uint64_t>(n)) % n;
    for (;;) {
        const std::uint64_t x = next();
        if (x >= limit) return static_cast<std::uint32_t>(x % n);
    }
}

double PortableRandom::unit() noexcept {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

}  // namespace tiebreak
