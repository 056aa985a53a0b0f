#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;

namespace dodoru {

// A command of the main window, owned by `owner`: once added to the window (QWidget::addAction), its
// shortcuts work wherever the focus is in the window, and the window's context menu lists it.
QAction* makeWindowCommand(QObject* owner, const QString& text, const QList<QKeySequence>& shortcuts,
                           const QString& tooltip);

} // namespace dodoru
