#include "windowcommand.h"

#include <QAction>
#include <QWidget>

namespace dodoru {

QAction* makeWindowCommand(QObject* owner, const QString& text, const QList<QKeySequence>& shortcuts,
                           const QString& tooltip) {
    auto* action = new QAction(text, owner);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(tooltip);
    return action;
}

QAction* addWindowCommand(QWidget& window, QObject* owner, const QString& text,
                          const QList<QKeySequence>& shortcuts, const QString& tooltip) {
    QAction* action = makeWindowCommand(owner, text, shortcuts, tooltip);
    window.addAction(action);
    return action;
}

} // namespace dodoru
