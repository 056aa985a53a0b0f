#include "graphicalbutton.h"

#include <QKeyEvent>

namespace dodoru {

GraphicalButton::GraphicalButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setBackColor(kButtonFaceColour);
}

void GraphicalButton::setBackColor(ColourValue colour) {
    backColor_ = colour;
    QPalette p = palette();
    const QColor paint = toQColor(colour);
    p.setColor(QPalette::Button, paint);
    p.setColor(QPalette::Window, paint);
    setPalette(p);
    setAutoFillBackground(false);
    update();
}

void GraphicalButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // A held key clicks once.
    if (!event->isAutoRepeat()) click();
    event->accept();
}

} // namespace dodoru
