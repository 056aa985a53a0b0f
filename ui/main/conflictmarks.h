#pragma once

#include <array>
#include <bitset>

#include "board.h"

namespace dodoru {

class CellLabel;

// Givens that repeat the digit of another given in their row, column or box. Digits the program wrote
// (not givens) are never counted: they are no part of the puzzle.
std::bitset<kCellCount> clashingGivens(const Board& board);

// Marks the clashing givens on the board's cell labels, and takes the marks away when the clash goes.
class ConflictMarks {
public:
    explicit ConflictMarks(const std::array<CellLabel*, kCellCount>& cells) : cells_(cells) {}

    // Marks the clashing givens of `board` when `shown`, and no cell otherwise.
    void update(const Board& board, bool shown);

private:
    std::array<CellLabel*, kCellCount> cells_;
};

} // namespace dodoru
