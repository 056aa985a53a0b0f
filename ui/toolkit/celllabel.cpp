#include "celllabel.h"

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
    const QString place = QStringLiteral("第%1列第%2行").arg(row + 1).arg(column + 1);
    return place + QStringLiteral("，") + (text.isEmpty() ? QStringLiteral("空格") : text);
}

QString cellAccessibleDescription(const QString& text, bool given, bool conflict) {
    QString kind;
    if (text.isEmpty())
        kind = QStringLiteral("尚未填入數字");
    else if (given)
        kind = QStringLiteral("題目給定的數字");
    else
        kind = QStringLiteral("程式解出的數字");
    if (conflict) kind += QStringLiteral("；與同列、同行或同一九宮格的題目數字重複");
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
    setAccessibleDescription(cellAccessibleDescription(shown, foreColor() == kGivenTextColour, conflictMark_));
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
