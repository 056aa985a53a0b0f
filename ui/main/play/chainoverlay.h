#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "board.h"
#include "hintguide.h"

namespace dodoru {

class CellLabel;

// Draws a HintDrawing over the board's cells: each node ringed at its digit's pencil-mark place, and
// an arrow from each node to the next. Mouse clicks pass through to the cells beneath; the drawing
// follows the cells when the window is resized and goes with clear().
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

    std::array<CellLabel*, kCellCount> cells_;
    HintDrawing drawing_;
};

} // namespace dodoru
