#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "gridgeometry.h"

namespace dodoru {
namespace {

TEST(CellNumbering, RowsColumnsAndBoxes) {
    EXPECT_EQ(rowOf(0), 0);
    EXPECT_EQ(columnOf(8), 8);
    EXPECT_EQ(rowOf(9), 1);
    EXPECT_EQ(columnOf(9), 0);
    EXPECT_EQ(rowOf(80), 8);
    EXPECT_EQ(columnOf(80), 8);
    EXPECT_EQ(boxOf(40), 4);
    EXPECT_EQ(boxOf(20), 0);
    EXPECT_EQ(boxOf(33), 5);
    EXPECT_EQ(boxOf(60), 8);
}

// Some units written out by hand; every cell lies in its three units, and its peers are exactly the
// 20 other cells of those units.
TEST(GridGeometry, UnitsAndPeers) {
    const struct {
        int unit;
        UnitCells cells;
    } units[] = {
        {0, {0, 1, 2, 3, 4, 5, 6, 7, 8}},           {8, {72, 73, 74, 75, 76, 77, 78, 79, 80}},
        {9, {0, 9, 18, 27, 36, 45, 54, 63, 72}},    {17, {8, 17, 26, 35, 44, 53, 62, 71, 80}},
        {18, {0, 1, 2, 9, 10, 11, 18, 19, 20}},     {22, {30, 31, 32, 39, 40, 41, 48, 49, 50}},
        {23, {33, 34, 35, 42, 43, 44, 51, 52, 53}}, {26, {60, 61, 62, 69, 70, 71, 78, 79, 80}},
    };
    for (const auto& u : units) EXPECT_EQ(unitCells(u.unit), u.cells) << "unit " << u.unit;

    for (int c = 0; c < kCellCount; ++c) {
        const CellUnits& own = unitsOfCell(c);
        EXPECT_EQ(own[0], rowOf(c));
        EXPECT_EQ(own[1], 9 + columnOf(c));
        EXPECT_EQ(own[2], 18 + boxOf(c));
        std::set<int> expected;
        for (const int u : own) {
            const UnitCells& cells = unitCells(u);
            EXPECT_EQ(std::count(cells.begin(), cells.end(), c), 1) << "cell " << c << " unit " << u;
            expected.insert(cells.begin(), cells.end());
        }
        expected.erase(c);
        const CellPeers& peers = peersOf(c);
        EXPECT_EQ(std::set<int>(peers.begin(), peers.end()), expected) << "cell " << c;
        for (int o = 0; o < kCellCount; ++o) EXPECT_EQ(sees(c, o), expected.count(o) == 1) << c << " " << o;
    }
}

} // namespace
} // namespace dodoru
