#pragma once
// Random streams that the same seed always repeats, whichever thread draws them. Each stream is
// named by a seed, a purpose and an index (a replicate's number, an input's position), so that a
// replicate's draws depend on nothing but the seed and its own index.
//
// The generator is xoshiro256++ (256 bits of state, period 2^256 - 1, a few cycles a number), its
// state filled by SplitMix64 from a key that mixes seed, purpose and index: starting a stream costs
// about as much as four draws, so a stream per replicate is cheap.

#include <cstdint>
#include <limits>

namespace karnoth {

enum class StreamPurpose : std::uint64_t {
    replicate = 1,  // a replicate's own draws: its Latin hypercube offsets, its years
    inputPermutation = 2,  // an input's Latin hypercube strata
};

// SplitMix64's output function: a bijection of 64-bit words that mixes every bit into every other.
std::uint64_t mix64(std::uint64_t value);

class RandomStream {
public:
    using result_type = std::uint64_t;

    RandomStream(std::uint64_t seed, StreamPurpose purpose, std::uint64_t index);

    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }
    // xoshiro256++'s step: inline, since every draw of a whole dog takes one or more.
    result_type operator()()
    {
        const std::uint64_t result = rotateLeft(state_[0] + state_[3], 23) + state_[0];
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = rotateLeft(state_[3], 45);
        return result;
    }

    // Uniform in [0, 1), a multiple of 2^-53.
    double uniform01() { return static_cast<double>((*this)() >> 11) * 0x1.0p-53; }
    // Uniform among 0..bound-1 without bias (Lemire's multiply-and-reject); bound above 0.
    std::uint64_t below(std::uint64_t bound);

private:
    static constexpr std::uint64_t rotateLeft(std::uint64_t value, int bits)
    {
        return (value << bits) | (value >> (64 - bits));
    }

    std::uint64_t state_[4];
};

}  // namespace karnoth
