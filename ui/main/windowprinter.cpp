#include "printing.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "messageboxes.h"
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

// Enables the window again however the command ends.
class EnableAgain {
public:
    explicit EnableAgain(QWidget* window) : window_(window) {}
    ~EnableAgain() {
        if (window_) window_->setEnabled(true);
    }
    EnableAgain(const EnableAgain&) = delete;
    EnableAgain& operator=(const EnableAgain&) = delete;

private:
    QPointer<QWidget> window_;
};

void warn(MessageBoxes& boxes, QWidget* window, const QString& text) {
    boxes.show(window, text, MessageButtons::Ok, MessageIcon::Warning);
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

QPixmap ScreenGrabber::render(QWidget* window, int width, int height) {
    return renderWindowFrame(window, width, height);
}

QScreen* QtScreenGrabber::screenOf(QWidget* window) {
    if (QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center())) return screen;
    return window->screen();
}

QPixmap QtScreenGrabber::grab(QScreen* screen, int left, int top, int width, int height) {
    if (!screen || width <= 0 || height <= 0) return {};
    const QPoint origin = screen->geometry().topLeft();
    return screen->grabWindow(0, left - origin.x(), top - origin.y(), width, height);
}

std::unique_ptr<QPrinter> DefaultPrinterFactory::create(QString& reason) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty()) {
            reason = QStringLiteral("系統中沒有設定任何印表機。");
            return nullptr;
        }
        info = printers.first();
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setFullPage(true);
    return printer;
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

QPixmap renderWindowFrame(QWidget* window, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    const QPixmap client = window->grab();
    if (client.isNull()) return {};
    QPixmap frame(width, height);
    frame.fill(window->palette().color(QPalette::Dark));
    QPainter painter(&frame);
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QPoint offset = inner.topLeft() - outer.topLeft();
    if (offset.y() > 0) {
        const QRect titleBar(0, 0, width, offset.y());
        painter.fillRect(titleBar, window->palette().color(QPalette::Highlight));
        painter.setPen(window->palette().color(QPalette::HighlightedText));
        painter.drawText(titleBar.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         window->windowTitle());
    }
    painter.drawPixmap(QRect(offset, inner.size()), client);
    return frame;
}

QPixmap WindowPrinter::captureWindow(QWidget* window) {
    const WindowTwips outer = windowTwips(window);
    capture_.ScreenDC = grabber_.screenOf(window);
    const CaptureValues rectangle = captureRectangle(outer);
    capture_.CaptureLeft = rectangle.CaptureLeft;
    capture_.CaptureTop = rectangle.CaptureTop;
    capture_.CaptureWidth = rectangle.CaptureWidth;
    capture_.CaptureHeight = rectangle.CaptureHeight;
    QPixmap image = grabber_.grab(capture_.ScreenDC, capture_.CaptureLeft, capture_.CaptureTop,
                                  capture_.CaptureWidth, capture_.CaptureHeight);
    // The screen is not held past the copy; ScreenDC keeps its last value like the other numbers.
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        image = grabber_.render(window, capture_.CaptureWidth, capture_.CaptureHeight);
    return image;
}

PrintOutcome WindowPrinter::print(QWidget* window, QLabel* Picture1) {
    if (boxes_.show(window, kPrintQuestion, MessageButtons::OkCancel, MessageIcon::Question) !=
        MessageAnswer::Ok)
        return PrintOutcome::Cancelled;

    window->setEnabled(false);
    const EnableAgain enableAgain(window);

    const QPixmap image = captureWindow(window);
    if (image.isNull()) {
        warn(boxes_, window, QStringLiteral("無法擷取視窗的畫面，所以無法列印。"));
        return PrintOutcome::CaptureFailed;
    }
    if (Picture1) {
        Picture1->setPixmap(image);
        Picture1->resize(image.deviceIndependentSize().toSize());
    }

    QString reason;
    const std::unique_ptr<QPrinter> printer = printers_.create(reason);
    if (!printer) {
        warn(boxes_, window, QStringLiteral("找不到印表機，無法列印。\n") + reason);
        return PrintOutcome::NoPrinter;
    }

    // Millimetres keep the sheet's exact size; points would come rounded to whole numbers.
    const QRectF sheet = printer->pageLayout().fullRect(QPageLayout::Millimeter);
    constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
    const WindowTwips outer = windowTwips(window);
    placement_ = placeOnPage(sheet.width() * kTwipsPerMillimetre, sheet.height() * kTwipsPerMillimetre,
                             outer.width, outer.height);

    QPainter painter;
    if (!painter.begin(printer.get())) {
        QString name = printer->printerName();
        if (name.isEmpty()) name = printer->outputFileName();
        warn(boxes_, window,
             QStringLiteral("無法列印：印表機「") + name +
                 QStringLiteral("」無法開始列印。\n請檢查印表機是否已連接並可以使用。"));
        return PrintOutcome::PrinterUnavailable;
    }
    const double toDevice = printer->resolution() / 1440.0;
    painter.drawPixmap(QRectF(placement_.x * toDevice, placement_.y * toDevice, placement_.width * toDevice,
                              placement_.height * toDevice),
                       image, QRectF(image.rect()));
    const bool ended = painter.end();
    if (!ended || printer->printerState() == QPrinter::Error) {
        warn(boxes_, window, QStringLiteral("列印時發生錯誤，這一頁沒有印出。"));
        return PrintOutcome::PrintFailed;
    }
    return PrintOutcome::Printed;
}

} // namespace dodoru
