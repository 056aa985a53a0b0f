#include "celllabel.h"

#include <QPainter>

namespace dodoru {

namespace {

// #FFC8C8: light enough for the blue and black digits to keep their contrast.
const QColor kConflictBackground(0xFF, 0xC8, 0xC8);

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
    describe();
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
}

} // namespace dodoru
