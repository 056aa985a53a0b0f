#include <algorithm>

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace dodoru::testing {
namespace {

// A puzzle with one solution and that solution.
const std::string kUniquePuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string kUniqueSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Every case runs with every search method.
class SolveRoutine : public ::testing::TestWithParam<SearchMethod>, public EngineFixture {
protected:
    SolveReport solve(std::int16_t generateFlag = 0) {
        state.GenerateFlag = generateFlag;
        engine.setSearchMethod(GetParam());
        return engine.SolveBoard(snapshot);
    }
    bool exact() const { return GetParam() == SearchMethod::Exact; }
};

TEST_P(SolveRoutine, EmptyBoardAddsFourGivensAndReportsSeveralSolutions) {
    const SolveReport report = solve();
    EXPECT_EQ(report.verdict, SolveVerdict::Several);
    ASSERT_EQ(report.searches, 4);
    if (exact()) {
        EXPECT_EQ(report.calls, (std::array<std::uint64_t, 4>{414, 78313, 4891, 1881965}));
    }
    ASSERT_EQ(report.addedCount, 4);
    EXPECT_EQ(report.added, (std::array<int, 4>{65, 58, 24, 3}));
    EXPECT_EQ(board.cell(65).value(), 8);
    EXPECT_EQ(board.cell(58).value(), 4);
    EXPECT_EQ(board.cell(24).value(), 5);
    EXPECT_EQ(board.cell(3).value(), 6);
    EXPECT_EQ(board.givenCount(), 4);
    for (int c : {65, 58, 24, 3}) EXPECT_EQ(state.CellMark[static_cast<std::size_t>(c)], -1);
    EXPECT_EQ(board.digits(), kEmptyBoardShown);
    EXPECT_TRUE(board.message().visible);
    EXPECT_EQ(board.message().text, BoardMessage::SeveralSolutions);
    for (int c = 0; c < 81; ++c)
        EXPECT_EQ(snapshot[static_cast<std::size_t>(c)], kEmptyBoardShown[static_cast<std::size_t>(c)] - '0');
    EXPECT_EQ(state.RandomCell, 80);
    EXPECT_FALSE(report.puzzleError);
}

TEST_P(SolveRoutine, CheckingTheEmptyBoardAddsTheSameGivensButShowsNothing) {
    const SolveReport report = solve(-1);
    EXPECT_EQ(report.added, (std::array<int, 4>{65, 58, 24, 3}));
    EXPECT_EQ(state.SolutionCount, 2);
    EXPECT_EQ(board.givenCount(), 4);
    for (int c = 0; c < 81; ++c)
        if (!board.cell(c).isGiven()) {
            EXPECT_TRUE(board.cell(c).empty()) << c;
        }
    EXPECT_FALSE(board.message().visible);
    EXPECT_EQ(snapshot, BoardSnapshot{});
}

TEST_P(SolveRoutine, UniquePuzzleShowsItsSolutionInTheCellsOwnColour) {
    setGivens(kUniquePuzzle);
    board.cell(2).setValue(9);                 // a stale computed digit, default colour
    board.cell(3).setValue(1);
    board.cell(3).setGiven(false);             // and one in black
    const SolveReport report = solve();
    EXPECT_EQ(report.verdict, SolveVerdict::Unique);
    EXPECT_EQ(report.addedCount, 0);
    EXPECT_EQ(report.searches, 1);
    EXPECT_FALSE(board.message().visible);
    EXPECT_EQ(board.digits(), kUniqueSolution);
    EXPECT_FALSE(board.cell(2).colour().has_value()) << "the display keeps the cell's colour";
    EXPECT_EQ(board.cell(3).colour(), kPlainColour);
    EXPECT_EQ(board.givenMask().find('1'), 0u);
    for (int c = 0; c < 81; ++c)
        EXPECT_EQ(snapshot[static_cast<std::size_t>(c)], kUniqueSolution[static_cast<std::size_t>(c)] - '0');
    std::string grid = gridDigits();
    EXPECT_EQ(grid, kUniqueSolution) << "Grid holds the solution shown";
}

TEST_P(SolveRoutine, CompleteGridOfGivensChangesNothing) {
    setGivens(kUniqueSolution);
    const Board before = board;
    const SolveReport report = solve();
    EXPECT_EQ(report.verdict, SolveVerdict::Unique);
    EXPECT_EQ(board, before);
}

TEST_P(SolveRoutine, RepeatedGivensHaveNoSolution) {
    board.cell(0).makeGiven(5);
    board.cell(4).makeGiven(5);
    board.cell(30).setValue(3);  // a computed digit that must be emptied
    const SolveReport report = solve();
    EXPECT_EQ(report.verdict, SolveVerdict::NoSolution);
    EXPECT_FALSE(report.puzzleError);
    EXPECT_EQ(board.message().text, BoardMessage::NoSolution);
    EXPECT_TRUE(board.message().visible);
    for (int c = 0; c < 81; ++c)
        if (!board.cell(c).isGiven()) {
            EXPECT_TRUE(board.cell(c).empty()) << c;
        }
    EXPECT_EQ(gridDigits(), std::string(81, '0'));
}

TEST_P(SolveRoutine, CellWithoutCandidateIsAPuzzleErrorThenNoSolution) {
    for (int d = 1; d <= 5; ++d) board.cell(d).makeGiven(d);
    for (int d = 6; d <= 9; ++d) board.cell(9 * (d - 4)).makeGiven(d);
    const SolveReport report = solve();
    EXPECT_TRUE(report.puzzleError);
    if (exact()) {
        EXPECT_EQ(report.calls[0], 1u);
    }
    EXPECT_EQ(report.verdict, SolveVerdict::NoSolution);
    EXPECT_EQ(board.message().text, BoardMessage::NoSolution);

    // When checking, the puzzle-error text stays as the table fill left it.
    EngineFixture check;
    for (int d = 1; d <= 5; ++d) check.board.cell(d).makeGiven(d);
    for (int d = 6; d <= 9; ++d) check.board.cell(9 * (d - 4)).makeGiven(d);
    check.state.GenerateFlag = -1;
    check.engine.setSearchMethod(GetParam());
    check.engine.SolveBoard(check.snapshot);
    EXPECT_TRUE(check.board.message().visible);
    EXPECT_EQ(check.board.message().text, BoardMessage::PuzzleError);
}

TEST_P(SolveRoutine, PuzzleWithTwoSolutionsGetsOneDistinguishingGiven) {
    // A full grid with one rectangle of a, b / b, a emptied (two rows, two columns, two boxes) has
    // exactly two completions.
    int corners[4] = {-1, -1, -1, -1};
    const auto digit = [](int c) { return kUniqueSolution[static_cast<std::size_t>(c)]; };
    for (int r1 = 0; r1 < 9 && corners[0] < 0; ++r1)
        for (int r2 = r1 + 1; r2 < 9 && corners[0] < 0; ++r2)
            for (int c1 = 0; c1 < 9 && corners[0] < 0; ++c1)
                for (int c2 = c1 + 1; c2 < 9 && corners[0] < 0; ++c2) {
                    const bool twoBoxes = (r1 / 3 == r2 / 3) != (c1 / 3 == c2 / 3);
                    if (twoBoxes && digit(9 * r1 + c1) == digit(9 * r2 + c2) && digit(9 * r1 + c2) == digit(9 * r2 + c1)) {
                        corners[0] = 9 * r1 + c1;
                        corners[1] = 9 * r1 + c2;
                        corners[2] = 9 * r2 + c1;
                        corners[3] = 9 * r2 + c2;
                    }
                }
    ASSERT_GE(corners[0], 0);
    std::string puzzle = kUniqueSolution;
    for (int c : corners) puzzle[static_cast<std::size_t>(c)] = '0';
    setGivens(puzzle);

    const SolveReport report = solve();
    EXPECT_EQ(report.searches, 2);
    ASSERT_EQ(report.addedCount, 1);
    EXPECT_EQ(report.verdict, SolveVerdict::Unique);
    const int added = report.added[0];
    EXPECT_NE(std::find(std::begin(corners), std::end(corners), added), std::end(corners));
    EXPECT_TRUE(board.cell(added).isGiven());
    EXPECT_NE(board.cell(added).value(), digit(added) - '0') << "the given comes from the second solution";
    EXPECT_EQ(state.CellMark[static_cast<std::size_t>(added)], -1);
    EXPECT_FALSE(board.message().visible);
    // The board shows the swapped completion: the rectangle's digits exchanged, all else unchanged.
    std::string swapped = kUniqueSolution;
    std::swap(swapped[static_cast<std::size_t>(corners[0])], swapped[static_cast<std::size_t>(corners[1])]);
    std::swap(swapped[static_cast<std::size_t>(corners[2])], swapped[static_cast<std::size_t>(corners[3])]);
    EXPECT_EQ(board.digits(), swapped);
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, SolveRoutine,
                         ::testing::Values(SearchMethod::Fast, SearchMethod::Exact, SearchMethod::Completions),
                         [](const auto& row) { return methodName(row.param); });

}  // namespace
}  // namespace dodoru::testing
