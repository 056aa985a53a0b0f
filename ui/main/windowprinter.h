#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

class QLabel;
class QPrinter;
class QScreen;
class QWidget;

namespace dodoru {

class MessageBoxes;

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

// Makes the printer for one document.
class PrinterFactory {
public:
    virtual ~PrinterFactory() = default;
    // A printer set up for whole-sheet coordinates, or null with `reason` set.
    virtual std::unique_ptr<QPrinter> create(QString& reason) = 0;
};

// The system's default printer (the first one when none is marked as default).
class DefaultPrinterFactory final : public PrinterFactory {
public:
    std::unique_ptr<QPrinter> create(QString& reason) override;
};

enum class PrintOutcome {
    Cancelled,          // the user said no; nothing changed
    Printed,            // one page went to the printer
    CaptureFailed,      // no image of the window could be made
    NoPrinter,          // no printer is set up
    PrinterUnavailable, // the printer refused to start the document
    PrintFailed,        // the document was started but printing failed
};

// Button 99: prints the window as the screen shows it on one page, without touching the board or the
// mode. The window is disabled while the page is prepared and enabled again on every path.
class WindowPrinter {
public:
    WindowPrinter(MessageBoxes& boxes, ScreenGrabber& grabber, PrinterFactory& printers)
        : boxes_(boxes), grabber_(grabber), printers_(printers) {}

    // `Picture1` is the hidden label that keeps the captured image; it may be null.
    PrintOutcome print(QWidget* window, QLabel* Picture1);

    const CaptureValues& capture() const { return capture_; }
    const PagePlacement& placement() const { return placement_; }

private:
    QPixmap captureWindow(QWidget* window);

    MessageBoxes& boxes_;
    ScreenGrabber& grabber_;
    PrinterFactory& printers_;
    CaptureValues capture_;
    PagePlacement placement_;
};

// The window's outer rectangle in twips on its screen's scale.
WindowTwips windowTwips(const QWidget* window);

// The window drawn by itself inside a frame of its outer size; stands in for the screen's pixels.
QPixmap renderWindowFrame(QWidget* window, int width, int height);

inline const QString kPrintQuestion = QStringLiteral("注意!請問您是否要列印本題目?");

} // namespace dodoru
