#pragma once

#include "board.h"
#include "puzzlestate.h"

namespace dodoru {

// The engine works on its own board, whose cells know whether they are givens and whose message label
// carries the verdict. These two translate at the edges of a command.

// Givens as givens; every other cell not a given, and never inked where the state keeps the default
// ink; the verdict on the message label (hidden for None).
Board toBoard(const PuzzleState& state);

// The state the engine left: givens stay givens, other digits are answers, the message label the
// verdict. Pencil marks are taken from `before`, which the engine does not know of.
PuzzleState fromBoard(const Board& board, const PuzzleState& before = {});

} // namespace dodoru
