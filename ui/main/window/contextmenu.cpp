#include "contextmenu.h"

#include <QAction>
#include <QActionEvent>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace dodoru {

WindowContextMenu::WindowContextMenu(QWidget& window, std::function<bool(const QPoint&)> opensAt)
    : window_(window), opensAt_(std::move(opensAt)), actions_(new QActionGroup(this)) {
    // A group only to switch its actions off and on together: an action disabled for a reason of its
    // own stays disabled when the group is enabled again.
    actions_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction* action : window_.actions()) take(action);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(key, &window_);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { popup(keyboardPosition(), true); });
    }
    window_.installEventFilter(this);
}

void WindowContextMenu::take(QAction* action) {
    // The one menu keeps its items: assistive technology knows each item by its action, for good.
    if (menu_ && !menu_->actions().contains(action)) menu_->addAction(action);
    QActionGroup* group = action->actionGroup();
    if (group == nullptr)
        actions_->addAction(action);
    else if (group != actions_ && !otherGroups_.contains(group))
        otherGroups_.append(group);
}

void WindowContextMenu::setCommandRunning(bool running) {
    actions_->setEnabled(!running);
    for (const QPointer<QActionGroup>& group : std::as_const(otherGroups_))
        if (group) group->setEnabled(!running);
}

void WindowContextMenu::popup(const QPoint& position, bool fromKeyboard) {
    // Built once: Qt keeps the accessible item of each action with the first menu that showed it, so
    // that a menu built anew would be dead to a screen reader.
    if (!menu_) {
        menu_ = new QMenu(&window_);
        //: The context menu's name for a screen reader.
        menu_->setAccessibleName(tr("視窗指令"));
        menu_->addActions(window_.actions());
    }
    QMenu* menu = menu_;
    menu->close();
    menu->setActiveAction(nullptr);
    menu->popup(window_.mapToGlobal(position));
    if (!fromKeyboard) return;
    for (QAction* action : menu->actions()) {
        if (action->isEnabled() && action->isVisible() && !action->isSeparator()) {
            menu->setActiveAction(action);
            break;
        }
    }
}

QMenu* WindowContextMenu::menu() const {
    return menu_ && menu_->isVisible() ? menu_.data() : nullptr;
}

QPoint WindowContextMenu::keyboardPosition() const {
    const QWidget* focus = window_.focusWidget();
    if (focus == nullptr || focus == &window_ || !focus->isVisible()) return window_.rect().center();
    return focus->mapTo(&window_, focus->rect().center());
}

bool WindowContextMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    if (event->type() == QEvent::ActionAdded) {
        take(static_cast<QActionEvent*>(event)->action());
        return false;
    }
    if (event->type() != QEvent::ContextMenu) return false;
    auto* request = static_cast<QContextMenuEvent*>(event);
    const QPoint position =
        request->reason() == QContextMenuEvent::Keyboard ? keyboardPosition() : request->pos();
    const bool fromKeyboard = request->reason() == QContextMenuEvent::Keyboard;
    if (!fromKeyboard && !opensAt_(position)) return false;
    popup(position, fromKeyboard);
    return true;
}

} // namespace dodoru
