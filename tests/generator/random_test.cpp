#include <array>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "clockrandom.h"
#include "seededrandom.h"

namespace dodoru::testing {
namespace {

TEST(SeededRandom, IsSplitMix64) {
    SeededRandom random(0);
    EXPECT_EQ(random.nextBits(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(random.nextBits(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(random.nextBits(), 0x06C45D188009454FULL);
}

TEST(SeededRandom, DrawsAreMultiplesOfTwoToTheMinus24InZeroToOne) {
    SeededRandom random(1);
    for (int i = 0; i < 100000; ++i) {
        const float u = random.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        const float scaled = u * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled));
    }
}

TEST(SeededRandom, SameSeedSameSequenceAndReseedingChangesNothing) {
    SeededRandom first(42), second(42), other(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        if (i % 100 == 0) first.reseedFromClock();
        const float u = first.next();
        EXPECT_EQ(u, second.next());
        differs = differs || u != other.next();
    }
    EXPECT_TRUE(differs);
}

TEST(SeededRandom, NineBucketsAreEvenlyFilled) {
    SeededRandom random(7);
    std::array<int, 9> buckets{};
    for (int i = 0; i < 90000; ++i) ++buckets[static_cast<std::size_t>(scaledDraw(random.next(), 9))];
    for (int count : buckets) EXPECT_NEAR(count, 10000, 500);
}

TEST(ScaledDraw, StaysWithinRangeAtTheTopOfTheInterval) {
    const float top = std::nextafter(1.0f, 0.0f);
    for (int n : {2, 3, 6, 9, 81}) {
        EXPECT_EQ(scaledDraw(top, n), n - 1) << n;
        EXPECT_EQ(scaledDraw(0.0f, n), 0) << n;
    }
    EXPECT_EQ(scaledDraw(0.5f, 9), 4);
    EXPECT_EQ(scaledDraw(0.5f, 81), 40);
}

TEST(ClockRandom, TwoReseedsWithinOneClockTickDiffer) {
    ClockRandom random([] { return std::uint64_t{123456789}; });
    const float a = random.next();
    random.reseedFromClock();
    const float b = random.next();
    random.reseedFromClock();
    const float c = random.next();
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_NE(a, c);
}

TEST(ClockRandom, FollowsTheClock) {
    std::uint64_t now = 1;
    auto clock = [&now] { return now; };
    ClockRandom first(clock);
    ClockRandom twin(clock);
    EXPECT_EQ(first.next(), twin.next());
    now = 2;
    ClockRandom later(clock);
    bool differs = false;
    for (int i = 0; i < 8; ++i) differs = differs || later.next() != first.next();
    EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace dodoru::testing
