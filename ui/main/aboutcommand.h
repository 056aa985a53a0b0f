#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace dodoru {

// 關於 Dodoru數字方陣… (F1), the last entry of the window's context menu: brings back the About box that
// start-up shows, once it has been closed, or to the front while it is open.
class AboutCommand final : public QObject {
    Q_OBJECT
public:
    AboutCommand(QWidget& window, std::function<void()> showAboutBox);

    QAction* action() const { return action_; }

private:
    QAction* action_ = nullptr;
};

} // namespace dodoru
