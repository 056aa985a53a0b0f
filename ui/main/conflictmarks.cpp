#include "conflictmarks.h"

#include "celllabel.h"

namespace dodoru {

std::bitset<kCellCount> clashingGivens(const Board& board) {
    std::bitset<kCellCount> clashing;
    for (int a = 0; a < kCellCount; ++a) {
        const Cell& first = board.cell(a);
        if (!first.isGiven() || first.empty()) continue;
        for (int b = a + 1; b < kCellCount; ++b) {
            const Cell& second = board.cell(b);
            if (!second.isGiven() || second.value() != first.value()) continue;
            if (rowOf(a) == rowOf(b) || columnOf(a) == columnOf(b) || boxOf(a) == boxOf(b)) {
                clashing.set(static_cast<std::size_t>(a));
                clashing.set(static_cast<std::size_t>(b));
            }
        }
    }
    return clashing;
}

void ConflictMarks::update(const Board& board, bool shown) {
    const std::bitset<kCellCount> clashing = shown ? clashingGivens(board) : std::bitset<kCellCount>();
    for (int c = 0; c < kCellCount; ++c)
        cells_[static_cast<std::size_t>(c)]->setConflictMark(clashing.test(static_cast<std::size_t>(c)));
}

} // namespace dodoru
