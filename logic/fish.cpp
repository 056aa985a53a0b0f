// Single-digit patterns over lines: X-wing, swordfish and jellyfish (plain and finned), skyscraper,
// two-string kite and empty rectangle.
#include <bit>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

constexpr Technique fishTechnique(int size) {
    return size == 2 ? Technique::XWing : size == 3 ? Technique::Swordfish : Technique::Jellyfish;
}

// The cell of line `line` (0..8 rows, 9..17 columns) at position k along it.
int cellOfLine(int line, int k) {
    return unitCells(line)[at(k)];
}

// The candidates of `d` in cells that see both a and b, other than those listed in `besides`.
void eliminateSeeingBoth(const Scan& scan, int d, int a, int b, const std::vector<int>& besides, Step& step) {
    for (const int c : peersOf(a)) {
        if (!sees(c, b) || !scan.position.has(c, d)) continue;
        bool listed = false;
        for (const int o : besides) listed = listed || o == c;
        if (!listed) step.eliminations.push_back({c, d});
    }
}

// The cells of `unit` whose bits are set in `mask`, in the unit's order.
std::vector<int> cellsOf(int unit, unsigned mask) {
    std::vector<int> cells;
    for (int k = 0; k < 9; ++k)
        if ((mask >> k) & 1u) cells.push_back(unitCells(unit)[at(k)]);
    return cells;
}

// A row and a column of a box's cells, as bits of the box's k-th cells.
constexpr unsigned kBoxRow = 0x7u;
constexpr unsigned kBoxColumn = 0x49u;

// A fish's base lines (rows when `base` is 0, else columns) and cover lines, from their masks.
void nameLines(Step& step, int base, unsigned baseMask, unsigned coverMask) {
    const UnitKind baseKind = base == 0 ? UnitKind::Row : UnitKind::Column;
    const UnitKind coverKind = base == 0 ? UnitKind::Column : UnitKind::Row;
    for (int i = 0; i < 9; ++i) {
        if ((baseMask >> i) & 1u) step.baseLines.push_back({baseKind, i});
        if ((coverMask >> i) & 1u) step.coverLines.push_back({coverKind, i});
    }
}

} // namespace

std::optional<Step> findFinnedFish(const Scan& scan, int size) {
    const Technique technique = size == 2 ? Technique::FinnedXWing : Technique::FinnedSwordfish;
    std::optional<Step> found;
    for (int d = 1; d <= 9 && !found; ++d)
        for (int base = 0; base < 2 && !found; ++base) {
            // The places of d along each line, and the lines that can be base lines.
            std::array<unsigned, 9> along{};
            std::array<int, 9> lines{};
            int lineCount = 0;
            for (int i = 0; i < 9; ++i) {
                along[at(i)] = scan.where[at(9 * base + i)][at(d)];
                const int count = placeCount(along[at(i)]);
                if (count >= 2 && count <= size + 3) lines[at(lineCount++)] = i;
            }
            if (lineCount < size) continue;
            forEachCombination(lineCount, size, [&](const std::array<int, 4>& pick) {
                unsigned all = 0, baseMask = 0;
                for (int i = 0; i < size; ++i) {
                    all |= along[at(lines[at(pick[at(i)])])];
                    baseMask |= 1u << lines[at(pick[at(i)])];
                }
                if (placeCount(all) <= size) return false; // a plain fish, or less
                // Cover lines that leave fins (base cells outside them) in one box only: either a fin holds
                // d, or the fish does, so what sees the fins and lies in a cover line goes.
                const auto tryCover = [&](unsigned cover) {
                    unsigned finPositions = 0, finLines = 0;
                    for (int i = 0; i < size; ++i) {
                        const int line = lines[at(pick[at(i)])];
                        const unsigned fins = along[at(line)] & ~cover;
                        if (fins != 0) {
                            finPositions |= fins;
                            finLines |= 1u << line;
                        }
                    }
                    if (finPositions == 0) return false;
                    const int stack = std::countr_zero(finPositions) / 3, band = std::countr_zero(finLines) / 3;
                    if ((finPositions & ~(7u << (3 * stack))) != 0 || (finLines & ~(7u << (3 * band))) != 0)
                        return false;
                    bool removes = false;
                    for (int line = 3 * band; line < 3 * band + 3; ++line)
                        removes = removes || (!((baseMask >> line) & 1u) &&
                                              (along[at(line)] & cover & (7u << (3 * stack))) != 0);
                    if (!removes) return false;
                    Step step{technique, {}, {}, digitBit(d), {}, {}};
                    for (int k = 3 * stack; k < 3 * stack + 3; ++k)
                        for (int line = 3 * band; line < 3 * band + 3; ++line)
                            if (((cover >> k) & 1u) && !((baseMask >> line) & 1u) &&
                                ((along[at(line)] >> k) & 1u))
                                step.eliminations.push_back({cellOfLine(9 * base + line, k), d});
                    for (int line = 0; line < 9; ++line)
                        for (int k = 0; k < 9; ++k)
                            if (((baseMask >> line) & 1u) && ((along[at(line)] >> k) & 1u))
                                step.cells.push_back(cellOfLine(9 * base + line, k));
                    nameLines(step, base, baseMask, cover);
                    found = finished(step);
                    return true;
                };
                // The fins lie in one stack of positions: the cover takes every position outside it.
                for (int finStack = 0; finStack < 3; ++finStack) {
                    const unsigned inStack = all & (7u << (3 * finStack));
                    const unsigned required = all & ~inStack;
                    if (placeCount(required) > size) continue;
                    for (unsigned extra = inStack;; extra = (extra - 1) & inStack) {
                        if (placeCount(required | extra) == size && tryCover(required | extra)) return true;
                        if (extra == 0) break;
                    }
                }
                return false;
            });
        }
    return found;
}

std::optional<Step> findFish(const Scan& scan, int size) {
    std::optional<Step> found;
    for (int d = 1; d <= 9 && !found; ++d)
        for (int base = 0; base < 2 && !found; ++base) { // 0: rows are the base lines, 1: columns
            std::vector<int> lines;
            for (int i = 0; i < 9; ++i) {
                const int count = placeCount(scan.where[at(9 * base + i)][at(d)]);
                if (count >= 2 && count <= size) lines.push_back(i);
            }
            if (static_cast<int>(lines.size()) < size) continue;
            forEachCombination(static_cast<int>(lines.size()), size, [&](const std::array<int, 4>& pick) {
                unsigned cover = 0;
                unsigned baseMask = 0;
                for (int i = 0; i < size; ++i) {
                    const int line = lines[at(pick[at(i)])];
                    cover |= scan.where[at(9 * base + line)][at(d)];
                    baseMask |= 1u << line;
                }
                if (placeCount(cover) != size) return false;
                Step step{fishTechnique(size), {}, {}, digitBit(d), {}, {}};
                nameLines(step, base, baseMask, cover);
                for (int line = 0; line < 9; ++line) {
                    const unsigned along = scan.where[at(9 * base + line)][at(d)];
                    for (int k = 0; k < 9; ++k) {
                        if (!((cover >> k) & 1u) || !((along >> k) & 1u)) continue;
                        const int c = cellOfLine(9 * base + line, k);
                        if ((baseMask >> line) & 1u)
                            step.cells.push_back(c);
                        else
                            step.eliminations.push_back({c, d});
                    }
                }
                found = finished(step);
                return found.has_value();
            });
        }
    return found;
}

std::optional<Step> findSkyscraper(const Scan& scan) {
    for (int d = 1; d <= 9; ++d)
        for (int base = 0; base < 2; ++base)
            for (int l1 = 0; l1 < 9; ++l1) {
                const unsigned m1 = scan.where[at(9 * base + l1)][at(d)];
                if (placeCount(m1) != 2) continue;
                for (int l2 = l1 + 1; l2 < 9; ++l2) {
                    const unsigned m2 = scan.where[at(9 * base + l2)][at(d)];
                    if (placeCount(m2) != 2 || placeCount(m1 & m2) != 1) continue;
                    // The shared position is the tower's foot; the other two ends see each other's peers.
                    const int end1 = cellOfLine(9 * base + l1, std::countr_zero(m1 & ~m2));
                    const int end2 = cellOfLine(9 * base + l2, std::countr_zero(m2 & ~m1));
                    const int foot1 = cellOfLine(9 * base + l1, std::countr_zero(m1 & m2));
                    const int foot2 = cellOfLine(9 * base + l2, std::countr_zero(m1 & m2));
                    Step step{Technique::Skyscraper, {}, {foot1, end1, foot2, end2}, digitBit(d), {}, {}};
                    step.chain = {node(end1, d, false), node(foot1, d, true), node(foot2, d, false),
                                  node(end2, d, true)};
                    step.baseLines = {unitOf(9 * base + l1), unitOf(9 * base + l2)};
                    eliminateSeeingBoth(scan, d, end1, end2, step.cells, step);
                    if (auto found = finished(step)) return found;
                }
            }
    return std::nullopt;
}

std::optional<Step> findTwoStringKite(const Scan& scan) {
    for (int d = 1; d <= 9; ++d)
        for (int row = 0; row < 9; ++row) {
            const unsigned rm = scan.where[at(row)][at(d)];
            if (placeCount(rm) != 2) continue;
            for (int column = 0; column < 9; ++column) {
                const unsigned cm = scan.where[at(9 + column)][at(d)];
                if (placeCount(cm) != 2) continue;
                const int r[2] = {cellOfLine(row, std::countr_zero(rm)),
                                  cellOfLine(row, 31 - std::countl_zero(rm))};
                const int c[2] = {cellOfLine(9 + column, std::countr_zero(cm)),
                                  cellOfLine(9 + column, 31 - std::countl_zero(cm))};
                for (int i = 0; i < 2; ++i)
                    for (int j = 0; j < 2; ++j) {
                        // r[i] and c[j] share a box (and are different cells): one of the far ends holds d.
                        const int nearRow = r[i], nearColumn = c[j];
                        const int farRow = r[1 - i], farColumn = c[1 - j];
                        if (nearRow == nearColumn || boxOf(nearRow) != boxOf(nearColumn)) continue;
                        if (farRow == nearColumn || farColumn == nearRow || farRow == farColumn) continue;
                        Step step{Technique::TwoStringKite,
                                  {},
                                  {nearRow, farRow, nearColumn, farColumn},
                                  digitBit(d),
                                  {},
                                  {}};
                        step.chain = {node(farRow, d, false), node(nearRow, d, true), node(nearColumn, d, false),
                                      node(farColumn, d, true)};
                        eliminateSeeingBoth(scan, d, farRow, farColumn, step.cells, step);
                        if (auto found = finished(step)) return found;
                    }
            }
        }
    return std::nullopt;
}

std::optional<Step> findEmptyRectangle(const Scan& scan) {
    const Position& p = scan.position;
    for (int d = 1; d <= 9; ++d)
        for (int b = 0; b < 9; ++b) {
            // The places of d in the box, bit k for its k-th cell.
            const unsigned places = scan.where[at(boxUnit(b))][at(d)];
            if (placeCount(places) < 2) continue;
            for (int r = boxTopRow(b); r < boxTopRow(b) + 3; ++r)
                for (int k = boxLeftColumn(b); k < boxLeftColumn(b) + 3; ++k) {
                    // Every place of d in the box lies in row r or column k, and some lie off each.
                    const unsigned inRow = places & (kBoxRow << (3 * (r - boxTopRow(b))));
                    const unsigned inColumn = places & (kBoxColumn << (k - boxLeftColumn(b)));
                    const unsigned rowOnly = inRow & ~inColumn, columnOnly = inColumn & ~inRow;
                    if ((places & ~(inRow | inColumn)) != 0 || rowOnly == 0 || columnOnly == 0) continue;
                    // A strong link on d in a column outside the box's stack, one end in row r: its other
                    // end's row loses d where it meets column k. And the same turned a quarter.
                    for (int turn = 0; turn < 2; ++turn) {
                        const unsigned near = turn == 0 ? inRow : inColumn; // cells the link's end sees
                        const unsigned far = turn == 0 ? columnOnly : rowOnly;
                        for (int line = 0; line < 9; ++line) {
                            if (turn == 0 ? stackOf(line) == boxStack(b) : bandOf(line) == boxBand(b))
                                continue;
                            const int u = turn == 0 ? columnUnit(line) : rowUnit(line);
                            const unsigned mask = scan.where[at(u)][at(d)];
                            if (placeCount(mask) != 2) continue;
                            const std::array<int, 2> ends = {unitCells(u)[at(std::countr_zero(mask))],
                                                             unitCells(u)[at(31 - std::countl_zero(mask))]};
                            for (int e = 0; e < 2; ++e) {
                                const int a = ends[at(e)], other = ends[at(1 - e)];
                                if (turn == 0 ? rowOf(a) != r : columnOf(a) != k) continue;
                                if (turn == 0 ? bandOf(rowOf(other)) == boxBand(b)
                                              : stackOf(columnOf(other)) == boxStack(b))
                                    continue;
                                const int target =
                                    turn == 0 ? cellAt(rowOf(other), k) : cellAt(r, columnOf(other));
                                if (!p.has(target, d)) continue;
                                const int box = boxUnit(b);
                                Step step{Technique::EmptyRectangle,
                                          unitOf(box),
                                          cellsOf(box, places),
                                          digitBit(d),
                                          {},
                                          {{target, d}}};
                                step.cells.push_back(a);
                                step.cells.push_back(other);
                                step.chain = {node(other, d, false), node(a, d, true),
                                              ChainNode{cellsOf(box, near), d, false},
                                              ChainNode{cellsOf(box, far), d, true}};
                                if (auto found = finished(step)) return found;
                            }
                        }
                    }
                }
        }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
