#pragma once

#include <QObject>

#include <array>
#include <bitset>

#include "puzzlestate.h"

namespace dodoru {

class BoardSession;
class CellLabel;

// Marks the clashing givens on the board's cell labels while the user edits, and under the verdict of
// the solve they spoiled; while playing, the player's digits that repeat a given or one another too.
// Takes the marks away when the clash goes or another mode begins.
class ConflictMarks final : public QObject {
public:
    ConflictMarks(BoardSession& session, const std::array<CellLabel*, kCellCount>& cells);

    // Marks the clashing givens of `puzzle` when `shown`, and no cell otherwise.
    void update(const PuzzleState& puzzle, bool shown);

private:
    void show(const std::bitset<kCellCount>& marked);

    BoardSession& session_;
    std::array<CellLabel*, kCellCount> cells_;
};

} // namespace dodoru
