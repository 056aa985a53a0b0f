#pragma once

#include <QObject>
#include <memory>

#include "boardhistory.h"

namespace dodoru {

class CellKeyboard;
class ConflictMarks;
class MainWindow;

// The rooms that make editing the board safer and quicker, wired to the window here: the conflict
// marks, typing and moving from the keyboard, and undo and redo.
class EditingRooms {
public:
    explicit EditingRooms(MainWindow& window);
    ~EditingRooms();

    BoardHistory& history() { return *history_; }

    // Everything the command of button `index` changes is one undo step; an undone solve goes back to
    // manual set-up mode, so that its puzzle can be worked on.
    BoardHistory::Step commandStep(short index);

private:
    MainWindow& window_;
    QObject connections_; // ends the connections to the session with the rooms
    std::unique_ptr<ConflictMarks> marks_;
    std::unique_ptr<CellKeyboard> keyboard_;
    std::unique_ptr<BoardHistory> history_;
};

} // namespace dodoru
