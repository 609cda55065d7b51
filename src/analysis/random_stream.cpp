#include "analysis/random_stream.h"

namespace karnoth {
namespace {

constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15u;  // 2^64 / golden ratio, SplitMix64's step

__extension__ typedef unsigned __int128 Wide;  // the 128-bit product of two words

}  // namespace

std::uint64_t mix64(std::uint64_t value)
{
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9u;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebu;
    return value ^ (value >> 31);
}

RandomStream::RandomStream(std::uint64_t seed, StreamPurpose purpose, std::uint64_t index)
{
    // Distinct indices give distinct keys for one seed and purpose (mix64 is a bijection); the
    // purpose and the seed are mixed in first so that no two purposes share a stream.
    std::uint64_t key = mix64(mix64(seed ^ mix64(static_cast<std::uint64_t>(purpose))) + index * kGolden);
    for (std::uint64_t& word : state_) {
        key += kGolden;
        word = mix64(key);
    }
}

std::uint64_t RandomStream::below(std::uint64_t bound)
{
    Wide product = static_cast<Wide>((*this)()) * bound;
    std::uint64_t low = static_cast<std::uint64_t>(product);
    if (low < bound) {
        const std::uint64_t threshold = (0 - bound) % bound;  // 2^64 mod bound
        while (low < threshold) {
            product = static_cast<Wide>((*this)()) * bound;
            low = static_cast<std::uint64_t>(product);
        }
    }
    return static_cast<std::uint64_t>(product >> 64);
}

}  // namespace karnoth
