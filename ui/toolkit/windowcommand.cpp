#include "windowcommand.h"

#include <QAction>

namespace dodoru {

QAction* makeWindowCommand(QObject* owner, const QString& text, const QList<QKeySequence>& shortcuts,
                           const QString& tooltip) {
    auto* action = new QAction(text, owner);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(tooltip);
    return action;
}

} // namespace dodoru
