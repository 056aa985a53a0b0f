#pragma once

#include "board.h"
#include "puzzlestate.h"

namespace dodoru {

// The engine works on its own board, where a cell's colour says whether it is a given (blue) and the
// message label carries the verdict. These two translate at the edges of a command.

// Givens in blue; every other digit, and every empty cell, in black, or in no colour set where the
// state keeps the default ink; the verdict on the message label (hidden for None).
Board toBoard(const PuzzleState& state);

// The state the engine left: blue cells are givens, other digits answers, the message label the
// verdict. Pencil marks are taken from `before`, which the engine does not know of.
PuzzleState fromBoard(const Board& board, const PuzzleState& before = {});

} // namespace dodoru
