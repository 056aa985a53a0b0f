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

namespace {

PencilMarks markOf(int digit) {
    return static_cast<PencilMarks>(1u << (digit - 1));
}

} // namespace

void PuzzleState::placePlayerDigit(int cell, int digit) {
    if (digit < 1 || digit > 9 || isGiven(cell)) return;
    setCell(cell, digit, CellKind::Player);
    setPencilMarks(cell, 0);
    for (const int other : peersOf(cell))
        setPencilMarks(other, static_cast<PencilMarks>(pencilMarks(other) & ~markOf(digit)));
}

PencilMarks PuzzleState::possibleDigits(int cell) const {
    if (digit(cell) != 0) return 0;
    PencilMarks possible = kAllPencilMarks;
    for (const int other : peersOf(cell))
        if (digit(other) != 0) possible = static_cast<PencilMarks>(possible & ~markOf(digit(other)));
    return possible;
}

bool PuzzleState::repeatEachOther(int a, int b, bool playerDigits) const {
    const auto counts = [&](int c) {
        return kind(c) == CellKind::Given || (playerDigits && kind(c) == CellKind::Player);
    };
    return a != b && counts(a) && counts(b) && digit(a) == digit(b) && sees(a, b);
}

std::vector<int> PuzzleState::repeatsOf(int cell, bool playerDigits) const {
    std::vector<int> repeats;
    for (const int other : peersOf(cell)) // ascending: reading order
        if (repeatEachOther(cell, other, playerDigits)) repeats.push_back(other);
    return repeats;
}

std::bitset<kCellCount> PuzzleState::clashingDigits(bool playerDigits) const {
    std::bitset<kCellCount> clashing;
    for (int a = 0; a < kCellCount; ++a) {
        for (int b = a + 1; b < kCellCount; ++b) {
            if (!repeatEachOther(a, b, playerDigits)) continue;
            clashing.set(static_cast<std::size_t>(a));
            clashing.set(static_cast<std::size_t>(b));
        }
    }
    return clashing;
}

} // namespace dodoru
