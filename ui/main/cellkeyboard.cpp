#include "cellkeyboard.h"

#include <QApplication>
#include <QKeyEvent>

#include "boardsession.h"
#include "digitchooser.h"

namespace dodoru {

int cellAfterKey(int cell, int key) {
    const int row = rowOf(cell);
    const int column = columnOf(cell);
    switch (key) {
    case Qt::Key_Left: return column > 0 ? cell - 1 : cell;
    case Qt::Key_Right: return column < 8 ? cell + 1 : cell;
    case Qt::Key_Up: return row > 0 ? cell - 9 : cell;
    case Qt::Key_Down: return row < 8 ? cell + 9 : cell;
    case Qt::Key_Home: return row * 9;
    case Qt::Key_End: return row * 9 + 8;
    default: return -1;
    }
}

CellKeyboard::CellKeyboard(QWidget& window, DigitChooser& chooser, BoardSession& session)
    : window_(window), chooser_(chooser), session_(session) {
    // Keys go to the focus widget first, and the buttons use the arrows themselves: only a filter on
    // the application sees them in time.
    qApp->installEventFilter(this);
}

bool CellKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    // The chooser's open list is a window of its own, and so are message boxes and menus.
    if (receiver->window() != &window_) return false;
    return keyPressed(receiver, *static_cast<QKeyEvent*>(event));
}

bool CellKeyboard::keyPressed(QWidget* receiver, const QKeyEvent& key) {
    // A cell is selected only while cells are editable (the chooser is shown on it); every command ends that.
    if (session_.selectedCell() == BoardSession::kNoCell || !session_.editable()) return false;
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const bool inChooser = receiver == &chooser_ || chooser_.isAncestorOf(receiver);
    const int code = key.key();

    if (cellAfterKey(0, code) >= 0) {
        moveSelection(code);
        return true;
    }
    switch (code) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // They would step the closed list and so change the cell's digit.
        return inChooser;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        type(0, QString());
        return true;
    default: break;
    }
    if (code >= Qt::Key_0 && code <= Qt::Key_9 && !inChooser) {
        // The chooser handles its own digits when they are released; elsewhere one press is one digit.
        if (!key.isAutoRepeat()) type(code - Qt::Key_0, QString::number(code - Qt::Key_0));
        return true;
    }
    return false;
}

void CellKeyboard::moveSelection(int key) {
    const int from = session_.selectedCell();
    const int to = cellAfterKey(from, key);
    if (to != from) session_.selectCell(to);
}

void CellKeyboard::type(int digit, const QString& shown) {
    chooser_.setChooserText(shown);
    session_.enterDigit(session_.selectedCell(), digit);
}

} // namespace dodoru
