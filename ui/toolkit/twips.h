#pragma once

class QScreen;

namespace dodoru {

// Window positions and sizes are kept in twips (1/1440 inch). A logical pixel is 1440 / dpi twips:
// 15 at the usual 96 dpi.
class TwipsScale {
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kStandardDpi = 96.0;

    TwipsScale() = default;
    TwipsScale(double dpiX, double dpiY);
    // The scale of a screen's logical resolution; the standard one when there is no screen.
    static TwipsScale forScreen(const QScreen* screen);

    double twipsPerPixelX() const { return twipsPerPixelX_; }
    double twipsPerPixelY() const { return twipsPerPixelY_; }

    // Rounded to the nearest pixel.
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    int toTwipsX(int pixels) const;
    int toTwipsY(int pixels) const;

private:
    double twipsPerPixelX_ = kTwipsPerInch / kStandardDpi;
    double twipsPerPixelY_ = kTwipsPerInch / kStandardDpi;
};

} // namespace dodoru
