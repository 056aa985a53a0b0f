#include "chainoverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "celllabel.h"

namespace dodoru {

namespace {

// Dark enough to read over the hint's yellow and the pencil marks; the line styles, not the colour,
// tell the links apart.
const QColor kChainInk(0, 70, 160);

} // namespace

ChainOverlay::ChainOverlay(const std::array<CellLabel*, kCellCount>& cells, QWidget* parent)
    : QWidget(parent), cells_(cells) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    if (parent) parent->installEventFilter(this);
}

void ChainOverlay::draw(const HintDrawing& drawing) {
    drawing_ = drawing;
    if (parentWidget()) setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

void ChainOverlay::clear() {
    drawing_ = {};
    hide();
}

bool ChainOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

QPointF ChainOverlay::spot(int cell, int digit) const {
    const QRect r = cells_[static_cast<std::size_t>(cell)]->geometry();
    const qreal w = r.width() / 3.0, h = r.height() / 3.0;
    return QPointF(r.left() + ((digit - 1) % 3 + 0.5) * w, r.top() + ((digit - 1) / 3 + 0.5) * h);
}

QPointF ChainOverlay::centre(const HintDrawing::Node& node) const {
    QPointF sum;
    for (const int c : node.cells) sum += spot(c, node.digit);
    return node.cells.empty() ? sum : sum / static_cast<qreal>(node.cells.size());
}

void ChainOverlay::paintEvent(QPaintEvent*) {
    if (drawing_.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect first = cells_[0]->geometry();
    const qreal radius = std::max(4.0, std::min(first.width(), first.height()) / 6.0);
    const qreal line = std::max(1.5, radius / 3.5);

    // The links first, so that the rings lie on top of them.
    for (std::size_t i = 0; i + 1 < drawing_.nodes.size() && i < drawing_.links.size(); ++i) {
        const QPointF from = centre(drawing_.nodes[i]), to = centre(drawing_.nodes[i + 1]);
        const QPointF along = to - from;
        const qreal length = std::hypot(along.x(), along.y());
        if (length < 2 * radius) continue; // two digits of one cell: the rings show the link
        const QPointF unit = along / length;
        const QPointF a = from + unit * radius, b = to - unit * radius;
        QPen pen(kChainInk, line);
        pen.setCapStyle(Qt::FlatCap);
        if (drawing_.links[i] == HintDrawing::Link::Weak) pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(a, b);
        // The arrowhead.
        const QPointF normal(-unit.y(), unit.x());
        const qreal head = radius * 0.9;
        QPainterPath arrow;
        arrow.moveTo(b);
        arrow.lineTo(b - unit * head + normal * head * 0.5);
        arrow.lineTo(b - unit * head - normal * head * 0.5);
        arrow.closeSubpath();
        painter.fillPath(arrow, kChainInk);
    }
    // The rings: a digit that is there, or one struck through that is not.
    for (const HintDrawing::Node& node : drawing_.nodes)
        for (const int c : node.cells) {
            const QPointF at = spot(c, node.digit);
            painter.setPen(QPen(kChainInk, node.on ? line * 1.4 : line));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, radius, radius);
            if (!node.on) painter.drawLine(at + QPointF(-radius, radius) * 0.7, at + QPointF(radius, -radius) * 0.7);
            QFont small = font();
            small.setPixelSize(std::max(8, static_cast<int>(radius * 1.3)));
            painter.setFont(small);
            painter.drawText(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                             QString::number(node.digit));
        }
}

} // namespace dodoru
