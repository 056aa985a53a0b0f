#include "celldigitkind.h"

namespace dodoru {

CellDigitKind cellDigitKind(const PuzzleState& puzzle, int cell) {
    switch (puzzle.kind(cell)) {
    case CellKind::Given:
        return CellDigitKind::Given;
    case CellKind::Player:
        return CellDigitKind::Player;
    case CellKind::Empty:
    case CellKind::Answer:
        break;
    }
    return CellDigitKind::Answer;
}

} // namespace dodoru
