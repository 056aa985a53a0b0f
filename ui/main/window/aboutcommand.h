#pragma once

#include <QObject>

#include <QList>

#include <functional>

class QAction;

namespace dodoru {

// 關於 Dodoru數字方陣… (F1), the last entry of the window's context menu: brings back the About box that
// start-up shows, once it has been closed, or to the front while it is open.
class AboutCommand final : public QObject {
    Q_OBJECT
public:
    explicit AboutCommand(std::function<void()> showAboutBox);

    QAction* action() const { return action_; }
    // A separator, then the action: what the menu lists.
    QList<QAction*> actions() const { return {separator_, action_}; }

private:
    QAction* separator_ = nullptr;
    QAction* action_ = nullptr;
};

} // namespace dodoru
