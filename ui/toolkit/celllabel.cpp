#include "celllabel.h"

#include <QCoreApplication>
#include <QPainter>

namespace dodoru {

namespace {

// #FFC8C8: light enough for the blue and black digits to keep their contrast.
const QColor kConflictBackground(0xFF, 0xC8, 0xC8);
// Dark orange, apart from the blue and black digits and from the conflict mark's light red.
const QColor kFocusMark(0xD0, 0x60, 0x00);
constexpr int kFocusMarkWidth = 3; // pixels

} // namespace

// Rows (列) run across and columns (行) down, as the window's readers count them, from 1.
QString cellAccessibleName(int row, int column, const QString& text) {
    //: What a screen reader says of an empty cell.
    const QString empty = QCoreApplication::translate("dodoru::CellLabel", "空格");
    //: What a screen reader says of a cell: its row and column, counted from 1 at the top left, then
    //: its digit, or 空格 when it is empty (%3).
    return QCoreApplication::translate("dodoru::CellLabel", "第%1列第%2行，%3")
        .arg(QString::number(row + 1), QString::number(column + 1), text.isEmpty() ? empty : text);
}

QString cellAccessibleDescription(const QString& text, bool given, bool conflict) {
    QString kind;
    if (text.isEmpty())
        //: A screen reader's description of an empty cell.
        kind = QCoreApplication::translate("dodoru::CellLabel", "尚未填入數字");
    else if (given)
        //: A screen reader's description of a cell holding a digit of the puzzle (a given, shown in blue).
        kind = QCoreApplication::translate("dodoru::CellLabel", "題目給定的數字");
    else
        //: A screen reader's description of a cell whose digit the program found by solving.
        kind = QCoreApplication::translate("dodoru::CellLabel", "程式解出的數字");
    //: Added to a cell's description when its digit repeats a given in its row, column or 3x3 box.
    if (conflict)
        kind += QCoreApplication::translate("dodoru::CellLabel", "；與同列、同行或同一九宮格的題目數字重複");
    return kind;
}

CellLabel::CellLabel(int row, int column, QWidget* parent) : ColourLabel(parent), row_(row), column_(column) {
    setFocusPolicy(Qt::NoFocus);
    describe();
}

void CellLabel::setTabStop(bool on) {
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void CellLabel::focusInEvent(QFocusEvent* event) {
    ColourLabel::focusInEvent(event);
    update();
}

void CellLabel::focusOutEvent(QFocusEvent* event) {
    ColourLabel::focusOutEvent(event);
    update();
}

void CellLabel::setConflictMark(bool on) {
    if (conflictMark_ == on) return;
    conflictMark_ = on;
    describe();
    update();
}

void CellLabel::shownTextChanged() {
    describe();
}

void CellLabel::describe() {
    const QString shown = text();
    setAccessibleName(cellAccessibleName(row_, column_, shown));
    setAccessibleDescription(
        cellAccessibleDescription(shown, foreColor() == kGivenTextColour, conflictMark_));
}

void CellLabel::paintEvent(QPaintEvent* event) {
    if (conflictMark_) {
        QPainter painter(this);
        painter.fillRect(rect(), kConflictBackground);
    }
    ColourLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        const qreal inset = kFocusMarkWidth / 2.0;
        painter.setPen(QPen(kFocusMark, kFocusMarkWidth));
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

} // namespace dodoru
