#include "seededrandom.h"

namespace dodoru {

std::uint64_t SeededRandom::nextBits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float SeededRandom::next() {
    // 24 bits fill a float's significand exactly: the result is k / 2^24, 0 <= k < 2^24.
    return static_cast<float>(nextBits() >> 40) * 0x1.0p-24f;
}

}  // namespace dodoru
