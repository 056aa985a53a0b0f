#include "cellkeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "boardannouncements.h"
#include "boardsession.h"
#include "celllabel.h"
#include "digitchooser.h"
#include "keycodes.h"

namespace dodoru {

int cellAfterKey(int cell, int key) {
    const int row = rowOf(cell);
    const int column = columnOf(cell);
    switch (key) {
    case Qt::Key_Left:
        return column > 0 ? cell - 1 : cell;
    case Qt::Key_Right:
        return column < 8 ? cell + 1 : cell;
    case Qt::Key_Up:
        return row > 0 ? cell - 9 : cell;
    case Qt::Key_Down:
        return row < 8 ? cell + 9 : cell;
    case Qt::Key_Home:
        return row * 9;
    case Qt::Key_End:
        return row * 9 + 8;
    default:
        return -1;
    }
}

namespace {

// The digit a key types, 0 for the keys that clear a cell; -1 for any other key.
int digitOfKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) return 0;
    return -1;
}

} // namespace

CellKeyboard::CellKeyboard(QWidget& window, const std::array<CellLabel*, kCellCount>& cells,
                           DigitChooser& chooser, BoardSession& session)
    : window_(window), cells_(cells), chooser_(chooser), session_(session),
      chooserLabel_(new QLabel(&window)) {
    chooserLabel_->setObjectName(QStringLiteral("chooserLabel"));
    chooserLabel_->setBuddy(&chooser_);
    chooserLabel_->hide();
    for (int c = 0; c < kCellCount; ++c) cells_[static_cast<std::size_t>(c)]->setTabStop(c == tabStop_);
    // The cells were made before the controls, so the grid comes after the command buttons in the
    // window's circular Tab order (and before them with Shift+Tab). Its focus still starts on its first
    // control, as before, not in the grid.
    const auto isCell = [this](const QWidget* w) {
        return std::find(cells_.begin(), cells_.end(), w) != cells_.end();
    };
    if (window_.focusWidget() == nullptr)
        for (QWidget* w = window_.nextInFocusChain(); w != &window_; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && !isCell(w)) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }

    // After the window's own handler, which shows the chooser on the selected cell.
    connect(&session_, &BoardSession::selectionChanged, this, [this] {
        const int selected = session_.selectedCell();
        if (selected != BoardSession::kNoCell) moveTabStop(selected);
        nameChooser();
    });
    // After the window's own handler, which has entered the digit.
    connect(&chooser_, &DigitChooser::keyUp, this, [this](short keyCode, short /*shift*/) {
        const bool digit = (keyCode >= kDigitKey0 && keyCode <= kDigitKey0 + 9) ||
                           (keyCode >= kKeypadDigitKey0 && keyCode <= kKeypadDigitKey0 + 9);
        if (digit) digitTypedWhilePlaying();
    });
    connect(qApp, &QApplication::focusChanged, this, [this, isCell](QWidget* old, QWidget* now) {
        if (now != nullptr && isCell(now) && !isCell(old)) focusCameToGrid();
    });
    // Keys go to the focus widget first, and the buttons use the arrows themselves: only a filter on
    // the application sees them in time.
    qApp->installEventFilter(this);
}

bool CellKeyboard::gridHasFocus() const {
    return cells_[static_cast<std::size_t>(tabStop_)]->hasFocus();
}

bool CellKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    // The chooser's open list is a window of its own, and so are message boxes and menus.
    if (receiver->window() != &window_) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (gridHasFocus() && receiver == cells_[static_cast<std::size_t>(tabStop_)]) {
        // A key the grid acts on shows where it acts; Ctrl alone, or a shortcut, leaves the board as it is.
        const bool gridKey = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
                             (cellAfterKey(0, key.key()) >= 0 || digitOfKey(key.key()) >= 0);
        if (gridKey) cells_[static_cast<std::size_t>(tabStop_)]->releaseFocusMark();
        return gridKeyPressed(key);
    }
    return keyPressed(receiver, key);
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
    default:
        break;
    }
    if (code >= Qt::Key_0 && code <= Qt::Key_9 && !inChooser) {
        // The chooser handles its own digits when they are released; elsewhere one press is one digit.
        if (!key.isAutoRepeat()) type(code - Qt::Key_0, QString::number(code - Qt::Key_0));
        return true;
    }
    return false;
}

bool CellKeyboard::gridKeyPressed(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (session_.running()) return true;
    const int code = key.key();
    const int to = cellAfterKey(tabStop_, code);
    if (to >= 0) {
        // Where cells are edited (manual set-up, playing) the selection moves, and the Tab stop with it.
        if (to == tabStop_) return true; // an edge
        if (session_.editable())
            session_.selectCell(to);
        else
            moveTabStop(to);
        keepChooserAway();
        return true;
    }
    const int digit = digitOfKey(code);
    if (digit < 0) return false;
    if (!key.isAutoRepeat()) editDigit(tabStop_, digit);
    return true;
}

void CellKeyboard::moveSelection(int key) {
    const int from = session_.selectedCell();
    const int to = cellAfterKey(from, key);
    if (to != from) session_.selectCell(to);
}

void CellKeyboard::type(int digit, const QString& shown) {
    const int cell = session_.selectedCell();
    // A given keeps its digit while playing, and the chooser goes on showing it.
    if (!session_.takesDigit(cell)) {
        refuse(cell);
        return;
    }
    chooser_.setChooserText(shown);
    session_.enterDigit(cell, digit);
    digitTypedWhilePlaying();
}

void CellKeyboard::digitTypedWhilePlaying() {
    const int cell = session_.selectedCell();
    if (!session_.playing() || cell == BoardSession::kNoCell) return;
    if (!gridHasFocus()) cells_[static_cast<std::size_t>(cell)]->setFocus(Qt::OtherFocusReason);
    keepChooserAway();
}

void CellKeyboard::keepChooserAway() {
    if (session_.playing() && gridHasFocus()) chooser_.hide();
}

void CellKeyboard::focusFirstEmptyCell() {
    // A player already in the grid stays on the cell they are on.
    if (gridHasFocus()) return;
    const PuzzleState& puzzle = session_.puzzle();
    int cell = 0;
    while (cell < kCellCount - 1 && puzzle.digit(cell) != 0) ++cell;
    if (session_.selectedCell() != BoardSession::kNoCell) session_.selectCell(BoardSession::kNoCell);
    moveTabStop(cell);
    CellLabel* label = cells_[static_cast<std::size_t>(cell)];
    quietFocus_ = true;
    label->setFocus(Qt::OtherFocusReason);
    quietFocus_ = false;
    label->holdFocusMark();
}

void CellKeyboard::editDigit(int cell, int digit) {
    // A given in manual set-up, the player's digit while playing, as typed after a click on the cell.
    // The other modes take no digits from the keyboard.
    if (!session_.editable()) {
        refuse(cell);
        return;
    }
    if (session_.selectedCell() != cell) session_.selectCell(cell);
    type(digit, digit == 0 ? QString() : QString::number(digit));
}

void CellKeyboard::moveTabStop(int cell) {
    if (cell == tabStop_) return;
    CellLabel* from = cells_[static_cast<std::size_t>(tabStop_)];
    CellLabel* to = cells_[static_cast<std::size_t>(cell)];
    const bool focused = from->hasFocus();
    // A mark waiting for the first key waits on the cell the focus moves to (a click moves it there).
    const bool held = focused && !from->focusMarkShown();
    tabStop_ = cell;
    to->setTabStop(true);
    // Each move is a focus change of its own, which assistive technology announces with the cell's name.
    if (focused) to->setFocus(Qt::OtherFocusReason);
    if (held) to->holdFocusMark();
    from->setTabStop(false);
}

void CellKeyboard::focusCameToGrid() {
    if (quietFocus_) return;
    if (session_.editable() && session_.selectedCell() != tabStop_)
        session_.selectCell(tabStop_);
    keepChooserAway();
}

void CellKeyboard::nameChooser() {
    const int cell = session_.selectedCell();
    //: The digit chooser, named for the cell it edits (第2列第3行).
    const QString name = cell == BoardSession::kNoCell ? QString() : tr("%1的數字").arg(cellPlace(cell));
    chooser_.setAccessibleName(name);
    chooserLabel_->setText(name);
}

} // namespace dodoru
