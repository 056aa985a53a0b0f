#include "inputpause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace dodoru {

InputPause::InputPause(QWidget& window) : window_(&window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputPause::~InputPause() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputPause::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || window_ == nullptr || widget->window() != window_) return false;
    // An accepted override keeps a shortcut from firing; the key itself is then dropped here too.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
}

} // namespace dodoru
