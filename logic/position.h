#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "board.h"

namespace dodoru::logic {

using Digits = std::uint16_t;                           // bit d for digit d, 1..9
using DigitGrid = std::array<std::uint8_t, kCellCount>; // a digit per cell, row by row; 0 for empty
using CandidateGrid = std::array<Digits, kCellCount>;

inline constexpr Digits kAllDigits = 0x3FE;
constexpr Digits digitBit(int digit) {
    return static_cast<Digits>(1u << digit);
}
// Counted by halves rather than with std::popcount, which without a popcount instruction is a library call.
constexpr int digitCount(Digits digits) {
    unsigned x = digits;
    x = x - ((x >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0F0Fu;
    return static_cast<int>((x + (x >> 8)) & 0x1Fu);
}
constexpr int lowestDigit(Digits digits) {
    return std::countr_zero(static_cast<unsigned>(digits));
}

// A unit as a step names it: a row, a column or a box and its number within its kind.
enum class UnitKind { None, Row, Column, Box };
struct Unit {
    UnitKind kind = UnitKind::None;
    int index = 0; // 0..8 within its kind
    bool operator==(const Unit&) const = default;
};
// The unit numbered `unit` (0..26) by its kind. The cells, units and peers are the grid's own
// (gridgeometry.h).
Unit unitOf(int unit);
// The number (0..26) of a unit that names one.
int unitNumber(const Unit& unit);

struct CellDigit {
    int cell = 0;
    int digit = 0;
    bool operator==(const CellDigit&) const = default;
};

// A position the solver works on: the digits in the cells and, for every empty cell, the candidates
// still open. A filled cell has no candidates.
class Position {
public:
    Position() = default;
    // The digits, with every empty cell's candidates computed from its row, column and box.
    static Position fromDigits(const DigitGrid& digits);
    // The digits with candidates of one's own (pencil marks): a digit that a filled peer shows is
    // dropped, so marks that lag behind the digits do not mislead the solver.
    static Position withCandidates(const DigitGrid& digits, const CandidateGrid& candidates);

    int digit(int cell) const { return digits_[static_cast<std::size_t>(cell)]; }
    Digits candidates(int cell) const { return candidates_[static_cast<std::size_t>(cell)]; }
    bool has(int cell, int digit) const { return (candidates(cell) & digitBit(digit)) != 0; }
    const DigitGrid& digits() const { return digits_; }
    const CandidateGrid& candidateGrid() const { return candidates_; }
    bool solved() const;
    // True when some empty cell has no candidate, or a unit has no place left for a missing digit.
    bool broken() const;

    // Puts `digit` into `cell` and removes it from the cell's peers.
    void place(int cell, int digit);
    void eliminate(int cell, int digit);

private:
    DigitGrid digits_{};
    CandidateGrid candidates_{};
};

} // namespace dodoru::logic
