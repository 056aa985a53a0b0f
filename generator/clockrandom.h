#pragma once

#include <cstdint>
#include <functional>

#include "seededrandom.h"

namespace dodoru {

// The program's source: reseeded from a high-resolution clock at construction and at every reseed.
// Each reseed also mixes in how many reseeds came before, so two reseeds within one clock tick differ.
class ClockRandom final : public RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;
    // Nanoseconds of std::chrono::high_resolution_clock.
    static std::uint64_t highResolutionTicks();

    explicit ClockRandom(Clock clock = highResolutionTicks);
    float next() override { return generator_.next(); }
    void reseedFromClock() override;

private:
    Clock clock_;
    std::uint64_t reseeds_ = 0;
    SeededRandom generator_{0};
};

}  // namespace dodoru
