#include "gridline.h"

#include <QPainter>

namespace dodoru {

GridLine::GridLine(Qt::Orientation orientation, int at, int from, int to, int width, QWidget* parent)
    : QWidget(parent), orientation_(orientation), width_(width < 1 ? 1 : width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int before = (width_ - 1) / 2;
    if (orientation_ == Qt::Horizontal)
        setGeometry(from, at - before, to - from + 1, width_);
    else
        setGeometry(at - before, from, width_, to - from + 1);
}

void GridLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace dodoru
