#include "colourlabel.h"

#include <QMouseEvent>

#include "accessibility.h"

namespace dodoru {

short buttonMask(Qt::MouseButtons buttons) {
    short mask = 0;
    if (buttons & Qt::LeftButton) mask = static_cast<short>(mask | kLeftButton);
    if (buttons & Qt::RightButton) mask = static_cast<short>(mask | kRightButton);
    if (buttons & Qt::MiddleButton) mask = static_cast<short>(mask | kMiddleButton);
    return mask;
}

short shiftMask(Qt::KeyboardModifiers modifiers) {
    short mask = 0;
    if (modifiers & Qt::ShiftModifier) mask = static_cast<short>(mask | kShiftMask);
    if (modifiers & Qt::ControlModifier) mask = static_cast<short>(mask | kCtrlMask);
    if (modifiers & Qt::AltModifier) mask = static_cast<short>(mask | kAltMask);
    return mask;
}

ColourLabel::ColourLabel(QWidget* parent) : QLabel(parent) {
    installAccessibleInterfaces();
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    // Text is always painted in the text colour, also on a parent whose background is the button face
    // (which would otherwise make the label paint in the button text colour).
    setForegroundRole(QPalette::WindowText);
}

void ColourLabel::setForeColor(ColourValue colour) {
    if (foreColor_ == colour) return;
    foreColor_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(p);
    shownTextChanged();
}

void ColourLabel::resetForeColor() {
    if (!foreColor_) return;
    foreColor_.reset();
    QPalette p = palette();
    p.setColor(QPalette::WindowText, parentWidget() ? parentWidget()->palette().color(QPalette::WindowText)
                                                    : QPalette().color(QPalette::WindowText));
    setPalette(p);
    shownTextChanged();
}

void ColourLabel::setMousePointer(MousePointer style) {
    pointer_ = style;
    applyPointer();
}

void ColourLabel::setMouseIcon(const QCursor& cursor) {
    mouseIcon_ = cursor;
    applyPointer();
}

void ColourLabel::applyPointer() {
    if (pointer_ == MousePointer::Custom && mouseIcon_)
        setCursor(*mouseIcon_);
    else
        unsetCursor();
}

void ColourLabel::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_) fitText();
}

void ColourLabel::setKeepInsideParent(bool on) {
    keepInside_ = on;
    ownLeft_ = x();
    if (autoSize_) fitText();
}

void ColourLabel::fitText() {
    adjustSize();
    if (!keepInside_ || parentWidget() == nullptr) return;
    const int room = parentWidget()->width() - ownLeft_;
    move(width() <= room ? ownLeft_ : qMax(0, parentWidget()->width() - width()), y());
}

void ColourLabel::setOpaque(bool on) {
    setAutoFillBackground(on);
}

void ColourLabel::setCaption(const QString& value) {
    if (value == text()) return;
    // Qt lays out a label's text a pixel lower when the text is set while the label takes the focus: a
    // cell that is the grid's Tab stop paints its digit exactly as the other cells.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    setText(value);
    setFocusPolicy(policy);
    if (autoSize_) fitText();
    shownTextChanged();
}

void ColourLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    const QPoint at = event->position().toPoint();
    emit mouseDown(buttonMask(event->buttons()), shiftMask(event->modifiers()), at.x(), at.y());
    event->accept();
}

void ColourLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = leftPressed_;
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

} // namespace dodoru
