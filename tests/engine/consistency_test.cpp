#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace dodoru::testing {
namespace {

class ConsistencyCheck : public ::testing::Test, public EngineFixture {
protected:
    std::int16_t check() {
        std::int16_t result = 7;
        engine.檢查合理性(result);
        return result;
    }
    void put(int cell, int digit) { state.Grid[static_cast<std::size_t>(cell)] = static_cast<std::int16_t>(digit); }
};

TEST_F(ConsistencyCheck, EmptyAndSingleEntryPass) {
    EXPECT_EQ(check(), -1);
    put(40, 9);
    EXPECT_EQ(check(), -1);
}

TEST_F(ConsistencyCheck, RepeatsInRowColumnAndBoxFail) {
    const std::pair<int, int> pairs[] = {{0, 8}, {0, 72}, {0, 20}, {30, 50}};
    for (auto [a, b] : pairs) {
        state.Grid.fill(0);
        put(a, 4);
        put(b, 4);
        EXPECT_EQ(check(), 0) << a << " and " << b;
    }
}

TEST_F(ConsistencyCheck, SameDigitInUnrelatedCellsPasses) {
    put(0, 4);
    put(40, 4);
    EXPECT_EQ(check(), -1);
}

TEST_F(ConsistencyCheck, ValidSolutionPassesAndAnyChangeFails) {
    for (int c = 0; c < 81; ++c) put(c, kEmptyBoardFirst[static_cast<std::size_t>(c)] - '0');
    EXPECT_EQ(check(), -1);
    for (int c = 0; c < 81; c += 7) {
        const int original = state.Grid[static_cast<std::size_t>(c)];
        for (int d = 1; d <= 9; ++d) {
            if (d == original) continue;
            put(c, d);
            EXPECT_EQ(check(), 0) << "cell " << c << " changed to " << d;
        }
        put(c, original);
    }
}

TEST_F(ConsistencyCheck, OrderOfPlacementDoesNotMatter) {
    put(10, 6);
    put(11, 6);
    const auto first = check();
    state.Grid.fill(0);
    put(11, 6);
    put(10, 6);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(check(), 0);
}

}  // namespace
}  // namespace dodoru::testing
