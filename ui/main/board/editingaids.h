#pragma once

#include <array>
#include <memory>

#include "boardhistory.h"

class QWidget;

namespace dodoru {

class BoardSession;
class CellKeyboard;
class CellLabel;
class ConflictMarks;
class DigitChooser;

// The aids that make editing the board safer and quicker: the conflict marks on the cell labels,
// typing and moving from the keyboard, and undo and redo. Each hears the session's announcements and
// edits through it.
class EditingAids {
public:
    EditingAids(QWidget& window, BoardSession& session, const std::array<CellLabel*, kCellCount>& cells,
                DigitChooser& chooser);
    ~EditingAids();

    BoardHistory& history() { return *history_; }
    CellKeyboard& keyboard() { return *keyboard_; }

private:
    std::unique_ptr<ConflictMarks> marks_;
    std::unique_ptr<CellKeyboard> keyboard_;
    std::unique_ptr<BoardHistory> history_;
};

} // namespace dodoru
