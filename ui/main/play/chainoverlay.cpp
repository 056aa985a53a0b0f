#include "chainoverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "celllabel.h"
#include "gridgeometry.h"

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

std::optional<QPointF> ChainOverlay::arrow(QPainter& painter, const QPointF& from, const QPointF& to,
                                           QPen pen, qreal radius) const {
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    if (length < 2 * radius) return std::nullopt; // two digits of one cell: the rings show the link
    const QPointF unit = along / length;
    const QPointF a = from + unit * radius, b = to - unit * radius;
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(a, b);
    const QPointF normal(-unit.y(), unit.x());
    const qreal head = radius * 0.9;
    QPainterPath tip;
    tip.moveTo(b);
    tip.lineTo(b - unit * head + normal * head * 0.5);
    tip.lineTo(b - unit * head - normal * head * 0.5);
    tip.closeSubpath();
    painter.fillPath(tip, pen.color());
    return (a + b) / 2;
}

// A digit that is there, or one struck through that is not.
void ChainOverlay::ring(QPainter& painter, const HintDrawing::Node& node, qreal radius, qreal line) const {
    QFont small = font();
    small.setPixelSize(std::max(8, static_cast<int>(radius * 1.3)));
    painter.setFont(small);
    painter.setBrush(Qt::NoBrush);
    for (const int c : node.cells) {
        const QPointF at = spot(c, node.digit);
        painter.setPen(QPen(kChainInk, node.on ? line * 1.4 : line));
        painter.drawEllipse(at, radius, radius);
        if (!node.on)
            painter.drawLine(at + QPointF(-radius, radius) * 0.7, at + QPointF(radius, -radius) * 0.7);
        painter.drawText(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
                         QString::number(node.digit));
    }
}

// Each set's cells in one dotted outline, a little inside the cells: cells of a set side by side share
// it, others get their own.
void ChainOverlay::paintSets(QPainter& painter) const {
    // Sets told apart by their outline's pattern, as the words name them in order.
    static constexpr std::array<Qt::PenStyle, 3> kStyles{Qt::DotLine, Qt::DashDotDotLine, Qt::DashLine};
    painter.setBrush(Qt::NoBrush);
    const auto inside = [this](int c) {
        return QRectF(cells_[static_cast<std::size_t>(c)]->geometry()).adjusted(3, 3, -3, -3);
    };
    for (std::size_t s = 0; s < drawing_.sets.size(); ++s) {
        const std::vector<int>& set = drawing_.sets[s];
        painter.setPen(QPen(kChainInk, 2, kStyles[s % kStyles.size()]));
        QPainterPath outline;
        for (const int c : set) {
            QPainterPath cell;
            cell.addRect(inside(c));
            outline = outline.united(cell);
            for (const int d : set) {
                const bool besides = rowOf(c) == rowOf(d) && columnOf(d) == columnOf(c) + 1;
                const bool below = columnOf(c) == columnOf(d) && rowOf(d) == rowOf(c) + 1;
                if (!besides && !below) continue;
                QPainterPath both;
                both.addRect(inside(c).united(inside(d)));
                outline = outline.united(both);
            }
        }
        painter.drawPath(outline.simplified());
    }
}

// Each branch in its own line style from its assumption to its singles, numbered where it starts.
void ChainOverlay::paintBranches(QPainter& painter, qreal radius, qreal line) const {
    static constexpr std::array<Qt::PenStyle, 4> kStyles{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                         Qt::DashDotLine};
    QFont small = font();
    small.setPixelSize(std::max(8, static_cast<int>(radius * 1.2)));
    small.setBold(true);
    for (std::size_t b = 0; b < drawing_.branches.size(); ++b) {
        const std::vector<HintDrawing::Node>& branch = drawing_.branches[b];
        if (branch.empty()) continue;
        const QPen pen(kChainInk, line, kStyles[b % kStyles.size()]);
        // The number sits on the branch's first arrow, else beside its assumption.
        std::optional<QPointF> label;
        for (std::size_t i = 0; i + 1 < branch.size(); ++i) {
            const std::optional<QPointF> middle =
                arrow(painter, centre(branch[i]), centre(branch[i + 1]), pen, radius);
            if (!label) label = middle;
        }
        if (!label) label = centre(branch.front()) + QPointF(-radius, -radius) * 1.2;
        const qreal badge = radius * 0.75;
        painter.setPen(QPen(kChainInk, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(*label, badge, badge);
        painter.setFont(small);
        painter.drawText(QRectF(label->x() - badge, label->y() - badge, 2 * badge, 2 * badge),
                         Qt::AlignCenter, QString::number(b + 1));
    }
    for (const std::vector<HintDrawing::Node>& branch : drawing_.branches)
        for (const HintDrawing::Node& node : branch) ring(painter, node, radius, line);
}

// What the step reaches, in squares, struck through where a candidate goes.
void ChainOverlay::paintConclusion(QPainter& painter, qreal radius, qreal line) const {
    painter.setBrush(Qt::NoBrush);
    for (const HintDrawing::Node& node : drawing_.conclusion)
        for (const int c : node.cells) {
            const QPointF at = spot(c, node.digit);
            const qreal half = radius * 1.1;
            painter.setPen(QPen(kChainInk, line * 1.3));
            painter.drawRect(QRectF(at.x() - half, at.y() - half, 2 * half, 2 * half));
            if (!node.on) painter.drawLine(at + QPointF(-half, half), at + QPointF(half, -half));
        }
}

void ChainOverlay::paintEvent(QPaintEvent*) {
    if (drawing_.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect first = cells_[0]->geometry();
    const qreal radius = std::max(4.0, std::min(first.width(), first.height()) / 6.0);
    const qreal line = std::max(1.5, radius / 3.5);

    paintSets(painter);
    // The links first, so that the rings lie on top of them.
    for (std::size_t i = 0; i + 1 < drawing_.nodes.size() && i < drawing_.links.size(); ++i) {
        QPen pen(kChainInk, line);
        if (drawing_.links[i] == HintDrawing::Link::Weak) pen.setStyle(Qt::DashLine);
        arrow(painter, centre(drawing_.nodes[i]), centre(drawing_.nodes[i + 1]), pen, radius);
    }
    for (const HintDrawing::Node& node : drawing_.nodes) ring(painter, node, radius, line);
    paintBranches(painter, radius, line);
    paintConclusion(painter, radius, line);
}

} // namespace dodoru
