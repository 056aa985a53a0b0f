#include "commandfocus.h"

namespace dodoru {

CommandFocus::CommandFocus(QWidget* window, QWidget* pressed) : window_(window) {
    QWidget* focus = window->focusWidget();
    if (focus == nullptr || focus == window || !window->isAncestorOf(focus)) return;
    returnTo_ = pressed ? pressed : focus;
    window->setFocus(Qt::OtherFocusReason);
}

CommandFocus::~CommandFocus() {
    if (!window_ || !returnTo_) return;
    if (window_->focusWidget() != window_.data()) return; // the user has moved it
    if (returnTo_->isEnabled() && returnTo_->isVisibleTo(window_)) returnTo_->setFocus(Qt::OtherFocusReason);
}

} // namespace dodoru
