#pragma once

#include <QObject>
#include <array>

#include "board.h"

class QKeyEvent;
class QLabel;
class QString;
class QWidget;

namespace dodoru {

class BoardSession;
class CellLabel;
class DigitChooser;

// Editing and moving on the board from the keyboard.
//
// The grid is one stop in the window's Tab order, after the command buttons: one cell at a time is the
// Tab stop, and while the grid has the keyboard focus that cell has it, so that assistive technology
// hears each cell it comes to as the focused object. The Tab stop follows the selected cell; in manual
// set-up mode and while playing, the cell the grid's focus comes to is selected, as a left click would
// select it.
//
// With a cell selected in manual set-up mode or while playing (the digit chooser is shown on it),
// wherever the focus is in the main window, a digit key (main row or keypad) goes to the selected cell
// exactly as in the chooser, 0 clearing it; Delete and Backspace clear it; the arrow keys, Home and End
// move the selection as a left click on the new cell would. Edits go through the session; the chooser
// shows the key typed, as its own key handler does. In the chooser itself, digits stay with its own key
// handler, and keys that would step through its closed list move the selection instead of changing the
// digit; once the list is open it keeps every key. In the grid the same keys work in every mode: the
// arrows move the focus from cell to cell, and a digit goes where editDigit() takes it. Keys with Ctrl or
// Alt are left alone, so Alt+Down and F4 still open the list and Tab keeps its order.
//
// While playing, a digit typed from the keyboard shows as the cell's own digit: the grid takes the
// focus on that cell and the chooser stays out of the way as long as the grid has it.
class CellKeyboard final : public QObject {
    Q_OBJECT
public:
    // `window` is the main window, whose keys are watched; `cells` its cell labels, `chooser` its digit
    // chooser.
    CellKeyboard(QWidget& window, const std::array<CellLabel*, kCellCount>& cells, DigitChooser& chooser,
                 BoardSession& session);

    bool gridHasFocus() const;
    // A new puzzle to play: the grid takes the keyboard focus on its first empty cell, with nothing
    // selected and its focus mark held until the first key, so the board looks as it did. Where the grid
    // has the focus already, it stays.
    void focusFirstEmptyCell();
    // A digit typed for `cell` that the board does not take (a given while playing, a solved board).
    void refuse(int cell) { emit digitRefused(cell); }

signals:
    void digitRefused(int cell);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(QWidget* receiver, const QKeyEvent& key);
    bool gridKeyPressed(const QKeyEvent& key);
    void moveSelection(int key);
    void type(int digit, const QString& shown);
    // A digit typed on a cell in the grid, 0 to clear it.
    void editDigit(int cell, int digit);
    void moveTabStop(int cell);
    void focusCameToGrid();
    // While playing with the grid focused, the selected cell shows its digit, not the chooser.
    void keepChooserAway();
    // A digit typed while playing: typed on, from the grid.
    void digitTypedWhilePlaying();
    void nameChooser();

    QWidget& window_;
    std::array<CellLabel*, kCellCount> cells_;
    DigitChooser& chooser_;
    BoardSession& session_;
    int tabStop_ = 0; // the cell that takes the focus when the grid gets it
    bool quietFocus_ = false; // the focus comes to the grid without selecting
    // The chooser's label for assistive technology, which on Linux names a combo box by its text.
    QLabel* chooserLabel_;
};

// The cell an arrow key, Home or End moves the selection to from `cell`; at an edge `cell` itself.
// -1 for any other key.
int cellAfterKey(int cell, int key);

} // namespace dodoru
