#include "puzzlestate.h"

namespace dodoru {

bool PuzzleState::hasPencilMark(int cell, int digit) const {
    return digit >= 1 && digit <= 9 && (pencilMarks(cell) & (1u << (digit - 1))) != 0;
}

int PuzzleState::givenCount() const {
    int count = 0;
    for (const CellState& c : cells_) count += c.kind == CellKind::Given ? 1 : 0;
    return count;
}

void PuzzleState::setCell(int cell, int digit, CellKind kind) {
    CellState& c = cells_[static_cast<std::size_t>(cell)];
    if (digit < 1 || digit > 9 || kind == CellKind::Empty) {
        digit = 0;
        kind = CellKind::Empty;
    }
    c.digit = static_cast<std::uint8_t>(digit);
    c.kind = kind;
}

void PuzzleState::setGiven(int cell, int digit) {
    setCell(cell, digit, CellKind::Given);
    setDefaultInk(cell, false);
}

void PuzzleState::clear(int cell) {
    setCell(cell, 0, CellKind::Empty);
    setDefaultInk(cell, false);
}

void PuzzleState::setPencilMarks(int cell, PencilMarks marks) {
    cells_[static_cast<std::size_t>(cell)].marks = static_cast<PencilMarks>(marks & kAllPencilMarks);
}

} // namespace dodoru
