#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace dodoru::testing {
namespace {

class SearchTable : public ::testing::Test, public EngineFixture {
protected:
    int stepCell(int step) const { return state.Candidates[static_cast<std::size_t>(step)][10]; }
    int stepCount(int step) const { return state.Candidates[static_cast<std::size_t>(step)][0]; }
};

TEST_F(SearchTable, EmptyBoardHasNineCandidatesInCellOrder) {
    EXPECT_FALSE(engine.fillTable());
    engine.sortTable();
    for (int s = 0; s < 81; ++s) {
        EXPECT_EQ(stepCell(s), s);
        ASSERT_EQ(stepCount(s), 9);
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(state.Candidates[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)], k);
    }
    EXPECT_EQ(state.RandomCell, 80);
}

TEST_F(SearchTable, FullBoardGivesOneCandidatePerCell) {
    setGivens(kEmptyBoardFirst);
    EXPECT_FALSE(engine.fillTable());
    engine.sortTable();
    for (int s = 0; s < 81; ++s) {
        EXPECT_EQ(stepCell(s), s) << "no exchange happens with equal counts";
        EXPECT_EQ(stepCount(s), 1);
        EXPECT_EQ(state.Candidates[static_cast<std::size_t>(s)][1], kEmptyBoardFirst[static_cast<std::size_t>(s)] - '0');
    }
}

TEST_F(SearchTable, RowColumnAndBoxGivensRemoveCandidates) {
    board.cell(5).makeGiven(5);    // row 0
    board.cell(72).makeGiven(3);   // column 0
    board.cell(20).makeGiven(7);   // box 0
    board.cell(40).makeGiven(1);   // unrelated to cell 0
    EXPECT_FALSE(engine.fillTable());
    const auto& row = state.Candidates[0];
    EXPECT_EQ(row[0], 6);
    const std::int16_t expected[] = {1, 2, 4, 6, 8, 9};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(row[static_cast<std::size_t>(k + 1)], expected[k]);
    EXPECT_EQ(row[7], 0);
}

TEST_F(SearchTable, CellWithoutCandidateIsReportedAndSortedFirst) {
    // Cell 0: its row holds 1-5, its column 6-9.
    for (int d = 1; d <= 5; ++d) board.cell(d).makeGiven(d);
    for (int d = 6; d <= 9; ++d) board.cell(9 * (d - 4)).makeGiven(d);
    EXPECT_TRUE(engine.fillTable());
    engine.sortTable();
    EXPECT_EQ(stepCell(0), 0);
    EXPECT_EQ(stepCount(0), 0);
}

TEST_F(SearchTable, RepeatedGivensStillGetTheirOwnCandidate) {
    board.cell(0).makeGiven(5);
    board.cell(1).makeGiven(5);
    EXPECT_FALSE(engine.fillTable());
    EXPECT_EQ(stepCount(0), 1);
    EXPECT_EQ(stepCount(1), 1);
}

TEST_F(SearchTable, ExchangeSortIsNotStable) {
    // Counts 3, 2, 2, 1 in rows 0..3 and 9 elsewhere: the exchanges leave cells 3, 2, 1, 0.
    for (int s = 0; s < 81; ++s) {
        state.Candidates[static_cast<std::size_t>(s)][0] = 9;
        state.Candidates[static_cast<std::size_t>(s)][10] = static_cast<std::int16_t>(s);
    }
    const std::int16_t counts[] = {3, 2, 2, 1};
    for (int s = 0; s < 4; ++s) state.Candidates[static_cast<std::size_t>(s)][0] = counts[s];
    engine.sortTable();
    const int expected[] = {3, 2, 1, 0};
    for (int s = 0; s < 4; ++s) EXPECT_EQ(stepCell(s), expected[s]) << "step " << s;
    for (int s = 4; s < 81; ++s) EXPECT_EQ(stepCell(s), s);
}

TEST_F(SearchTable, SortMatchesRowExchangesThroughTheScratchRow) {
    // The sort on row numbers must leave exactly the table that exchanging whole rows leaves.
    std::uint32_t seed = 12345;
    for (int round = 0; round < 50; ++round) {
        for (int s = 0; s < 81; ++s) {
            auto& row = state.Candidates[static_cast<std::size_t>(s)];
            seed = seed * 1103515245u + 12345u;
            row.fill(0);
            row[0] = static_cast<std::int16_t>((seed >> 16) % 10);
            for (int k = 1; k <= row[0]; ++k) row[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k);
            row[10] = static_cast<std::int16_t>(s);
        }
        auto literal = state.Candidates;
        for (std::size_t i = 0; i < 80; ++i)
            for (std::size_t j = i + 1; j < 81; ++j)
                if (literal[i][0] > literal[j][0]) {
                    literal[81] = literal[i];
                    literal[i] = literal[j];
                    literal[j] = literal[81];
                }
        engine.sortTable();
        ASSERT_EQ(state.Candidates, literal) << "round " << round;
    }
}

}  // namespace
}  // namespace dodoru::testing
