#include "platform.h"

#include <QApplication>
#include <QWidget>

namespace dodoru {

void QtEventPass::run() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtProgramEnd::endProgram(QWidget* closing) {
    // Hiding (not closing) the other windows runs none of their handlers.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window != closing && window->isVisible()) window->hide();
    // exit() leaves the main event loop without asking the windows to close once more.
    QCoreApplication::exit(0);
}

} // namespace dodoru
