#pragma once

#include <QWidget>

namespace dodoru {

// A straight grid line of the window, horizontal or vertical, `width` pixels thick and centred on its
// position, drawn in the window's text colour. It takes no mouse input.
class GridLine : public QWidget {
public:
    // Positions in pixels: a horizontal line runs from `from` to `to` at y = `at`; a vertical one at x =
    // `at`.
    GridLine(Qt::Orientation orientation, int at, int from, int to, int width, QWidget* parent);

    Qt::Orientation orientation() const { return orientation_; }
    int lineWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    int width_;
};

} // namespace dodoru
