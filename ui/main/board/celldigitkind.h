#pragma once

#include "celllabel.h"
#include "puzzlestate.h"

namespace dodoru {

// What kind of digit a cell of the puzzle holds, as a screen reader says it.
CellDigitKind cellDigitKind(const PuzzleState& puzzle, int cell);

} // namespace dodoru
