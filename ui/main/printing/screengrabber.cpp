#include "screengrabber.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace dodoru {

QPixmap ScreenGrabber::render(QWidget* window, int width, int height) {
    return renderWindowFrame(window, width, height);
}

QScreen* QtScreenGrabber::screenOf(QWidget* window) {
    if (QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center())) return screen;
    return window->screen();
}

QPixmap QtScreenGrabber::grab(QScreen* screen, int left, int top, int width, int height) {
    if (!screen || width <= 0 || height <= 0) return {};
    const QPoint origin = screen->geometry().topLeft();
    return screen->grabWindow(0, left - origin.x(), top - origin.y(), width, height);
}

QPixmap renderWindowFrame(QWidget* window, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    const QPixmap client = window->grab();
    if (client.isNull()) return {};
    QPixmap frame(width, height);
    frame.fill(window->palette().color(QPalette::Dark));
    QPainter painter(&frame);
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QPoint offset = inner.topLeft() - outer.topLeft();
    if (offset.y() > 0) {
        const QRect titleBar(0, 0, width, offset.y());
        painter.fillRect(titleBar, window->palette().color(QPalette::Highlight));
        painter.setPen(window->palette().color(QPalette::HighlightedText));
        painter.drawText(titleBar.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         window->windowTitle());
    }
    painter.drawPixmap(QRect(offset, inner.size()), client);
    return frame;
}

} // namespace dodoru
