// Singles, locked candidates and naked and hidden subsets: the techniques that look at one unit, or a
// box and a line.
#include <algorithm>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

int cellAt(int unit, int k) {
    return unitCells(unit)[at(k)];
}

// The cells of `unit` whose bits are set in `mask`.
std::vector<int> cellsOf(int unit, unsigned mask) {
    std::vector<int> cells;
    for (int k = 0; k < 9; ++k)
        if ((mask >> k) & 1u) cells.push_back(cellAt(unit, k));
    return cells;
}

// The places of a digit in a box's row (0..2) or column (0..2) of cells, and in a row's or column's
// box (0..2), as bits of the unit's cells.
constexpr unsigned kThreeInARow = 0x7u;
constexpr unsigned kThreeInAColumn = 0x49u;

// Whether the places `mask` of d in a box lie in one of its rows or columns that holds d outside
// the box: a quick test before the pointing step is built.
bool pointingRemoves(const Scan& scan, int box, int d, unsigned mask) {
    const int first = std::countr_zero(mask);
    const unsigned row = kThreeInARow << (3 * (first / 3)), column = kThreeInAColumn << (first % 3);
    const unsigned rowOutside = scan.where[at(rowUnit(boxTopRow(box) + first / 3))][at(d)] &
                                ~(kThreeInARow << (3 * boxStack(box)));
    const unsigned columnOutside = scan.where[at(columnUnit(boxLeftColumn(box) + first % 3))][at(d)] &
                                   ~(kThreeInARow << (3 * boxBand(box)));
    return ((mask & ~row) == 0 && rowOutside != 0) || ((mask & ~column) == 0 && columnOutside != 0);
}

// Whether the places `mask` of d in a row or column lie in one box that holds d outside the line.
bool claimingRemoves(const Scan& scan, int line, int d, unsigned mask) {
    const int third = std::countr_zero(mask) / 3;
    if ((mask & ~(kThreeInARow << (3 * third))) != 0) return false;
    const bool isRow = line < 9;
    const int index = isRow ? line : line - 9;
    const int box = isRow ? 3 * bandOf(index) + third : 3 * third + stackOf(index);
    const unsigned inLine = isRow ? kThreeInARow << (3 * (index % 3)) : kThreeInAColumn << (index % 3);
    return (scan.where[at(boxUnit(box))][at(d)] & ~inLine) != 0;
}

} // namespace

UnitPlaces::UnitPlaces(const Position& position) {
    // Cell by cell, each into its row, column and box at once.
    for (int c = 0; c < kCellCount; ++c) {
        const int row = rowOf(c), column = columnOf(c), box = boxOf(c);
        const int inBox = 3 * (row % 3) + column % 3;
        const Digits digit = static_cast<Digits>(digitBit(position.digit(c)) & kAllDigits); // none when empty
        placed[at(rowUnit(row))] |= digit;
        placed[at(columnUnit(column))] |= digit;
        placed[at(boxUnit(box))] |= digit;
        for (Digits ds = position.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
            const int d = lowestDigit(ds);
            where[at(rowUnit(row))][at(d)] |= static_cast<std::uint16_t>(1u << column);
            where[at(columnUnit(column))][at(d)] |= static_cast<std::uint16_t>(1u << row);
            where[at(boxUnit(box))][at(d)] |= static_cast<std::uint16_t>(1u << inBox);
        }
    }
}

Scan::Scan(const Position& position_, bool uniqueSolution_)
    : UnitPlaces(position_), position(position_), uniqueSolution(uniqueSolution_) {}

std::optional<Step> finished(Step step) {
    if (step.placements.empty() && step.eliminations.empty()) return std::nullopt;
    const auto byCellDigit = [](const CellDigit& a, const CellDigit& b) {
        return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
    };
    std::sort(step.cells.begin(), step.cells.end());
    step.cells.erase(std::unique(step.cells.begin(), step.cells.end()), step.cells.end());
    std::sort(step.eliminations.begin(), step.eliminations.end(), byCellDigit);
    step.eliminations.erase(std::unique(step.eliminations.begin(), step.eliminations.end()),
                            step.eliminations.end());
    return step;
}

std::optional<Step> findFullHouse(const Scan& scan) {
    // Boxes first, then rows and columns: the last empty cell of a unit.
    for (int n = 0; n < kUnitCount; ++n) {
        const int u = (n + 18) % kUnitCount;
        if (digitCount(scan.placed[at(u)]) != 8) continue;
        for (const int c : unitCells(u))
            if (scan.position.digit(c) == 0 && scan.position.candidates(c) != 0) {
                const int d = lowestDigit(static_cast<Digits>(kAllDigits & ~scan.placed[at(u)]));
                if (!scan.position.has(c, d)) break;
                return Step{Technique::FullHouse, unitOf(u), {c}, digitBit(d), {{c, d}}, {}};
            }
    }
    return std::nullopt;
}

std::optional<Step> findNakedSingle(const Scan& scan) {
    for (int c = 0; c < kCellCount; ++c) {
        const Digits ds = scan.position.candidates(c);
        if (scan.position.digit(c) == 0 && digitCount(ds) == 1)
            return Step{Technique::NakedSingle, {}, {c}, ds, {{c, lowestDigit(ds)}}, {}};
    }
    return std::nullopt;
}

std::optional<Step> findHiddenSingle(const Scan& scan) {
    // Boxes first (the easiest to see), then rows, then columns.
    for (int n = 0; n < kUnitCount; ++n) {
        const int u = (n + 18) % kUnitCount;
        for (int d = 1; d <= 9; ++d) {
            const unsigned mask = scan.where[at(u)][at(d)];
            if (placeCount(mask) != 1) continue;
            const int c = cellAt(u, std::countr_zero(mask));
            return Step{Technique::HiddenSingle, unitOf(u), {c}, digitBit(d), {{c, d}}, {}};
        }
    }
    return std::nullopt;
}

std::optional<Step> findPointing(const Scan& scan) {
    for (int b = boxUnit(0); b < kUnitCount; ++b)
        for (int d = 1; d <= 9; ++d) {
            const unsigned mask = scan.where[at(b)][at(d)];
            if (mask == 0 || !pointingRemoves(scan, b - boxUnit(0), d, mask)) continue;
            const std::vector<int> cells = cellsOf(b, mask);
            for (const int line : {rowUnit(rowOf(cells.front())), columnUnit(columnOf(cells.front()))}) {
                const bool inLine = std::all_of(cells.begin(), cells.end(), [&](int c) {
                    return unitsOfCell(c)[0] == line || unitsOfCell(c)[1] == line;
                });
                if (!inLine) continue;
                Step step{Technique::LockedPointing, unitOf(b), cells, digitBit(d), {}, {}};
                for (const int c : unitCells(line))
                    if (boxUnit(boxOf(c)) != b && scan.position.has(c, d))
                        step.eliminations.push_back({c, d});
                if (auto found = finished(step)) return found;
            }
        }
    return std::nullopt;
}

std::optional<Step> findClaiming(const Scan& scan) {
    for (int line = 0; line < 18; ++line)
        for (int d = 1; d <= 9; ++d) {
            const unsigned mask = scan.where[at(line)][at(d)];
            if (mask == 0 || !claimingRemoves(scan, line, d, mask)) continue;
            const std::vector<int> cells = cellsOf(line, mask);
            const int box = boxOf(cells.front());
            if (!std::all_of(cells.begin(), cells.end(), [&](int c) { return boxOf(c) == box; })) continue;
            Step step{Technique::LockedClaiming, unitOf(line), cells, digitBit(d), {}, {}};
            for (const int c : unitCells(boxUnit(box)))
                if (unitsOfCell(c)[0] != line && unitsOfCell(c)[1] != line && scan.position.has(c, d))
                    step.eliminations.push_back({c, d});
            if (auto found = finished(step)) return found;
        }
    return std::nullopt;
}

namespace {

constexpr Technique nakedTechnique(int size) {
    return size == 2 ? Technique::NakedPair : size == 3 ? Technique::NakedTriple : Technique::NakedQuad;
}
constexpr Technique hiddenTechnique(int size) {
    return size == 2 ? Technique::HiddenPair : size == 3 ? Technique::HiddenTriple : Technique::HiddenQuad;
}

} // namespace

std::optional<Step> findNakedSubset(const Scan& scan, int size) {
    std::optional<Step> found;
    for (int n = 0; n < kUnitCount && !found; ++n) {
        const int u = (n + 18) % kUnitCount;
        std::array<int, 9> open{}; // empty cells with 2..size candidates
        int openCount = 0, empty = 0;
        for (const int c : unitCells(u)) {
            if (scan.position.digit(c) != 0) continue;
            ++empty;
            const int count = digitCount(scan.position.candidates(c));
            if (count >= 2 && count <= size) open[at(openCount++)] = c;
        }
        if (empty <= size || openCount < size) continue;
        forEachCombination(openCount, size, [&](const std::array<int, 4>& pick) {
            Digits all = 0;
            for (int i = 0; i < size; ++i) all |= scan.position.candidates(open[at(pick[at(i)])]);
            if (digitCount(all) != size) return false;
            // Only a subset that removes something becomes a step.
            bool removes = false;
            for (const int c : unitCells(u)) {
                if ((scan.position.candidates(c) & all) == 0) continue;
                bool inSubset = false;
                for (int i = 0; i < size; ++i) inSubset = inSubset || open[at(pick[at(i)])] == c;
                removes = removes || !inSubset;
            }
            if (!removes) return false;
            std::vector<int> cells;
            for (int i = 0; i < size; ++i) cells.push_back(open[at(pick[at(i)])]);
            Step step{nakedTechnique(size), unitOf(u), cells, all, {}, {}};
            for (const int c : unitCells(u)) {
                if (std::find(cells.begin(), cells.end(), c) != cells.end()) continue;
                for (Digits ds = scan.position.candidates(c) & all; ds != 0;
                     ds &= static_cast<Digits>(ds - 1))
                    step.eliminations.push_back({c, lowestDigit(ds)});
            }
            found = finished(step);
            return found.has_value();
        });
    }
    return found;
}

std::optional<Step> findHiddenSubset(const Scan& scan, int size) {
    std::optional<Step> found;
    for (int n = 0; n < kUnitCount && !found; ++n) {
        const int u = (n + 18) % kUnitCount;
        std::array<int, 9> open{}; // digits with 2..size places
        int openCount = 0;
        for (int d = 1; d <= 9; ++d) {
            const int count = placeCount(scan.where[at(u)][at(d)]);
            if (count >= 2 && count <= size) open[at(openCount++)] = d;
        }
        if (9 - digitCount(scan.placed[at(u)]) <= size || openCount < size) continue;
        forEachCombination(openCount, size, [&](const std::array<int, 4>& pick) {
            unsigned places = 0;
            Digits digits = 0;
            for (int i = 0; i < size; ++i) {
                const int d = open[at(pick[at(i)])];
                digits |= digitBit(d);
                places |= scan.where[at(u)][at(d)];
            }
            if (placeCount(places) != size) return false;
            // Only a subset whose cells hold other candidates becomes a step.
            Digits others = 0;
            for (int k = 0; k < 9; ++k)
                if ((places >> k) & 1u) others |= scan.position.candidates(cellAt(u, k));
            if ((others & static_cast<Digits>(~digits)) == 0) return false;
            Step step{hiddenTechnique(size), unitOf(u), cellsOf(u, places), digits, {}, {}};
            for (const int c : step.cells)
                for (Digits ds = scan.position.candidates(c) & static_cast<Digits>(~digits); ds != 0;
                     ds &= static_cast<Digits>(ds - 1))
                    step.eliminations.push_back({c, lowestDigit(ds)});
            found = finished(step);
            return found.has_value();
        });
    }
    return found;
}

std::optional<Step> singleStep(const Position& p, const CellDigit& x) {
    if (p.digit(x.cell) != 0 || !p.has(x.cell, x.digit)) return std::nullopt;
    if (p.candidates(x.cell) == digitBit(x.digit))
        return Step{Technique::NakedSingle, {}, {x.cell}, digitBit(x.digit), {x}, {}};
    for (const int u : unitsOfCell(x.cell)) {
        int places = 0;
        for (const int c : unitCells(u)) places += p.has(c, x.digit) ? 1 : 0;
        if (places == 1)
            return Step{Technique::HiddenSingle, unitOf(u), {x.cell}, digitBit(x.digit), {x}, {}};
    }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
