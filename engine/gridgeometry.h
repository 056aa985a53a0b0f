#pragma once

#include <array>
#include <cstdint>

namespace dodoru {

// The shape of the 9×9 grid, written once. Cells are numbered 0..80 row by row; rows, columns and
// boxes 0..8 (boxes row by row too). The 27 units are numbered rows 0..8, columns 9..17, boxes 18..26,
// each unit's cells in reading order.
inline constexpr int kCellCount = 81;
inline constexpr int kUnitCount = 27;
inline constexpr int kPeerCount = 20;

constexpr int rowOf(int cell) {
    return cell / 9;
}
constexpr int columnOf(int cell) {
    return cell % 9;
}
// Bands are the three rows of boxes, stacks the three columns of boxes, both 0..2.
constexpr int bandOf(int row) {
    return row / 3;
}
constexpr int stackOf(int column) {
    return column / 3;
}
constexpr int boxOf(int cell) {
    return 3 * bandOf(rowOf(cell)) + stackOf(columnOf(cell));
}
constexpr int cellAt(int row, int column) {
    return 9 * row + column;
}
// The band and the stack of a box.
constexpr int boxBand(int box) {
    return box / 3;
}
constexpr int boxStack(int box) {
    return box % 3;
}
// The first row and the first column of a box.
constexpr int boxTopRow(int box) {
    return 3 * boxBand(box);
}
constexpr int boxLeftColumn(int box) {
    return 3 * boxStack(box);
}
// The k-th cell (0..8) of a box in reading order.
constexpr int cellOfBox(int box, int k) {
    return cellAt(boxTopRow(box) + k / 3, boxLeftColumn(box) + k % 3);
}
// The unit numbers of a row, a column and a box.
constexpr int rowUnit(int row) {
    return row;
}
constexpr int columnUnit(int column) {
    return 9 + column;
}
constexpr int boxUnit(int box) {
    return 18 + box;
}
// A grid line 0..9 (between rows or columns) that borders a box.
constexpr bool isBoxEdge(int line) {
    return line % 3 == 0;
}

using UnitCells = std::array<std::uint8_t, 9>;
using CellUnits = std::array<std::uint8_t, 3>; // its row, column and box units
using CellPeers = std::array<std::uint8_t, kPeerCount>;

struct GridGeometry {
    std::array<UnitCells, kUnitCount> unitCells{};
    std::array<CellUnits, kCellCount> unitsOfCell{};
    std::array<std::uint32_t, kCellCount> unitMask{}; // bit u for each unit u of the cell
    std::array<CellPeers, kCellCount> peers{};        // ascending
};

constexpr GridGeometry makeGridGeometry() {
    GridGeometry g{};
    for (int i = 0; i < 9; ++i)
        for (int k = 0; k < 9; ++k) {
            const auto at = static_cast<std::size_t>(k);
            g.unitCells[static_cast<std::size_t>(rowUnit(i))][at] = static_cast<std::uint8_t>(cellAt(i, k));
            g.unitCells[static_cast<std::size_t>(columnUnit(i))][at] =
                static_cast<std::uint8_t>(cellAt(k, i));
            g.unitCells[static_cast<std::size_t>(boxUnit(i))][at] =
                static_cast<std::uint8_t>(cellOfBox(i, k));
        }
    for (int c = 0; c < kCellCount; ++c) {
        const auto at = static_cast<std::size_t>(c);
        g.unitsOfCell[at] = {static_cast<std::uint8_t>(rowUnit(rowOf(c))),
                             static_cast<std::uint8_t>(columnUnit(columnOf(c))),
                             static_cast<std::uint8_t>(boxUnit(boxOf(c)))};
        g.unitMask[at] =
            (1u << rowUnit(rowOf(c))) | (1u << columnUnit(columnOf(c))) | (1u << boxUnit(boxOf(c)));
        std::size_t n = 0;
        for (int p = 0; p < kCellCount; ++p)
            if (p != c && (rowOf(p) == rowOf(c) || columnOf(p) == columnOf(c) || boxOf(p) == boxOf(c)))
                g.peers[at][n++] = static_cast<std::uint8_t>(p);
    }
    return g;
}

inline constexpr GridGeometry kGrid = makeGridGeometry();

constexpr const UnitCells& unitCells(int unit) {
    return kGrid.unitCells[static_cast<std::size_t>(unit)];
}
constexpr const CellUnits& unitsOfCell(int cell) {
    return kGrid.unitsOfCell[static_cast<std::size_t>(cell)];
}
constexpr std::uint32_t unitMaskOf(int cell) {
    return kGrid.unitMask[static_cast<std::size_t>(cell)];
}
// The 20 cells that share a unit with `cell`.
constexpr const CellPeers& peersOf(int cell) {
    return kGrid.peers[static_cast<std::size_t>(cell)];
}
// Two distinct cells that share a unit.
constexpr bool sees(int a, int b) {
    return a != b && (unitMaskOf(a) & unitMaskOf(b)) != 0;
}

} // namespace dodoru
