#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>

#include "gamehistory.h"
#include "puzzlestate.h"

namespace dodoru {

// A mark on a cell besides its digit: what a repeated digit, a hint or a check found there. A cell
// carries any of them at once.
enum class CellMark : std::uint8_t {
    Conflict = 1, // its digit repeats another in its row, column or box
    Hint = 2,     // a cell the hint points at
    Mistake = 4,  // the player's digit differs from the solution
};
using CellMarks = std::uint8_t;

// Nanoseconds on a clock that never goes back.
using TimeSource = std::function<std::int64_t()>;

// A digit per cell, row by row; 0 for none.
using CellDigits = std::array<std::uint8_t, kCellCount>;

// The givens of `puzzle`, 0 elsewhere.
CellDigits givensOf(const PuzzleState& puzzle);

// Everything a game is: the puzzle state, the marks on its cells, the undo history, and of the game
// being played its givens, solution, time played and whether it is solved (and the solved message
// shown). The window's session is its one door; widgets mirror it.
class Game {
public:
    explicit Game(TimeSource now);

    const PuzzleState& puzzle() const { return puzzle_; }
    PuzzleState& puzzle() { return puzzle_; }
    CellDigits givens() const { return givensOf(puzzle_); }

    CellMarks marks(int cell) const { return marks_[static_cast<std::size_t>(cell)]; }
    bool hasMark(int cell, CellMark mark) const;
    // `mark` on exactly `cells`; whether any cell changed.
    bool setMarks(CellMark mark, const std::bitset<kCellCount>& cells);
    bool addMark(int cell, CellMark mark);
    bool clearMarks(CellMark mark);

    GameHistory& history() { return history_; }
    const GameHistory& history() const { return history_; }

    // Whether `givens` are those of the game played.
    bool isGameOf(const CellDigits& givens) const { return gameGivens_ == givens; }
    // Another game: the puzzle of `givens`, with `solution`, no time played, not solved. The clock is
    // not started.
    void begin(const CellDigits& givens, const CellDigits& solution);
    // A game kept from before, played on: `seconds` already played, and solved or not (a solved game's
    // message was shown).
    void resume(const CellDigits& givens, const CellDigits& solution, std::int64_t seconds, bool solved);
    bool hasGame() const { return gameGivens_.has_value(); }
    const CellDigits& solution() const { return solution_; }

    // Whether the puzzle state holds the solution, as updateSolved() found it last.
    bool solved() const { return solved_; }
    // Compares the puzzle state with the solution: solving it stops the clock, and changing a digit of
    // the solved board starts it again. Returns whether solved() changed.
    bool updateSolved();
    // Whether the solved message was shown for this game.
    bool congratulated() const { return congratulated_; }
    void setCongratulated() { congratulated_ = true; }

    void startClock();
    void stopClock();
    bool clockRunning() const { return runningSince_.has_value(); }
    std::int64_t elapsedSeconds() const;

private:
    TimeSource now_;
    PuzzleState puzzle_;
    std::array<CellMarks, kCellCount> marks_{};
    GameHistory history_;
    std::optional<CellDigits> gameGivens_;
    CellDigits solution_{};
    std::int64_t playedNs_ = 0;                // before the clock last started
    std::optional<std::int64_t> runningSince_; // while the clock runs
    bool solved_ = false;
    bool congratulated_ = false;
};

} // namespace dodoru
