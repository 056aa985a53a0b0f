#pragma once

#include <QPixmap>
#include <QString>

#include "printerfactory.h"
#include "printplacement.h"
#include "screengrabber.h"

class QLabel;
class QPrinter;
class QScreen;
class QWidget;

namespace dodoru {

class MessageBoxes;

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

// "注意!請問您是否要列印本題目?" in the window's language: asked before the window is printed.
QString printQuestion();

} // namespace dodoru
