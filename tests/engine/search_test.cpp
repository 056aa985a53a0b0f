#include <random>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "reference_search.h"

namespace dodoru::testing {
namespace {

class Search : public ::testing::Test, public EngineFixture {
protected:
    std::int16_t search() {
        state.SolutionCount = 0;
        state.Grid.fill(0);
        engine.fillTable();
        engine.sortTable();
        std::int16_t step = 0, abort = 5;
        engine.逐一填入(step, abort);
        return abort;
    }
};

TEST_F(Search, EmptyBoardStopsAtTheSecondSolution) {
    EXPECT_EQ(search(), -1);
    EXPECT_EQ(engine.searchCalls(), 414u);
    EXPECT_EQ(state.SolutionCount, 2);
    std::string first;
    for (auto v : state.FirstSolution) first += static_cast<char>('0' + v);
    EXPECT_EQ(first, kEmptyBoardFirst);
    std::string second = kEmptyBoardFirst;
    second.replace(63, 18, "648971532972538641");
    EXPECT_EQ(gridDigits(), second);
    EXPECT_EQ(state.DiffCell, (std::array<std::int16_t, 3>{65, 2, 7}));
    EXPECT_EQ(state.CellMark[65], -1);
    EXPECT_EQ(state.FirstSolution[65], 2);
    EXPECT_EQ(state.Grid[65], 8);
}

TEST_F(Search, StepWithoutCandidatesFailsAtOnce) {
    for (int d = 1; d <= 5; ++d) board.cell(d).makeGiven(d);
    for (int d = 6; d <= 9; ++d) board.cell(9 * (d - 4)).makeGiven(d);
    EXPECT_EQ(search(), 0);
    EXPECT_EQ(engine.searchCalls(), 1u);
    EXPECT_EQ(state.SolutionCount, 0);
}

TEST_F(Search, FullValidBoardHasExactlyOneSolution) {
    setGivens(kEmptyBoardFirst);
    EXPECT_EQ(search(), 0);
    EXPECT_EQ(state.SolutionCount, 1);
    EXPECT_EQ(gridDigits(), std::string(81, '0'));
    EXPECT_EQ(state.FirstSolution, (std::array<std::int16_t, 81>{
        1,2,3,4,5,6,7,8,9, 4,5,6,7,8,9,1,2,3, 7,8,9,1,2,3,4,5,6, 2,1,4,3,6,5,8,9,7, 3,6,5,8,9,7,2,1,4,
        8,9,7,2,1,4,3,6,5, 5,3,1,6,4,2,9,7,8, 6,4,2,9,7,8,5,3,1, 9,7,8,5,3,1,6,4,2}));
}

TEST_F(Search, FullConflictingBoardHasNoSolution) {
    std::string cells = kEmptyBoardFirst;
    cells[0] = '2';  // repeats the 2 of cell 1
    setGivens(cells);
    EXPECT_EQ(search(), 0);
    EXPECT_EQ(state.SolutionCount, 0);
    EXPECT_EQ(gridDigits(), std::string(81, '0'));
}

// Random boards of givens: the incremental search must equal the plain recursive search with the
// whole-grid check in every result and in the number of calls.
TEST(SearchEquivalence, MatchesThePlainSearchOnRandomBoards) {
    std::mt19937 rng(20261207);
    int withTwo = 0, withOne = 0, withNone = 0, compared = 0;
    for (int round = 0; round < 400; ++round) {
        EngineFixture fast;
        // Givens from a shuffled solution, sometimes with a wrong digit to make conflicts.
        const int givens = 24 + static_cast<int>(rng() % 36);
        std::array<int, 9> perm{1, 2, 3, 4, 5, 6, 7, 8, 9};
        std::shuffle(perm.begin(), perm.end(), rng);
        for (int n = 0; n < givens; ++n) {
            const int c = static_cast<int>(rng() % 81);
            int digit = perm[static_cast<std::size_t>(kEmptyBoardFirst[static_cast<std::size_t>(c)] - '1')];
            if (rng() % 40 == 0) digit = 1 + static_cast<int>(rng() % 9);
            fast.board.cell(c).makeGiven(digit);
        }
        fast.engine.fillTable();
        fast.engine.sortTable();
        WindowState plainState = fast.state;
        std::int16_t step = 0, fastAbort = 0, plainAbort = 0;
        fast.engine.逐一填入(step, fastAbort);
        if (fast.engine.searchCalls() > 5000) continue;  // keeps the plain search's cost bounded
        ++compared;
        ReferenceSearch plain{plainState};
        plain.run(0, plainAbort);

        ASSERT_EQ(fast.engine.searchCalls(), plain.calls) << "round " << round;
        ASSERT_EQ(fastAbort, plainAbort);
        ASSERT_EQ(fast.state.SolutionCount, plainState.SolutionCount);
        ASSERT_EQ(fast.state.Grid, plainState.Grid);
        ASSERT_EQ(fast.state.FirstSolution, plainState.FirstSolution);
        ASSERT_EQ(fast.state.DiffCell, plainState.DiffCell);
        ASSERT_EQ(fast.state.CellMark, plainState.CellMark);
        (plainState.SolutionCount == 2 ? withTwo : plainState.SolutionCount == 1 ? withOne : withNone)++;
    }
    EXPECT_GE(compared, 200);
    EXPECT_GT(withTwo, 0);
    EXPECT_GT(withOne, 0);
    EXPECT_GT(withNone, 0);
}

// A pump that asks to unwind after a number of polls, as the window does when it is closed.
class ClosingPump : public EventPump {
public:
    explicit ClosingPump(int pollsBeforeClose) : EventPump(64), left_(pollsBeforeClose) {}
    int polls = 0;

protected:
    PumpResult poll() override {
        ++polls;
        return --left_ > 0 ? PumpResult::Continue : PumpResult::Unwind;
    }

private:
    int left_;
};

class SearchInterruption : public ::testing::TestWithParam<SearchMethod> {};

TEST_P(SearchInterruption, UnwindsPromptlyWhenThePumpAsks) {
    Board board;
    WindowState state;
    ClosingPump pump(8);
    Engine engine(board, state, pump);
    engine.setSearchMethod(GetParam());
    BoardSnapshot snapshot{};
    const SolveReport report = engine.SolveBoard(snapshot);
    EXPECT_EQ(report.verdict, SolveVerdict::Interrupted);
    EXPECT_EQ(pump.polls, 8);
    EXPECT_GE(report.searches, 2) << "the pump is ticked past the first search";
    EXPECT_LE(report.calls[static_cast<std::size_t>(report.searches - 1)], 64u * 8u);
    EXPECT_EQ(report.addedCount, report.searches - 1) << "only the givens of finished searches were added";
    EXPECT_EQ(board.givenCount(), report.addedCount);
    EXPECT_FALSE(board.message().visible);
    EXPECT_EQ(snapshot, BoardSnapshot{}) << "an interrupted solve writes no snapshot";
    // Everything afterwards unwinds at once too.
    const SolveReport again = engine.SolveBoard(snapshot);
    EXPECT_EQ(again.verdict, SolveVerdict::Interrupted);
    EXPECT_EQ(again.calls[0], 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, SearchInterruption,
                         ::testing::Values(SearchMethod::Fast, SearchMethod::Exact, SearchMethod::Completions),
                         [](const auto& row) { return methodName(row.param); });

}  // namespace
}  // namespace dodoru::testing
