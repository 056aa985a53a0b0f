#include "twips.h"

#include <QScreen>
#include <cmath>

namespace dodoru {

namespace {
// A dpi that no real screen reports stands for the standard one.
double sane(double dpi) {
    return (dpi >= 24.0 && dpi <= 1200.0) ? dpi : TwipsScale::kStandardDpi;
}
int rounded(double value) {
    return static_cast<int>(std::lround(value));
}
} // namespace

TwipsScale::TwipsScale(double dpiX, double dpiY)
    : twipsPerPixelX_(kTwipsPerInch / sane(dpiX)), twipsPerPixelY_(kTwipsPerInch / sane(dpiY)) {}

TwipsScale TwipsScale::forScreen(const QScreen* screen) {
    if (screen == nullptr) return TwipsScale();
    return TwipsScale(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

int TwipsScale::toPixelsX(int twips) const {
    return rounded(twips / twipsPerPixelX_);
}
int TwipsScale::toPixelsY(int twips) const {
    return rounded(twips / twipsPerPixelY_);
}
int TwipsScale::toTwipsX(int pixels) const {
    return rounded(pixels * twipsPerPixelX_);
}
int TwipsScale::toTwipsY(int pixels) const {
    return rounded(pixels * twipsPerPixelY_);
}

} // namespace dodoru
