#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace dodoru {

// A command added to `window`: its shortcuts work wherever the focus is in the window, and the
// window's context menu lists it. `owner` owns the action.
QAction* addWindowCommand(QWidget& window, QObject* owner, const QString& text,
                          const QList<QKeySequence>& shortcuts, const QString& tooltip);

} // namespace dodoru
