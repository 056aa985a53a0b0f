#include "position.h"

#include "step.h"

namespace dodoru::logic {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

Unit unitOf(int unit) {
    if (unit < 9) return {UnitKind::Row, unit};
    if (unit < 18) return {UnitKind::Column, unit - 9};
    return {UnitKind::Box, unit - 18};
}

int unitNumber(const Unit& unit) {
    return unit.kind == UnitKind::Row      ? rowUnit(unit.index)
           : unit.kind == UnitKind::Column ? columnUnit(unit.index)
                                           : boxUnit(unit.index);
}

Position Position::fromDigits(const DigitGrid& digits) {
    CandidateGrid all;
    all.fill(kAllDigits);
    return withCandidates(digits, all);
}

Position Position::withCandidates(const DigitGrid& digits, const CandidateGrid& candidates) {
    Position position;
    for (int c = 0; c < kCellCount; ++c) {
        const int d = digits[at(c)];
        position.digits_[at(c)] = static_cast<std::uint8_t>(d >= 1 && d <= 9 ? d : 0);
        position.candidates_[at(c)] =
            position.digits_[at(c)] != 0 ? Digits{0} : (candidates[at(c)] & kAllDigits);
    }
    for (int c = 0; c < kCellCount; ++c) {
        const int d = position.digit(c);
        if (d == 0) continue;
        for (const int peer : peersOf(c)) position.candidates_[at(peer)] &= static_cast<Digits>(~digitBit(d));
    }
    return position;
}

bool Position::solved() const {
    for (const auto d : digits_)
        if (d == 0) return false;
    return true;
}

bool Position::broken() const {
    for (int c = 0; c < kCellCount; ++c)
        if (digit(c) == 0 && candidates(c) == 0) return true;
    for (int u = 0; u < kUnitCount; ++u) {
        Digits covered = 0;
        for (const int c : unitCells(u)) covered |= digit(c) != 0 ? digitBit(digit(c)) : candidates(c);
        if (covered != kAllDigits) return true;
    }
    return false;
}

void Position::place(int cell, int d) {
    digits_[at(cell)] = static_cast<std::uint8_t>(d);
    candidates_[at(cell)] = 0;
    const auto keep = static_cast<Digits>(~digitBit(d));
    for (const int peer : peersOf(cell)) candidates_[at(peer)] &= keep;
}

void Position::eliminate(int cell, int d) {
    candidates_[at(cell)] &= static_cast<Digits>(~digitBit(d));
}

void applyStep(Position& position, const Step& step) {
    for (const CellDigit& p : step.placements) position.place(p.cell, p.digit);
    for (const CellDigit& e : step.eliminations) position.eliminate(e.cell, e.digit);
}

} // namespace dodoru::logic
