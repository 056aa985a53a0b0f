#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "board.h"
#include "eventpump.h"

namespace dodoru {

using CandidateRow = std::array<std::int16_t, 11>;  // count, digits 1..9, cell index
using BoardSnapshot = std::array<std::uint8_t, kCellCount>;

// The window-level variables the engine and the generator share. All start at zero and keep their
// declared widths. Grid and FirstSolution are addressed by cell index (their two subscripts are column
// and row, stored so that cell c is the c-th entry).
struct WindowState {
    std::int16_t SolutionCount = 0;
    std::int16_t RandomCell = 0;
    std::array<CandidateRow, 82> Candidates{};  // rows 0..80 the steps, row 81 scratch for exchanges
    std::array<std::int16_t, kCellCount> Grid{};
    std::array<std::int16_t, kCellCount> FirstSolution{};
    std::array<std::int16_t, 3> DiffCell{};  // cell, column, row
    std::array<std::int16_t, kCellCount> CellMark{};
    std::array<std::int16_t, 10> DigitMap{};
    std::int16_t GenerateFlag = 0;
};

enum class SolveVerdict { NoSolution, Unique, Several, Interrupted };

// How the solve routine searches. All leave the same results; only the work counted in
// SolveReport::calls differs.
enum class SearchMethod {
    Fast,         // 逐一填入 node by node while the tree is small, else the completion search
    Exact,        // 逐一填入 node by node: the reference
    Completions,  // the completion search alone (for tests and measurements)
};

// What one call of the solve routine did, beyond the state it leaves behind.
struct SolveReport {
    SolveVerdict verdict = SolveVerdict::NoSolution;
    bool puzzleError = false;                 // some table fill found an empty cell without candidates
    std::array<std::uint64_t, 4> calls{};    // work of each search: 逐一填入 calls, or the fast path's nodes
    int searches = 0;
    std::array<int, 4> added{};               // cells turned into givens, in order
    int addedCount = 0;
};

// The puzzle engine over a board: consistency check, search table, search and solve routine.
class Engine {
public:
    Engine(Board& board, WindowState& state, EventPump& pump) : board_(board), state_(state), pump_(pump) {}

    // Whole-grid consistency check of Grid: -1 when no digit repeats in a row, column or box, else 0.
    void 檢查合理性(std::int16_t& result) const;

    // Fills Candidates from the cells' texts (column by column) and reports whether an empty cell got
    // no candidate. Leaves RandomCell at 80.
    bool fillTable();
    // The exchange sort of Candidates on column 0: strict comparison, whole rows swapped through row 81.
    void sortTable();

    // Depth-first search from `step` over the sorted table. Sets abort to -1 when it stopped at a second
    // solution (or unwound because the pump asked it to), else 0. Counts its calls in searchCalls().
    void 逐一填入(std::int16_t& step, std::int16_t& abort);

    // The search that SolveBoard runs after filling and sorting the table, by the search method: every
    // method leaves Grid, SolutionCount, FirstSolution, DiffCell and CellMark exactly as 逐一填入 from
    // step 0 does. Counts its work in searchCalls().
    void searchFromFirstStep(std::int16_t& abort);
    void setSearchMethod(SearchMethod method) { method_ = method; }

    // The solve routine: up to four searches, distinguishing givens added, verdict and display when
    // GenerateFlag is 0, and the snapshot of the board's digits.
    SolveReport SolveBoard(BoardSnapshot& snapshot);

    // Writes Grid into every non-given cell ("" for 0). Used by the display step and the timer.
    void showGrid();

    std::uint64_t searchCalls() const { return calls_; }
    Board& board() { return board_; }
    WindowState& state() { return state_; }
    EventPump& pump() { return pump_; }

private:
    // 逐一填入 from `step`, stopping once `budget` calls have been made; false when it stopped so.
    bool searchNodeByNode(int step, std::int16_t& abort, std::uint64_t budget);
    void noteFirstDifference();
    void searchCompletions(std::int16_t& abort);

    Board& board_;
    WindowState& state_;
    EventPump& pump_;
    std::uint64_t calls_ = 0;
    SearchMethod method_ = SearchMethod::Fast;
};

}  // namespace dodoru
