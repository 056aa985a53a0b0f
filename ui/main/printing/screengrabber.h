#pragma once

#include <QPixmap>

class QScreen;
class QWidget;

namespace dodoru {

// Reads the screen.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber() = default;
    // The screen that shows `window`; held while the pixels are copied.
    virtual QScreen* screenOf(QWidget* window) = 0;
    // width x height pixels of what the screen shows at (left, top), desktop coordinates. A null or
    // empty pixmap when the platform cannot read the screen.
    virtual QPixmap grab(QScreen* screen, int left, int top, int width, int height) = 0;
    // What stands in for the screen's pixels when they cannot be read: the window's own rendering.
    virtual QPixmap render(QWidget* window, int width, int height);
};

class QtScreenGrabber final : public ScreenGrabber {
public:
    QScreen* screenOf(QWidget* window) override;
    QPixmap grab(QScreen* screen, int left, int top, int width, int height) override;
};

// The window drawn by itself inside a frame of its outer size; stands in for the screen's pixels.
QPixmap renderWindowFrame(QWidget* window, int width, int height);

} // namespace dodoru
