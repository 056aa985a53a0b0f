#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "board.h"

namespace dodoru {

// What the digit of a cell is.
enum class CellKind : std::uint8_t {
    Empty,  // no digit
    Given,  // part of the puzzle
    Player, // the player's own digit
    Answer, // written by the solver
};

// What the message label over the board says; None while it is hidden.
enum class Verdict : std::uint8_t { None, PuzzleError, NoSolution, SeveralSolutions };

// A cell's pencil marks: bit d - 1 stands for digit d.
using PencilMarks = std::uint16_t;
inline constexpr PencilMarks kAllPencilMarks = 0x1FF;

// The game as the player sees it, apart from how the window shows it: per cell its digit, what kind of
// digit it is and its pencil marks, and the verdict of the last solve. A plain value: copying it is a
// snapshot (undo keeps them), comparing two compares everything.
class PuzzleState {
public:
    // 0 for an empty cell.
    int digit(int cell) const { return at(cell).digit; }
    CellKind kind(int cell) const { return at(cell).kind; }
    bool isGiven(int cell) const { return kind(cell) == CellKind::Given; }
    PencilMarks pencilMarks(int cell) const { return at(cell).marks; }
    bool hasPencilMark(int cell, int digit) const;
    // True while nothing has written the cell's colour since the program started (no clear, no given):
    // the window then paints a digit there in the label's default text colour instead of black.
    bool defaultInk(int cell) const { return at(cell).defaultInk; }
    Verdict verdict() const { return verdict_; }
    int givenCount() const;

    // A digit 1..9 of its kind; any other digit, or the kind Empty, empties the cell. The ink stays.
    void setCell(int cell, int digit, CellKind kind);
    // A given, or an empty cell, as an edit makes them: both are inked (blue, black).
    void setGiven(int cell, int digit);
    void clear(int cell);
    void setDefaultInk(int cell, bool on) { cells_[static_cast<std::size_t>(cell)].defaultInk = on; }
    // Pencil marks beyond digit 9 are dropped.
    void setPencilMarks(int cell, PencilMarks marks);
    void setVerdict(Verdict verdict) { verdict_ = verdict; }

    // The player puts `digit` (1..9) into a cell that holds no given: the cell loses its own marks and
    // the digit leaves the marks of the cells in its row, column and box.
    void placePlayerDigit(int cell, int digit);
    // The digits no digit in the cell's row, column or box rules out; none for a filled cell.
    PencilMarks possibleDigits(int cell) const;
    // The other cells of `cell`'s row, column and box that repeat its digit, in reading order. Givens
    // count, and with `playerDigits` the player's digits too; answers never. None for a cell that does
    // not count itself.
    std::vector<int> repeatsOf(int cell, bool playerDigits) const;
    // The cells for which repeatsOf() finds a repeat.
    std::bitset<kCellCount> clashingDigits(bool playerDigits) const;

    // Digits, kinds, pencil marks and ink alike, the verdict aside.
    bool sameCells(const PuzzleState& other) const { return cells_ == other.cells_; }
    bool operator==(const PuzzleState&) const = default;

private:
    struct CellState {
        std::uint8_t digit = 0;
        CellKind kind = CellKind::Empty;
        PencilMarks marks = 0;
        bool defaultInk = true;
        bool operator==(const CellState&) const = default;
    };
    const CellState& at(int cell) const { return cells_[static_cast<std::size_t>(cell)]; }
    // Two cells that count (as repeatsOf() counts them) holding one digit in a row, column or box.
    bool repeatEachOther(int a, int b, bool playerDigits) const;

    std::array<CellState, kCellCount> cells_{};
    Verdict verdict_ = Verdict::None;
};

} // namespace dodoru
