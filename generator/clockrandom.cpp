#include "clockrandom.h"

#include <chrono>

namespace dodoru {

std::uint64_t ClockRandom::highResolutionTicks() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

ClockRandom::ClockRandom(Clock clock) : clock_(std::move(clock)) {
    reseedFromClock();
}

void ClockRandom::reseedFromClock() {
    ++reseeds_;
    // Scramble the clock and the reseed count through one SplitMix64 step each, so that nearby
    // clock values start far-apart sequences.
    SeededRandom mixer(clock_() ^ (reseeds_ * 0xD1B54A32D192ED03ULL));
    generator_ = SeededRandom(mixer.nextBits());
}

}  // namespace dodoru
