#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "board.h"
#include "hintguide.h"

class QPainter;

namespace dodoru {

class CellLabel;

// Draws a HintDrawing over the board's cells: each node ringed at its digit's pencil-mark place, and
// an arrow from each node to the next; a forcing chain's branches, each in its own line style and
// numbered; what the step reaches in squares; almost locked sets in dotted outlines. Mouse clicks pass
// through to the cells beneath; the drawing follows the cells when the window is resized and goes with
// clear().
class ChainOverlay final : public QWidget {
    Q_OBJECT

public:
    ChainOverlay(const std::array<CellLabel*, kCellCount>& cells, QWidget* parent);

    void draw(const HintDrawing& drawing);
    void clear();
    const HintDrawing& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointF spot(int cell, int digit) const; // the centre of the digit's pencil-mark place
    QPointF centre(const HintDrawing::Node& node) const;
    // An arrow from one node to the next, unless the two lie on one another; returns its middle, or
    // nothing drawn.
    std::optional<QPointF> arrow(QPainter& painter, const QPointF& from, const QPointF& to, QPen pen,
                                 qreal radius) const;
    void ring(QPainter& painter, const HintDrawing::Node& node, qreal radius, qreal line) const;
    void paintSets(QPainter& painter) const;
    void paintBranches(QPainter& painter, qreal radius, qreal line) const;
    void paintConclusion(QPainter& painter, qreal radius, qreal line) const;

    std::array<CellLabel*, kCellCount> cells_;
    HintDrawing drawing_;
};

} // namespace dodoru
