// The solve routine's fast path, and its completion search alone, against 逐一填入 node by node: on
// every board, every result the solve routine leaves must be the same (only the work counted differs).
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace dodoru::testing {
namespace {

// Answers Unwind at its first poll: a budget of ticks for the node-by-node search.
class BudgetPump final : public EventPump {
public:
    explicit BudgetPump(std::uint32_t ticks) : EventPump(ticks) {}

protected:
    PumpResult poll() override { return PumpResult::Unwind; }
};

struct Outcome {
    Board board;
    WindowState state;
    SolveReport report;
    BoardSnapshot snapshot{};
};

// One solve of `board` from the window state `before`; nothing when the budget ran out first.
std::optional<Outcome> solve(const Board& board, const WindowState& before, SearchMethod method,
                             std::uint32_t budget) {
    Outcome out{board, before, {}, {}};
    BudgetPump pump(budget);
    Engine engine(out.board, out.state, pump);
    engine.setSearchMethod(method);
    out.report = engine.SolveBoard(out.snapshot);
    if (out.report.verdict == SolveVerdict::Interrupted) return std::nullopt;
    return out;
}

// Every result but the work counts.
void expectSame(const Outcome& fast, const Outcome& exact, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(fast.board.digits(), exact.board.digits());
    EXPECT_EQ(fast.board.givenMask(), exact.board.givenMask());
    EXPECT_EQ(fast.board, exact.board) << "cell colours or the message label";
    EXPECT_EQ(fast.snapshot, exact.snapshot);
    EXPECT_EQ(fast.report.verdict, exact.report.verdict);
    EXPECT_EQ(fast.report.puzzleError, exact.report.puzzleError);
    EXPECT_EQ(fast.report.searches, exact.report.searches);
    EXPECT_EQ(fast.report.addedCount, exact.report.addedCount);
    EXPECT_EQ(fast.report.added, exact.report.added);
    const WindowState &f = fast.state, &e = exact.state;
    EXPECT_EQ(f.SolutionCount, e.SolutionCount);
    EXPECT_EQ(f.RandomCell, e.RandomCell);
    EXPECT_EQ(f.Candidates, e.Candidates);
    EXPECT_EQ(f.Grid, e.Grid);
    EXPECT_EQ(f.FirstSolution, e.FirstSolution);
    EXPECT_EQ(f.DiffCell, e.DiffCell);
    EXPECT_EQ(f.CellMark, e.CellMark);
    EXPECT_EQ(f.DigitMap, e.DigitMap);
    EXPECT_EQ(f.GenerateFlag, e.GenerateFlag);
}

// A random valid full grid: the empty board's first solution under digit, row, column, band and
// stack permutations and a transposition.
std::string randomFullGrid(std::mt19937& rng) {
    auto shuffled = [&rng](int n) {
        std::vector<int> v(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = i;
        std::shuffle(v.begin(), v.end(), rng);
        return v;
    };
    const auto digits = shuffled(9), bands = shuffled(3), stacks = shuffled(3);
    std::array<int, 9> rows{}, columns{};
    for (int b = 0; b < 3; ++b) {
        const auto inBand = shuffled(3), inStack = shuffled(3);
        for (int i = 0; i < 3; ++i) {
            rows[static_cast<std::size_t>(3 * b + i)] =
                3 * bands[static_cast<std::size_t>(b)] + inBand[static_cast<std::size_t>(i)];
            columns[static_cast<std::size_t>(3 * b + i)] =
                3 * stacks[static_cast<std::size_t>(b)] + inStack[static_cast<std::size_t>(i)];
        }
    }
    const bool transpose = rng() % 2 == 0;
    std::string grid(81, '0');
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const int from =
                transpose ? 9 * columns[static_cast<std::size_t>(c)] + rows[static_cast<std::size_t>(r)]
                          : 9 * rows[static_cast<std::size_t>(r)] + columns[static_cast<std::size_t>(c)];
            const int digit = kEmptyBoardFirst[static_cast<std::size_t>(from)] - '1';
            grid[static_cast<std::size_t>(9 * r + c)] =
                static_cast<char>('1' + digits[static_cast<std::size_t>(digit)]);
        }
    return grid;
}

enum class Kind { Sparse, Dense, Conflicting, CellWithoutCandidate, FewGaps };

// Givens of one kind; '0' for an empty cell.
std::string randomGivens(Kind kind, std::mt19937& rng) {
    const std::string grid = randomFullGrid(rng);
    std::string givens(81, '0');
    auto keep = [&](int count) {
        std::vector<int> cells(81);
        for (int c = 0; c < 81; ++c) cells[static_cast<std::size_t>(c)] = c;
        std::shuffle(cells.begin(), cells.end(), rng);
        for (int i = 0; i < count; ++i) {
            const auto c = static_cast<std::size_t>(cells[static_cast<std::size_t>(i)]);
            givens[c] = grid[c];
        }
    };
    auto anyCell = [&rng] { return static_cast<std::size_t>(rng() % 81); };
    switch (kind) {
    case Kind::Sparse:
        keep(static_cast<int>(rng() % 21));
        break;
    case Kind::Dense:
        keep(21 + static_cast<int>(rng() % 40));
        break;
    case Kind::FewGaps:
        keep(81 - 4 - static_cast<int>(rng() % 12));
        break;
    case Kind::Conflicting:
        keep(static_cast<int>(rng() % 40));
        for (int n = 1 + static_cast<int>(rng() % 2); n > 0; --n)
            givens[anyCell()] = static_cast<char>('1' + rng() % 9);
        break;
    case Kind::CellWithoutCandidate: {
        // All peers of an empty cell given, then one in its row changed to the cell's own digit: the
        // digit it replaces is still in the cell's column, so no digit fits the cell.
        keep(static_cast<int>(rng() % 30));
        const int cell = static_cast<int>(anyCell());
        for (int p = 0; p < 81; ++p)
            if (rowOf(p) == rowOf(cell) || columnOf(p) == columnOf(cell) || boxOf(p) == boxOf(cell))
                givens[static_cast<std::size_t>(p)] = grid[static_cast<std::size_t>(p)];
        const int changed = 9 * rowOf(cell) + (columnOf(cell) + 1 + static_cast<int>(rng() % 8)) % 9;
        givens[static_cast<std::size_t>(changed)] = grid[static_cast<std::size_t>(cell)];
        givens[static_cast<std::size_t>(cell)] = '0';
        break;
    }
    }
    return givens;
}

// What earlier commands may have left: stale solver digits, marks and solutions, a shown message.
WindowState staleState(Board& board, std::mt19937& rng) {
    WindowState state;
    auto digit = [&rng] { return static_cast<std::int16_t>(rng() % 10); };
    for (int c = 0; c < 81; ++c) {
        const auto i = static_cast<std::size_t>(c);
        state.FirstSolution[i] = digit();
        state.Grid[i] = digit();
        if (rng() % 10 == 0) state.CellMark[i] = -1;
        if (!board.cell(c).isGiven() && rng() % 4 == 0) board.cell(c).setValue(digit());
    }
    state.DiffCell = {static_cast<std::int16_t>(rng() % 81), digit(), digit()};
    state.SolutionCount = static_cast<std::int16_t>(rng() % 3);
    state.GenerateFlag = rng() % 2 == 0 ? 0 : -1;
    if (rng() % 2 == 0) board.message().show(BoardMessage::SeveralSolutions);
    return state;
}

TEST(FastPath, GivesTheResultsOfTheNodeByNodeSearch) {
    constexpr std::uint32_t kBudget = 40000; // ticks the node-by-node search may take on a board
    std::mt19937 rng(20261207);
    std::map<std::string, int> seen;
    int compared = 0, boards = 0;
    for (Kind kind :
         {Kind::Sparse, Kind::Dense, Kind::Conflicting, Kind::CellWithoutCandidate, Kind::FewGaps}) {
        for (int round = 0; round < 400; ++round, ++boards) {
            const std::string givens = randomGivens(kind, rng);
            EngineFixture fixture;
            fixture.setGivens(givens);
            const WindowState before = staleState(fixture.board, rng);
            const auto exact = solve(fixture.board, before, SearchMethod::Exact, kBudget);
            if (!exact) continue;
            ++compared;
            for (SearchMethod method : {SearchMethod::Fast, SearchMethod::Completions}) {
                const auto fast = solve(fixture.board, before, method, UINT32_MAX);
                ASSERT_TRUE(fast.has_value());
                std::ostringstream what;
                what << methodName(method) << ", kind " << static_cast<int>(kind) << " round " << round
                     << " givens " << givens << " GenerateFlag " << before.GenerateFlag;
                expectSame(*fast, *exact, what.str());
                if (::testing::Test::HasFailure()) return;
            }

            const SolveReport& r = exact->report;
            if (r.puzzleError) ++seen["puzzle error"];
            if (r.verdict == SolveVerdict::NoSolution && !r.puzzleError) ++seen["no solution"];
            if (r.verdict == SolveVerdict::Unique)
                ++seen[r.addedCount == 0 ? "unique" : "unique after added givens"];
            if (r.verdict == SolveVerdict::Several) ++seen["several after four searches"];
        }
    }
    EXPECT_GE(compared, boards / 2);
    for (const char* kindOfResult : {"puzzle error", "no solution", "unique", "unique after added givens",
                                     "several after four searches"})
        EXPECT_GE(seen[kindOfResult], 20) << kindOfResult;
}

// One search on sparse boards, where the four searches of a solve are mostly too long for the
// node-by-node side but its first search is short: the two solutions, where they differ, and the
// work grid left behind.
TEST(FastPath, FindsTheSameTwoSolutionsOnSparseBoards) {
    constexpr std::uint32_t kBudget = 40000;
    std::mt19937 rng(7);
    int compared = 0, withTwo = 0;
    for (int round = 0; round < 1000; ++round) {
        EngineFixture fixture;
        fixture.setGivens(randomGivens(round % 3 == 0 ? Kind::Conflicting : Kind::Sparse, rng));
        Board stale = fixture.board; // the table is filled from the givens alone here
        const WindowState before = staleState(stale, rng);
        std::array<WindowState, 2> after{before, before};
        bool finished = true;
        for (SearchMethod method : {SearchMethod::Exact, SearchMethod::Completions}) {
            WindowState& state = after[method == SearchMethod::Exact ? 0 : 1];
            Board board = fixture.board;
            BudgetPump pump(method == SearchMethod::Exact ? kBudget : UINT32_MAX);
            Engine engine(board, state, pump);
            engine.setSearchMethod(method);
            state.SolutionCount = 0;
            state.Grid.fill(0);
            engine.fillTable();
            engine.sortTable();
            std::int16_t abort = 0;
            engine.searchFromFirstStep(abort);
            if (pump.unwinding()) finished = false;
        }
        if (!finished) continue;
        ++compared;
        const WindowState &e = after[0], &f = after[1];
        SCOPED_TRACE("round " + std::to_string(round) + " givens " + fixture.board.digits());
        ASSERT_EQ(f.SolutionCount, e.SolutionCount);
        ASSERT_EQ(f.FirstSolution, e.FirstSolution);
        ASSERT_EQ(f.Grid, e.Grid);
        ASSERT_EQ(f.DiffCell, e.DiffCell);
        ASSERT_EQ(f.CellMark, e.CellMark);
        if (e.SolutionCount == 2) ++withTwo;
    }
    EXPECT_GE(compared, 600);
    EXPECT_GE(withTwo, 400);
}

} // namespace
} // namespace dodoru::testing
