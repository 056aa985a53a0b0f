#pragma once

#include <cstdint>

#include "random.h"

namespace dodoru {

// A deterministic source (SplitMix64; each draw keeps the top 24 bits): the same seed gives the same
// sequence on every build. Reseeding from the clock is a no-op, so a seeded run is repeatable.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    float next() override;
    void reseedFromClock() override {}
    // The next 64 raw bits; next() uses the top 24 of them.
    std::uint64_t nextBits();

private:
    std::uint64_t state_;
};

}  // namespace dodoru
