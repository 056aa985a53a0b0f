#include "windowprinter.h"

#include <QCoreApplication>
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

namespace {

// The texts of printing the window, in the window's language.
struct PrintTexts {
    Q_DECLARE_TR_FUNCTIONS(dodoru::PrintTexts)
};

} // namespace

QString printQuestion() {
    //: Asked before the print button prints the window.
    return PrintTexts::tr("注意!請問您是否要列印本題目?");
}

PrintOutcome WindowPrinter::print(QWidget* window, QLabel* Picture1) {
    if (boxes_.show(window, printQuestion(), MessageButtons::OkCancel, MessageIcon::Question) !=
        MessageAnswer::Ok)
        return PrintOutcome::Cancelled;

    window->setEnabled(false);
    const EnableAgain enableAgain(window);

    const QPixmap image = captureWindow(window);
    if (image.isNull()) {
        warn(boxes_, window, PrintTexts::tr("無法擷取視窗的畫面，所以無法列印。"));
        return PrintOutcome::CaptureFailed;
    }
    if (Picture1) {
        Picture1->setPixmap(image);
        Picture1->resize(image.deviceIndependentSize().toSize());
    }

    QString reason;
    const std::unique_ptr<QPrinter> printer = printers_.create(reason);
    if (!printer) {
        //: %1: why no printer can be used, such as 系統中沒有設定任何印表機。
        warn(boxes_, window, PrintTexts::tr("找不到印表機，無法列印。\n%1").arg(reason));
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
        //: %1: the printer's name.
        warn(boxes_, window,
             PrintTexts::tr("無法列印：印表機「%1」無法開始列印。\n請檢查印表機是否已連接並可以使用。")
                 .arg(name));
        return PrintOutcome::PrinterUnavailable;
    }
    const double toDevice = printer->resolution() / 1440.0;
    painter.drawPixmap(QRectF(placement_.x * toDevice, placement_.y * toDevice, placement_.width * toDevice,
                              placement_.height * toDevice),
                       image, QRectF(image.rect()));
    const bool ended = painter.end();
    if (!ended || printer->printerState() == QPrinter::Error) {
        warn(boxes_, window, PrintTexts::tr("列印時發生錯誤，這一頁沒有印出。"));
        return PrintOutcome::PrintFailed;
    }
    return PrintOutcome::Printed;
}

} // namespace dodoru
