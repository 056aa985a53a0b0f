#include "celllabel.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

namespace dodoru {

namespace {

// #FFC8C8: light enough for the blue and black digits to keep their contrast.
const QColor kConflictBackground(0xFF, 0xC8, 0xC8);
// Dark orange, apart from the blue and black digits and from the conflict mark's light red.
const QColor kFocusMark(0xD0, 0x60, 0x00);
constexpr int kFocusMarkWidth = 3; // pixels
// #FFF0A0: the hint's cells, as light as the conflict mark.
const QColor kHintBackground(0xFF, 0xF0, 0xA0);
const QColor kMistakeInk(0xC8, 0x00, 0x00);
// Black, in bold type: a small digit's thin strokes come out much lighter than their ink, and the marks
// are text that must stand out from the cell (4.5:1 at least as painted).
const QColor kPencilInk(0x00, 0x00, 0x00);

} // namespace

// Rows (列) run across and columns (行) down, as the window's readers count them, from 1.
QString cellAccessibleName(int row, int column, const QString& text, std::uint16_t pencilMarks, CellDigitKind kind,
                           bool conflict, bool mistake) {
    //: What a screen reader says of an empty cell.
    const QString empty = QCoreApplication::translate("dodoru::CellLabel", "空格");
    //: What a screen reader says of a cell: its row and column, counted from 1 at the top left, then
    //: its digit, or 空格 when it is empty (%3).
    QString name = QCoreApplication::translate("dodoru::CellLabel", "第%1列第%2行，%3")
                       .arg(QString::number(row + 1), QString::number(column + 1), text.isEmpty() ? empty : text);
    if (text.isEmpty()) {
        if (pencilMarks == 0) return name;
        QStringList digits;
        for (int d = 1; d <= 9; ++d)
            if (pencilMarks & (1u << (d - 1))) digits << QString::number(d);
        //: Added to an empty cell's name when it holds pencil marks: the digits, separated by spaces.
        return name + QCoreApplication::translate("dodoru::CellLabel", "，候選數 %1").arg(digits.join(QLatin1Char(' ')));
    }
    switch (kind) {
    case CellDigitKind::Given:
        //: Added to a cell's name after its digit when the digit is a given of the puzzle (shown in blue).
        //: Short: a screen reader says it at every cell.
        name += QCoreApplication::translate("dodoru::CellLabel", "，題目");
        break;
    case CellDigitKind::Player:
        //: Added to a cell's name after its digit when the player typed it while playing. Short.
        name += QCoreApplication::translate("dodoru::CellLabel", "，你填的");
        break;
    case CellDigitKind::Answer:
        //: Added to a cell's name after its digit when the program found it by solving. Short.
        name += QCoreApplication::translate("dodoru::CellLabel", "，解答");
        break;
    }
    //: Added to a cell's name when its digit repeats another in its row, column or 3x3 box. Short.
    if (conflict) name += QCoreApplication::translate("dodoru::CellLabel", "，重複");
    //: Added to a cell's name when 檢查 (check) found that the player's digit is not the solution's. Short.
    if (mistake) name += QCoreApplication::translate("dodoru::CellLabel", "，不對");
    return name;
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
    focusMarkHeld_ = false;
    update();
}

void CellLabel::holdFocusMark() {
    focusMarkHeld_ = true;
    update();
}

void CellLabel::releaseFocusMark() {
    if (!focusMarkHeld_) return;
    focusMarkHeld_ = false;
    update();
}

void CellLabel::setConflictMark(bool on) {
    if (conflictMark_ == on) return;
    conflictMark_ = on;
    describe();
    update();
}

void CellLabel::setHintMark(bool on) {
    if (hintMark_ == on) return;
    hintMark_ = on;
    update();
}

void CellLabel::setMistakeMark(bool on) {
    if (mistakeMark_ == on) return;
    mistakeMark_ = on;
    describe();
    update();
}

void CellLabel::setPencilMarks(std::uint16_t marks) {
    if (pencilMarks_ == marks) return;
    pencilMarks_ = marks;
    describe();
    update();
}

void CellLabel::setDigitKind(CellDigitKind kind) {
    if (kind_ == kind) return;
    kind_ = kind;
    describe();
}

void CellLabel::shownTextChanged() {
    describe();
}

QString CellLabel::spokenName() const {
    return cellAccessibleName(row_, column_, text(), pencilMarks_, kind_, conflictMark_, mistakeMark_);
}

void CellLabel::describe() {
    if (tellPending_ || isHidden()) return;
    tellPending_ = true;
    QTimer::singleShot(0, this, [this] { tellName(); });
}

void CellLabel::tellName() {
    tellPending_ = false;
    if (isHidden()) return;
    const QString name = spokenName();
    if (!toldName_ || name == *toldName_) {
        // Before it was first shown nobody heard a name: nothing changed for anybody.
        toldName_ = name;
        return;
    }
    toldName_ = name;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    emit nameTold();
}

void CellLabel::showEvent(QShowEvent* event) {
    ColourLabel::showEvent(event);
    // What changed while it was hidden.
    describe();
}

void CellLabel::paintEvent(QPaintEvent* event) {
    if (conflictMark_ || hintMark_) {
        QPainter painter(this);
        painter.fillRect(rect(), conflictMark_ ? kConflictBackground : kHintBackground);
    }
    ColourLabel::paintEvent(event);
    if (!focusMarkShown() && !mistakeMark_ && (pencilMarks_ == 0 || !text().isEmpty())) return;
    QPainter painter(this);
    if (text().isEmpty()) paintPencilMarks(painter);
    if (mistakeMark_) {
        // A frame and a stroke: told apart from the other marks by shape as well as by colour.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kMistakeInk, 2));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
        painter.drawLine(rect().topRight() + QPoint(-4, 4), rect().bottomLeft() + QPoint(4, -4));
    }
    if (focusMarkShown()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const qreal inset = kFocusMarkWidth / 2.0;
        painter.setPen(QPen(kFocusMark, kFocusMarkWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

void CellLabel::paintPencilMarks(QPainter& painter) const {
    QFont small = font();
    // A third of the cell's height per digit, and no smaller than a legible 9 pixels.
    small.setPixelSize(qMax(9, height() / 3 - 1));
    small.setWeight(QFont::Bold);
    painter.setFont(small);
    painter.setPen(kPencilInk);
    const qreal w = width() / 3.0;
    const qreal h = height() / 3.0;
    for (int d = 1; d <= 9; ++d) {
        if ((pencilMarks_ & (1u << (d - 1))) == 0) continue;
        const QRectF box(((d - 1) % 3) * w, ((d - 1) / 3) * h, w, h);
        painter.drawText(box, Qt::AlignCenter, QString::number(d));
    }
}

} // namespace dodoru
