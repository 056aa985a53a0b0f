#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QPoint;
class QWidget;

namespace dodoru {

// The window's one context menu: every action of the window, in the order they were added, with their
// shortcuts. It opens on a right click anywhere on the window for which `opensAt` says yes (the cells
// keep their own right click), and on the Menu key or Shift+F10. While a long command runs every
// action is disabled, in the menu and as a shortcut alike. The menu is named for assistive technology;
// opened from the keyboard, its first command is highlighted at once, so that a screen reader says it.
class WindowContextMenu final : public QObject {
    Q_OBJECT
public:
    WindowContextMenu(QWidget& window, std::function<bool(const QPoint&)> opensAt);

    void setCommandRunning(bool running);
    // Opens the menu at `position` in the window's coordinates; `fromKeyboard` highlights its first
    // command.
    void popup(const QPoint& position, bool fromKeyboard = false);
    // The menu while it is open.
    QMenu* menu() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Into the group switched off while a command runs; an action of another group brings its group.
    void take(QAction* action);
    QPoint keyboardPosition() const;

    QWidget& window_;
    std::function<bool(const QPoint&)> opensAt_;
    QActionGroup* actions_;
    QList<QPointer<QActionGroup>> otherGroups_; // of actions that came in groups of their own
    QPointer<QMenu> menu_;
};

} // namespace dodoru
