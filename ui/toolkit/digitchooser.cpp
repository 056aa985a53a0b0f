#include "digitchooser.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "colourlabel.h"
#include "keycodes.h"

namespace dodoru {

DigitChooser::DigitChooser(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(10);
    connect(this, &QComboBox::activated, this, [this](int) { emit clicked(); });
}

void DigitChooser::setChooserText(const QString& text) {
    setEditText(text);
}

QString DigitChooser::chooserText() const {
    return currentText();
}

void DigitChooser::keyReleaseEvent(QKeyEvent* event) {
    QComboBox::keyReleaseEvent(event);
    // A held key repeats its presses; only the real release counts.
    if (event->isAutoRepeat()) return;
    emit keyUp(virtualKeyCode(*event), shiftMask(event->modifiers()));
}

} // namespace dodoru
