#include "printplacement.h"

#include <QWidget>

#include <cmath>

#include "twips.h"

namespace dodoru {

namespace {

double roundHalfEven(double value) {
    const double nearest = std::round(value); // halves away from zero
    if (std::abs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return nearest;
}

std::int32_t roundedToInt(double value) {
    return static_cast<std::int32_t>(roundHalfEven(value));
}

// Both operands rounded first, then an integer division truncating towards zero. A scale that rounds
// to 0 twips per pixel (beyond 2880 dpi) divides by 1 instead of failing.
std::int32_t dividedRounded(double twips, double twipsPerPixel) {
    const std::int32_t divisor = std::max(roundedToInt(twipsPerPixel), 1);
    return roundedToInt(twips) / divisor;
}

} // namespace

CaptureValues captureRectangle(const WindowTwips& window) {
    CaptureValues values;
    values.CaptureLeft = dividedRounded(window.left, window.twipsPerPixelX);
    values.CaptureTop = dividedRounded(window.top, window.twipsPerPixelY);
    values.CaptureWidth = dividedRounded(window.width, window.twipsPerPixelX);
    values.CaptureHeight = dividedRounded(window.height, window.twipsPerPixelY);
    return values;
}

PagePlacement placeOnPage(double pageWidth, double pageHeight, double windowWidth, double windowHeight) {
    PagePlacement placement;
    const std::int32_t width = roundedToInt(pageWidth);
    const std::int32_t height = roundedToInt(pageHeight);
    placement.shorterSide = std::min(width, height);
    placement.longerSide = std::max(width, height);

    // The window's sizes are single precision values; a whole number times a single is a double, the
    // product of two singles a single, and the constant 0.8 a double.
    const auto W = static_cast<float>(windowWidth);
    const auto H = static_cast<float>(windowHeight);
    if (W <= 0.0f || H <= 0.0f) return placement;
    const float r = static_cast<float>(static_cast<double>(placement.shorterSide) / static_cast<double>(W));
    placement.scale = r;
    // The offsets follow the sheet's own width and height. On a portrait sheet these are the shorter and
    // the longer side; on a landscape sheet taking them the other way round would push the picture off
    // the bottom of the page.
    placement.x = static_cast<float>((width - static_cast<double>(W)) * r * 0.8 / 2);
    placement.y = static_cast<float>((height - static_cast<double>(H)) * r * 0.8 / 2);
    placement.width = static_cast<double>(W * r) * 0.8;
    placement.height = static_cast<double>(H * r) * 0.8;
    return placement;
}

WindowTwips windowTwips(const QWidget* window) {
    const TwipsScale scale = TwipsScale::forScreen(window->screen());
    WindowTwips twips;
    twips.twipsPerPixelX = scale.twipsPerPixelX();
    twips.twipsPerPixelY = scale.twipsPerPixelY();
    const QRect outer = window->frameGeometry();
    twips.left = outer.x() * twips.twipsPerPixelX;
    twips.top = outer.y() * twips.twipsPerPixelY;
    twips.width = outer.width() * twips.twipsPerPixelX;
    twips.height = outer.height() * twips.twipsPerPixelY;
    return twips;
}

} // namespace dodoru
