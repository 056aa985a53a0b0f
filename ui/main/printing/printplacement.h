#pragma once

#include <QPointer>

#include <cstdint>

class QScreen;
class QWidget;

namespace dodoru {

// The print command's values that outlive it: the screen handle (released, but kept as the last
// value) and the capture rectangle in screen pixels.
struct CaptureValues {
    QPointer<QScreen> ScreenDC;
    std::int32_t CaptureLeft = 0;
    std::int32_t CaptureTop = 0;
    std::int32_t CaptureWidth = 0;
    std::int32_t CaptureHeight = 0;
};

// A window's outer rectangle on the screen in twips, and the screen's twips per pixel.
struct WindowTwips {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

// Screen pixels of the window: each value and each divisor rounded half to even first, then divided
// with truncation towards zero.
CaptureValues captureRectangle(const WindowTwips& window);

// Where the captured image goes on the page, in printer twips from the sheet's top-left corner.
struct PagePlacement {
    std::int32_t shorterSide = 0;
    std::int32_t longerSide = 0;
    float scale = 0; // r
    float x = 0;
    float y = 0;
    double width = 0;
    double height = 0;
};

// The image 80 % as wide as the page's shorter side, in the program's single and double precision
// steps; x from the sheet's width, y from its height. Page and window sizes in twips.
PagePlacement placeOnPage(double pageWidth, double pageHeight, double windowWidth, double windowHeight);

// The window's outer rectangle in twips on its screen's scale.
WindowTwips windowTwips(const QWidget* window);

} // namespace dodoru
