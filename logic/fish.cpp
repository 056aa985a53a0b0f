// Single-digit patterns over lines: X-wing, swordfish and jellyfish, skyscraper and two-string kite.
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

} // namespace

std::optional<Step> findFish(const Scan& scan, int size) {
    std::optional<Step> found;
    for (int d = 1; d <= 9 && !found; ++d)
        for (int base = 0; base < 2 && !found; ++base) { // 0: rows are the base lines, 1: columns
            std::vector<int> lines;
            for (int i = 0; i < 9; ++i) {
                const int count = std::popcount(static_cast<unsigned>(scan.where[at(9 * base + i)][at(d)]));
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
                if (std::popcount(cover) != size) return false;
                Step step{fishTechnique(size), {}, {}, digitBit(d), {}, {}};
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
                if (std::popcount(m1) != 2) continue;
                for (int l2 = l1 + 1; l2 < 9; ++l2) {
                    const unsigned m2 = scan.where[at(9 * base + l2)][at(d)];
                    if (std::popcount(m2) != 2 || std::popcount(m1 & m2) != 1) continue;
                    // The shared position is the tower's foot; the other two ends see each other's peers.
                    const int end1 = cellOfLine(9 * base + l1, std::countr_zero(m1 & ~m2));
                    const int end2 = cellOfLine(9 * base + l2, std::countr_zero(m2 & ~m1));
                    const int foot1 = cellOfLine(9 * base + l1, std::countr_zero(m1 & m2));
                    const int foot2 = cellOfLine(9 * base + l2, std::countr_zero(m1 & m2));
                    Step step{Technique::Skyscraper, {}, {foot1, end1, foot2, end2}, digitBit(d), {}, {}};
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
            if (std::popcount(rm) != 2) continue;
            for (int column = 0; column < 9; ++column) {
                const unsigned cm = scan.where[at(9 + column)][at(d)];
                if (std::popcount(cm) != 2) continue;
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
                        eliminateSeeingBoth(scan, d, farRow, farColumn, step.cells, step);
                        if (auto found = finished(step)) return found;
                    }
            }
        }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
