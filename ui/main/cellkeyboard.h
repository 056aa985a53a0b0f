#pragma once

#include <QObject>

class QKeyEvent;
class QString;
class QWidget;

namespace dodoru {

class BoardSession;
class DigitChooser;

// Editing from the keyboard while a cell is selected in manual set-up mode or while playing (the digit chooser is shown
// on it). Wherever the focus is in the main window, a digit key (main row or keypad) goes to the selected
// cell exactly as in the chooser, 0 clearing it; Delete and Backspace clear it; the arrow keys, Home and
// End move the selection as a left click on the new cell would. Edits go through the session; the
// chooser shows the key typed, as its own key handler does. In the chooser itself, digits stay with
// its own key handler, and keys that would step through its closed list move the selection instead of
// changing the digit; once the list is open it keeps every key. Keys with Ctrl or Alt are left alone, so
// Alt+Down and F4 still open the list and Tab keeps its order.
class CellKeyboard final : public QObject {
public:
    // `window` is the main window, whose keys are watched; `chooser` its digit chooser.
    CellKeyboard(QWidget& window, DigitChooser& chooser, BoardSession& session);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(QWidget* receiver, const QKeyEvent& key);
    void moveSelection(int key);
    void type(int digit, const QString& shown);

    QWidget& window_;
    DigitChooser& chooser_;
    BoardSession& session_;
};

// The cell an arrow key, Home or End moves the selection to from `cell`; at an edge `cell` itself.
// -1 for any other key.
int cellAfterKey(int cell, int key);

} // namespace dodoru
