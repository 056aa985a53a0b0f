// Clue removal: tries, removals, the pick bound and the try limit.
#include <vector>

#include <gtest/gtest.h>

#include "generator_fixture.h"

namespace dodoru::testing {
namespace {

bool markedCellsAreGivens(const TestWindow& window) {
    for (int c = 0; c < 81; ++c)
        if (window.state.CellMark[static_cast<std::size_t>(c)] != 0 && !window.board.cell(c).isGiven())
            return false;
    return true;
}

struct TryLimitCase {
    int level;
    int limit;
};

class TryLimit : public ::testing::TestWithParam<TryLimitCase> {};

// With every cell of the first grid marked, no try empties anything, every try has no hard cell and is
// rejected, and the level's try limit starts a new full grid.
TEST_P(TryLimit, EveryGivenMarkedSpendsFiveHundredPicksAndTheLimitStartsANewGrid) {
    const auto [level, limit] = GetParam();
    TestWindow window;
    ScriptedRandom random(2024);
    Generator generator(window.engine, random);
    std::vector<TryReport> removals, judged;
    long drawsAtReady = 0;
    LambdaObserver observer;
    observer.ready = [&](const BoardSnapshot&) {
        window.state.CellMark.fill(-1);
        drawsAtReady = random.draws;
    };
    observer.removed = [&](const TryReport& report) {
        removals.push_back(report);
        EXPECT_EQ(window.board.givenCount(), 81);
    };
    observer.judged = [&](const TryReport& report) { judged.push_back(report); };
    observer.begun = [&](long grids) {
        if (grids != 2) return;
        // The next try after the limit: new grid, fresh reseed, marks erased, TryCount back to 0.
        EXPECT_EQ(generator.tryCount(), 0);
        EXPECT_EQ(random.reseeds, 2);
        EXPECT_EQ(window.state.CellMark, (std::array<std::int16_t, 81>{}));
        EXPECT_EQ(window.pump.polls, limit);  // one event pass after every rejected try
        // Each try draws its removal count and 500 picks; the try that found the limit drew one more.
        EXPECT_EQ(random.draws - drawsAtReady, limit * 501L + 1);
        window.pump.requestUnwind();
    };
    generator.setObserver(&observer);
    const GenerationResult result = generator.generate(level);

    EXPECT_EQ(result.outcome, GenerationOutcome::Interrupted);
    EXPECT_EQ(result.grids, 2);
    EXPECT_EQ(result.tries, limit);
    ASSERT_EQ(removals.size(), static_cast<std::size_t>(limit));
    ASSERT_EQ(judged.size(), static_cast<std::size_t>(limit));
    for (int i = 0; i < limit; ++i) {
        const TryReport& removal = removals[static_cast<std::size_t>(i)];
        EXPECT_EQ(removal.tryCount, i + 1);
        EXPECT_EQ(removal.picks, 500);
        EXPECT_EQ(removal.emptied, 0);
        EXPECT_GE(removal.removalCount, rulesForLevel(level).removalBase);
        EXPECT_LE(removal.removalCount, rulesForLevel(level).removalBase + 5);
        const TryReport& verdict = judged[static_cast<std::size_t>(i)];
        EXPECT_FALSE(verdict.accepted);
        EXPECT_EQ(verdict.solutionCount, 1);
        EXPECT_EQ(verdict.clueCount, 81);
        EXPECT_EQ(verdict.tally, (CandidateTally{0, 81, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
}

INSTANTIATE_TEST_SUITE_P(LevelsTwoToFive, TryLimit,
                         ::testing::Values(TryLimitCase{2, 30}, TryLimitCase{3, 30}, TryLimitCase{4, 35},
                                           TryLimitCase{5, 35}),
                         [](const auto& row) { return "Level" + std::to_string(row.param.level); });

TEST(LevelOneRemoval, PicksOnMarkedCellsEmptyNothingAndThereIsNoTryLimit) {
    TestWindow window;
    ScriptedRandom random(77);
    std::vector<long> drawsAtRemoval;
    int tries = 0;
    LambdaObserver observer;
    observer.ready = [&](const BoardSnapshot&) {
        for (int c = 0; c < 81; c += 2) window.state.CellMark[static_cast<std::size_t>(c)] = -1;
    };
    observer.removed = [&](const TryReport& report) {
        drawsAtRemoval.push_back(random.draws);
        EXPECT_EQ(report.tryCount, 0);  // level 1 never advances TryCount
        EXPECT_EQ(report.emptied, 81 - window.board.givenCount());
        EXPECT_LE(report.emptied, 29);
        for (int c = 0; c < 81; c += 2) EXPECT_TRUE(window.board.cell(c).isGiven()) << c;
    };
    observer.judged = [&](const TryReport& report) {
        if (report.accepted) return;
        if (++tries == 40) window.pump.requestUnwind();
    };
    const GenerationResult result = window.generate(random, 1, nullptr, &observer);
    ASSERT_GE(drawsAtRemoval.size(), 2u);
    for (std::size_t i = 1; i < drawsAtRemoval.size(); ++i)
        EXPECT_EQ(drawsAtRemoval[i] - drawsAtRemoval[i - 1], 9 * 2 + 20);  // box picks, then 20 picks
    EXPECT_EQ(result.grids, 1);
}

TEST(LevelOneRemoval, EveryCellMarkedEmptiesNothingAndKeepsTryingOnTheSameGrid) {
    TestWindow window;
    ScriptedRandom random(3);
    int tries = 0;
    LambdaObserver observer;
    observer.ready = [&](const BoardSnapshot&) { window.state.CellMark.fill(-1); };
    observer.removed = [&](const TryReport& report) { EXPECT_EQ(report.emptied, 0); };
    observer.judged = [&](const TryReport& report) {
        EXPECT_FALSE(report.accepted);  // no empty cell, no hard cell
        if (++tries == 50) window.pump.requestUnwind();
    };
    const GenerationResult result = window.generate(random, 1, nullptr, &observer);
    EXPECT_EQ(result.outcome, GenerationOutcome::Interrupted);
    EXPECT_EQ(result.tries, 50);
    EXPECT_EQ(result.grids, 1);
    EXPECT_EQ(random.reseeds, 1);
}

class Removal : public ::testing::TestWithParam<int> {};

// A removal empties exactly its count of distinct unmarked givens; checks only add givens back.
TEST_P(Removal, EmptiesItsCountOfDistinctUnmarkedGivens) {
    const int level = GetParam();
    TestWindow window;
    ScriptedRandom random(static_cast<std::uint64_t>(500 + level));
    int removals = 0;
    int exhausted = 0;
    LambdaObserver observer;
    observer.removed = [&](const TryReport& report) {
        ++removals;
        // Marks gathered by earlier checks on the grid can leave too few unmarked cells for 500 picks.
        if (report.picks < 500) {
            EXPECT_EQ(report.emptied, report.removalCount);
        } else {
            ++exhausted;
            EXPECT_LE(report.emptied, report.removalCount);
        }
        EXPECT_EQ(81 - window.board.givenCount(), report.emptied);
        EXPECT_TRUE(markedCellsAreGivens(window));
        EXPECT_TRUE(window.onlyGivensAndEmptyCells());
    };
    observer.judged = [&](const TryReport& report) {
        EXPECT_TRUE(markedCellsAreGivens(window));
        if (level < 5) {
            EXPECT_LE(81 - report.clueCount, rulesForLevel(level).removalBase + 5);
        }
    };
    const GenerationResult result = window.generate(random, level, nullptr, &observer);
    EXPECT_EQ(result.outcome, GenerationOutcome::Accepted);
    EXPECT_EQ(removals, result.tries);
    EXPECT_LT(exhausted, removals);
}

INSTANTIATE_TEST_SUITE_P(LevelsTwoToFive, Removal, ::testing::Values(2, 3, 4, 5),
                         [](const auto& row) { return "Level" + std::to_string(row.param); });

}  // namespace
}  // namespace dodoru::testing
