#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include <stdexcept>

#include "levelrules.h"

namespace dodoru::testing {
namespace {

// A tally with `hard` hard cells and `singles` singles beside `clues` givens; the rest is filler.
CandidateTally tallyOf(int hard, int singles, int clues = 30) {
    CandidateTally tally{};
    tally[0] = static_cast<std::int16_t>(hard);
    tally[1] = static_cast<std::int16_t>(clues + singles);
    return tally;
}

bool accepts(int level, int hard, int singles, int solutionCount = 1) {
    return acceptsTry(rulesForLevel(level), solutionCount, tallyOf(hard, singles), 30);
}

TEST(LevelRules, OnlyLevelsOneToFiveExist) {
    EXPECT_THROW(rulesForLevel(0), std::out_of_range);
    EXPECT_THROW(rulesForLevel(6), std::out_of_range);
    EXPECT_FALSE(isValidLevel(0));
    EXPECT_TRUE(isValidLevel(5));
}

TEST(LevelRules, LevelOneWantsThreeHardCellsAndNoBoundOnSingles) {
    EXPECT_FALSE(accepts(1, 2, 0));
    EXPECT_TRUE(accepts(1, 3, 0));
    EXPECT_TRUE(accepts(1, 60, 45));
}

TEST(LevelRules, LevelTwoAcceptsTenToThirteenHardCells) {
    EXPECT_FALSE(accepts(2, 9, 0));
    for (int hard = 10; hard <= 13; ++hard) EXPECT_TRUE(accepts(2, hard, 40)) << hard;
    EXPECT_FALSE(accepts(2, 14, 0));
}

TEST(LevelRules, LevelThreeBoundsHardCellsAndSingles) {
    EXPECT_FALSE(accepts(3, 16, 7));
    EXPECT_TRUE(accepts(3, 16, 6));
    EXPECT_TRUE(accepts(3, 15, 0));
    EXPECT_TRUE(accepts(3, 18, 6));
    EXPECT_FALSE(accepts(3, 14, 0));
    EXPECT_FALSE(accepts(3, 19, 0));
}

TEST(LevelRules, LevelsFourAndFiveHaveNoUpperBoundOnHardCells) {
    for (int level : {4, 5}) {
        EXPECT_TRUE(accepts(level, 40, 3)) << level;
        EXPECT_FALSE(accepts(level, 40, 4)) << level;
        EXPECT_TRUE(accepts(level, 16, 0)) << level;
        EXPECT_FALSE(accepts(level, 15, 0)) << level;
    }
}

TEST(LevelRules, OnlyAUniqueSolutionIsAccepted) {
    for (int level = 1; level <= 5; ++level) {
        const int hard = rulesForLevel(level).hardMinimum;
        EXPECT_TRUE(accepts(level, hard, 0, 1)) << level;
        EXPECT_FALSE(accepts(level, hard, 0, 2)) << level;
        EXPECT_FALSE(accepts(level, hard, 0, 0)) << level;
    }
}

// A table with rows of the given candidate counts, the rest count 1.
std::array<CandidateRow, 82> tableWithCounts(std::initializer_list<int> counts) {
    std::array<CandidateRow, 82> table{};
    for (auto& row : table) row[0] = 1;
    std::size_t s = 0;
    for (int n : counts) table[s++][0] = static_cast<std::int16_t>(n);
    table[81][0] = 7;  // the scratch row is not a step
    return table;
}

TEST(CandidateTallyRules, FiveCandidatesAreHardForLevelsFourAndFiveOnly) {
    const auto table = tableWithCounts({2, 3, 4, 5, 9});
    EXPECT_EQ(tallyCandidates(rulesForLevel(1), table)[0], 1);  // the 2
    EXPECT_EQ(tallyCandidates(rulesForLevel(2), table)[0], 1);  // the 3, not the 4
    EXPECT_EQ(tallyCandidates(rulesForLevel(3), table)[0], 1);
    EXPECT_EQ(tallyCandidates(rulesForLevel(4), table)[0], 3);  // 4, 5 and 9
    EXPECT_EQ(tallyCandidates(rulesForLevel(5), table)[0], 3);
}

TEST(CandidateTallyRules, EntriesOneToNineCountRowsAndZeroAddsEmptyRows) {
    const CandidateTally tally = tallyCandidates(rulesForLevel(4), tableWithCounts({0, 0, 2, 4, 4, 6}));
    EXPECT_EQ(tally, (CandidateTally{2 + 3, 75, 1, 0, 2, 0, 1, 0, 0, 0}));
    int rows = 0;
    for (std::size_t n = 1; n < tally.size(); ++n) rows += tally[n];
    EXPECT_EQ(rows + 2, 81);
}

struct MixCase {
    const char* text;
    std::optional<std::vector<int>> mix;
};

TEST(LevelMix, LevelsOneToFiveSeparatedByCommas) {
    const MixCase cases[] = {
        {"3", std::vector<int>{3}},
        {"2,2,3,3,4", std::vector<int>{2, 2, 3, 3, 4}},
        {" 1 ,\t5", std::vector<int>{1, 5}},
        {"", std::nullopt},
        {"0", std::nullopt},
        {"6", std::nullopt},
        {"1,,2", std::nullopt},
        {"1,2,", std::nullopt},
        {",1", std::nullopt},
        {"1;2", std::nullopt},
        {"2x", std::nullopt},
        {"-1", std::nullopt},
    };
    for (const MixCase& c : cases) EXPECT_EQ(parseLevelMix(c.text), c.mix) << '"' << c.text << '"';
}

}  // namespace
}  // namespace dodoru::testing
