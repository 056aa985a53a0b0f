#include "position.h"

#include "step.h"

namespace dodoru::logic {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

struct UnitTables {
    std::array<std::array<int, 9>, kUnitCount> cells{};
    std::array<std::array<int, 3>, kCellCount> unitsOfCell{};
    std::array<std::array<int, 20>, kCellCount> peers{};
    std::array<std::array<bool, kCellCount>, kCellCount> sees{};

    UnitTables() {
        for (int u = 0; u < 9; ++u)
            for (int k = 0; k < 9; ++k) {
                cells[at(u)][at(k)] = 9 * u + k;
                cells[at(9 + u)][at(k)] = 9 * k + u;
                cells[at(18 + u)][at(k)] = 27 * (u / 3) + 3 * (u % 3) + 9 * (k / 3) + k % 3;
            }
        for (int c = 0; c < kCellCount; ++c) {
            unitsOfCell[at(c)] = {rowOf(c), 9 + columnOf(c), 18 + boxOf(c)};
            int n = 0;
            for (int o = 0; o < kCellCount; ++o) {
                const bool peer =
                    o != c && (rowOf(o) == rowOf(c) || columnOf(o) == columnOf(c) || boxOf(o) == boxOf(c));
                sees[at(c)][at(o)] = peer;
                if (peer) peers[at(c)][at(n++)] = o;
            }
        }
    }
};

const UnitTables& tables() {
    static const UnitTables instance;
    return instance;
}

} // namespace

const std::array<int, 9>& unitCells(int unit) {
    return tables().cells[at(unit)];
}

Unit unitOf(int unit) {
    if (unit < 9) return {UnitKind::Row, unit};
    if (unit < 18) return {UnitKind::Column, unit - 9};
    return {UnitKind::Box, unit - 18};
}

int unitNumber(Unit unit) {
    switch (unit.kind) {
    case UnitKind::Row:
        return unit.index;
    case UnitKind::Column:
        return 9 + unit.index;
    case UnitKind::Box:
        return 18 + unit.index;
    case UnitKind::None:
        break;
    }
    return -1;
}

const std::array<int, 3>& unitsOfCell(int cell) {
    return tables().unitsOfCell[at(cell)];
}
const std::array<int, 20>& peersOf(int cell) {
    return tables().peers[at(cell)];
}
bool sees(int a, int b) {
    return tables().sees[at(a)][at(b)];
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
