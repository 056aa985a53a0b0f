// Button 99: the capture rectangle, the placement on the page, and the command end to end through a
// PDF printer, including its failures.
#include <QLabel>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <vector>

#include "messageboxes.h"
#include "windowprinter.h"

using namespace dodoru;

namespace {

struct ShownMessage {
    QString text;
    MessageButtons buttons;
    MessageIcon icon;
};

class ScriptedBoxes final : public MessageBoxes {
public:
    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<ShownMessage> shown;
    MessageAnswer show(QWidget*, const QString& text, MessageButtons buttons, MessageIcon icon) override {
        shown.push_back({text, buttons, icon});
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
};

// The real screen reader, watched: records what it was asked and whether the window was enabled.
class WatchedGrabber final : public ScreenGrabber {
public:
    bool failGrab = false;
    bool failRender = false;
    int grabs = 0;
    int renders = 0;
    std::optional<bool> windowEnabledDuringGrab;
    QPointer<QWidget> window;
    QRect asked;
    QScreen* screenOf(QWidget* w) override { return real_.screenOf(w); }
    QPixmap grab(QScreen* screen, int left, int top, int width, int height) override {
        ++grabs;
        if (window) windowEnabledDuringGrab = window->isEnabled();
        asked = QRect(left, top, width, height);
        return failGrab ? QPixmap() : real_.grab(screen, left, top, width, height);
    }
    QPixmap render(QWidget* w, int width, int height) override {
        ++renders;
        return failRender ? QPixmap() : real_.render(w, width, height);
    }

private:
    QtScreenGrabber real_;
};

// A printer whose document starts but cannot be finished, like a queue that refuses the job.
class BrokenEngine final : public QPaintEngine, public QPrintEngine {
public:
    int pixmapsDrawn = 0;
    bool ended = false;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override {
        ended = true;
        return false;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++pixmapsDrawn; }
    Type type() const override { return QPaintEngine::User; }
    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey key) const override {
        if (key == PPK_Resolution) return 300;
        if (key == PPK_FullPage) return true;
        if (key == PPK_QPageLayout)
            return QVariant::fromValue(
                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        return {};
    }
    bool newPage() override { return false; }
    bool abort() override { return true; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override {
        switch (metric) {
        case QPaintDevice::PdmWidth:
            return 2480;
        case QPaintDevice::PdmHeight:
            return 3508;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return 300;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return 1;
        default:
            return 1;
        }
    }
    QPrinter::PrinterState printerState() const override {
        return ended ? QPrinter::Error : QPrinter::Active;
    }
};

class BrokenPrinter final : public QPrinter {
public:
    explicit BrokenPrinter(BrokenEngine* engine) : QPrinter(QPrinter::HighResolution) {
        setFullPage(true);
        setEngines(engine, engine);
    }
};

class PdfPrinters final : public PrinterFactory {
public:
    QString path;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool none = false;
    BrokenEngine* broken = nullptr;
    int created = 0;
    std::unique_ptr<QPrinter> create(QString& reason) override {
        ++created;
        if (broken) return std::make_unique<BrokenPrinter>(broken);
        if (none) {
            reason = QStringLiteral("沒有印表機");
            return nullptr;
        }
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(orientation);
        printer->setFullPage(true);
        return printer;
    }
};

const QColor kWindowColour(255, 0, 255);

// A stand-in main window: magenta, with a child button that is disabled on its own account.
std::unique_ptr<QWidget> makeWindow(QSize size = QSize(624, 610)) {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Dodoru"));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFixedSize(size);
    window->move(40, 30);
    auto* button = new QPushButton(QStringLiteral("0.手動"), window.get());
    button->setObjectName(QStringLiteral("childButton"));
    button->setGeometry(7, 27, 80, 27);
    button->setEnabled(false);
    return window;
}

bool nearColour(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) < 40 && std::abs(qGreen(pixel) - colour.green()) < 40 &&
           std::abs(qBlue(pixel) - colour.blue()) < 40;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    // --- step 5: screen pixels from twips ---
    void captureRectangleRounds_data() {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("perPixelX");
        QTest::addColumn<double>("perPixelY");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("usual scale") << 3690.0 << 2025.0 << 9450.0 << 9630.0 << 15.0 << 15.0
                                     << QRect(246, 135, 630, 642);
        QTest::newRow("truncating division")
            << 44.0 << 29.0 << 9464.0 << 9644.0 << 15.0 << 15.0 << QRect(2, 1, 630, 642);
        QTest::newRow("halves to even before dividing")
            << 37.5 << 22.5 << 30.5 << 29.5 << 15.0 << 15.0 << QRect(2, 1, 2, 2);
        QTest::newRow("negative edges truncate towards zero")
            << -50.0 << -14.0 << 900.0 << 900.0 << 15.0 << 15.0 << QRect(-3, 0, 60, 60);
        QTest::newRow("divisor 12.5 rounds to 12")
            << 120.0 << 240.0 << 9450.0 << 9630.0 << 12.5 << 12.5 << QRect(10, 20, 787, 802);
        QTest::newRow("divisor 13.5 rounds to 14")
            << 140.0 << 280.0 << 9450.0 << 9630.0 << 13.5 << 13.5 << QRect(10, 20, 675, 687);
        QTest::newRow("different scales per axis")
            << 300.0 << 300.0 << 1500.0 << 1500.0 << 10.0 << 20.0 << QRect(30, 15, 150, 75);
    }

    void captureRectangleRounds() {
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, perPixelX);
        QFETCH(double, perPixelY);
        QFETCH(QRect, pixels);
        const CaptureValues values = captureRectangle({left, top, width, height, perPixelX, perPixelY});
        QCOMPARE(values.CaptureLeft, pixels.x());
        QCOMPARE(values.CaptureTop, pixels.y());
        QCOMPARE(values.CaptureWidth, pixels.width());
        QCOMPARE(values.CaptureHeight, pixels.height());
    }

    // --- steps 8 to 10: the image on the page ---
    void a4PageGivesTheKnownPlacement_data() {
        QTest::addColumn<double>("pageWidth");
        QTest::addColumn<double>("pageHeight");
        QTest::newRow("portrait") << 11906.0 << 16838.0;
        QTest::newRow("A4 in points times 20, rounded") << 595.276 * 20 << 841.89 * 20;
    }

    void a4PageGivesTheKnownPlacement() {
        QFETCH(double, pageWidth);
        QFETCH(double, pageHeight);
        const PagePlacement placement = placeOnPage(pageWidth, pageHeight, 9450, 9630);
        QCOMPARE(placement.shorterSide, 11906);
        QCOMPARE(placement.longerSide, 16838);
        QVERIFY(qAbs(placement.scale - 1.25989f) < 0.000005f);
        QVERIFY(qAbs(placement.x - 1237.72f) < 0.005f);
        QVERIFY(qAbs(placement.y - 3632.53f) < 0.005f);
        QVERIFY(qAbs(placement.width - 9524.80) < 0.005);
        QVERIFY(qAbs(placement.height - 9706.22) < 0.005);
        // 80 % of the page width, centred a little right of and below the page's centre.
        QVERIFY(qAbs(placement.width - 0.8 * 11906) < 0.01);
        QVERIFY(placement.x + placement.width / 2 > 11906 / 2.0);
        QVERIFY(placement.y + placement.height / 2 > 16838 / 2.0);
    }

    void landscapeScalesByTheHeightAndStaysOnTheSheet() {
        const PagePlacement portrait = placeOnPage(11906, 16838, 9450, 9630);
        const PagePlacement landscape = placeOnPage(16838, 11906, 9450, 9630);
        QCOMPARE(landscape.shorterSide, 11906);
        QCOMPARE(landscape.longerSide, 16838);
        QCOMPARE(landscape.scale, portrait.scale);
        QCOMPARE(landscape.width, portrait.width);
        QCOMPARE(landscape.height, portrait.height);
        QVERIFY(qAbs(landscape.x - 3723.24f) < 0.01f);
        QVERIFY(qAbs(landscape.y - 1147.01f) < 0.01f);
        QVERIFY(landscape.x + landscape.width < 16838);
        QVERIFY(landscape.y + landscape.height < 11906);
    }

    void emptyWindowPlacesNothing() {
        const PagePlacement placement = placeOnPage(11906, 16838, 0, 0);
        QCOMPARE(placement.shorterSide, 11906);
        QCOMPARE(placement.width, 0.0);
        QCOMPARE(placement.height, 0.0);
    }

    // --- the command ---
    void init() {
        QVERIFY(dir_.isValid());
        printers_ = PdfPrinters();
        printers_.path = dir_.filePath(QStringLiteral("page-%1.pdf").arg(++pdfCount_));
        boxes_ = ScriptedBoxes();
        grabber_ = std::make_unique<WatchedGrabber>();
        window_ = makeWindow();
        picture_ = new QLabel(window_.get());
        picture_->setObjectName(QStringLiteral("Picture1"));
        picture_->setGeometry(0, 0, 37, 17);
        picture_->hide();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        grabber_->window = window_.get();
    }

    void cleanup() {
        window_.reset();
        grabber_.reset();
    }

    void cancelChangesNothing() {
        boxes_.answer = MessageAnswer::Cancel;
        WindowPrinter printer(boxes_, *grabber_, printers_);
        QCOMPARE(printer.print(window_.get(), picture_), PrintOutcome::Cancelled);
        QCOMPARE(boxes_.shown.size(), size_t{1});
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("注意!請問您是否要列印本題目?"));
        QCOMPARE(boxes_.shown[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(boxes_.shown[0].icon, MessageIcon::Question);
        QCOMPARE(grabber_->grabs, 0);
        QCOMPARE(printers_.created, 0);
        QVERIFY(window_->isEnabled());
        QVERIFY(picture_->pixmap().isNull());
        QVERIFY(!QFileInfo::exists(printers_.path));
        QCOMPARE(printer.capture().CaptureWidth, 0);
    }

    void printsOnePageOfTheWindow_data() {
        QTest::addColumn<bool>("screenReadable");
        QTest::addColumn<int>("orientation");
        QTest::newRow("screen pixels, portrait") << true << int(QPageLayout::Portrait);
        QTest::newRow("screen pixels, landscape") << true << int(QPageLayout::Landscape);
        QTest::newRow("window's own rendering") << false << int(QPageLayout::Portrait);
    }

    void printsOnePageOfTheWindow() {
        QFETCH(bool, screenReadable);
        QFETCH(int, orientation);
        grabber_->failGrab = !screenReadable;
        printers_.orientation = static_cast<QPageLayout::Orientation>(orientation);
        WindowPrinter printer(boxes_, *grabber_, printers_);
        QCOMPARE(printer.print(window_.get(), picture_), PrintOutcome::Printed);

        // Only the confirmation was shown; the window was locked while it was captured, and is usable again.
        QCOMPARE(boxes_.shown.size(), size_t{1});
        QCOMPARE(grabber_->windowEnabledDuringGrab, std::optional<bool>(false));
        QVERIFY(window_->isEnabled());
        QVERIFY(!window_->findChild<QPushButton*>(QStringLiteral("childButton"))->isEnabled());

        // The capture rectangle is the window's outer rectangle in pixels.
        const QRect frame = window_->frameGeometry();
        const CaptureValues& capture = printer.capture();
        QCOMPARE(QRect(capture.CaptureLeft, capture.CaptureTop, capture.CaptureWidth, capture.CaptureHeight),
                 frame);
        QCOMPARE(grabber_->asked, frame);
        QCOMPARE(grabber_->renders, screenReadable ? 0 : 1);
        QCOMPARE(capture.ScreenDC.data(), window_->screen());

        // Picture1 holds the image, sized to it, and stays hidden.
        QCOMPARE(picture_->pixmap().deviceIndependentSize().toSize(), frame.size());
        QCOMPARE(picture_->size(), frame.size());
        QVERIFY(picture_->isHidden());
        const QImage captured = picture_->pixmap().toImage();
        QVERIFY(nearColour(captured.pixel(captured.width() / 2, captured.height() / 2), kWindowColour));

        // The placement follows the page's sides and the window's twips.
        const bool landscape = printers_.orientation == QPageLayout::Landscape;
        const PagePlacement expected = placeOnPage(landscape ? 16838 : 11906, landscape ? 11906 : 16838,
                                                   frame.width() * 15.0, frame.height() * 15.0);
        QCOMPARE(printer.placement().shorterSide, 11906);
        QCOMPARE(printer.placement().longerSide, 16838);
        QCOMPARE(printer.placement().x, expected.x);
        QCOMPARE(printer.placement().y, expected.y);
        QCOMPARE(printer.placement().width, expected.width);

        checkPdf(printer.placement(), landscape);
    }

    void noPrinterIsReported() {
        printers_.none = true;
        WindowPrinter printer(boxes_, *grabber_, printers_);
        QCOMPARE(printer.print(window_.get(), picture_), PrintOutcome::NoPrinter);
        QCOMPARE(boxes_.shown.size(), size_t{2});
        QVERIFY(boxes_.shown[1].text.contains(QStringLiteral("找不到印表機")));
        QVERIFY(boxes_.shown[1].text.contains(QStringLiteral("沒有印表機")));
        QCOMPARE(boxes_.shown[1].buttons, MessageButtons::Ok);
        QVERIFY(window_->isEnabled());
    }

    void printerThatCannotStartIsReported() {
        printers_.path = dir_.filePath(QStringLiteral("missing-directory/page.pdf"));
        WindowPrinter printer(boxes_, *grabber_, printers_);
        QCOMPARE(printer.print(window_.get(), picture_), PrintOutcome::PrinterUnavailable);
        QCOMPARE(boxes_.shown.size(), size_t{2});
        QVERIFY(boxes_.shown[1].text.contains(QStringLiteral("無法開始列印")));
        QVERIFY(window_->isEnabled());
        QVERIFY(!QFileInfo::exists(printers_.path));
    }

    void failureWhilePrintingIsReported() {
        BrokenEngine engine;
        printers_.broken = &engine;
        WindowPrinter printer(boxes_, *grabber_, printers_);
        QCOMPARE(printer.print(window_.get(), picture_), PrintOutcome::PrintFailed);
        QCOMPARE(engine.pixmapsDrawn, 1);
        QCOMPARE(printer.placement().shorterSide, 11906);
        QVERIFY(engine.ended); // the started document was ended
        QCOMPARE(boxes_.shown.size(), size_t{2});
        QVERIFY(boxes_.shown[1].text.contains(QStringLiteral("列印時發生錯誤")));
        QCOMPARE(boxes_.shown[1].icon, MessageIcon::Warning);
        QVERIFY(window_->isEnabled());
    }

    void windowWithoutPixelsIsReported() {
        grabber_->failGrab = true;
        grabber_->failRender = true;
        WindowPrinter printer(boxes_, *grabber_, printers_);
        QCOMPARE(printer.print(window_.get(), picture_), PrintOutcome::CaptureFailed);
        QCOMPARE(grabber_->renders, 1);
        QCOMPARE(boxes_.shown.size(), size_t{2});
        QVERIFY(boxes_.shown[1].text.contains(QStringLiteral("無法擷取")));
        QCOMPARE(boxes_.shown[1].buttons, MessageButtons::Ok);
        QCOMPARE(printers_.created, 0);
        QVERIFY(picture_->pixmap().isNull());
        QVERIFY(window_->isEnabled());
    }

    void ownRenderingHasTheFrameSize() {
        const QRect frame = window_->frameGeometry();
        const QPixmap image = renderWindowFrame(window_.get(), frame.width(), frame.height());
        QCOMPARE(image.size(), frame.size());
        const QPoint clientCentre = window_->geometry().center() - frame.topLeft();
        QVERIFY(nearColour(image.toImage().pixel(clientCentre), kWindowColour));
        QVERIFY(renderWindowFrame(window_.get(), 0, 10).isNull());
    }

    void defaultPrinterIsSetUpForTheWholeSheet() {
        QString reason;
        const std::unique_ptr<QPrinter> printer = DefaultPrinterFactory().create(reason);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            QVERIFY(!printer);
            QVERIFY(!reason.isEmpty());
        } else {
            QVERIFY(printer);
            QVERIFY(printer->fullPage());
            QCOMPARE(printer->outputFormat(), QPrinter::NativeFormat);
        }
    }

private:
    void checkPdf(const PagePlacement& placement, bool landscape) {
        QVERIFY(QFileInfo(printers_.path).size() > 0);
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty() || pdfinfo.isEmpty())
            QSKIP("pdftoppm and pdfinfo (poppler-utils) are needed to look at the page");

        QProcess info;
        info.start(pdfinfo, {printers_.path});
        QVERIFY(info.waitForFinished(30000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(text));
        const QString size = landscape
                                 ? QStringLiteral("Page size:\\s+84[12](\\.\\d+)? x 59[56](\\.\\d+)? pts")
                                 : QStringLiteral("Page size:\\s+59[56](\\.\\d+)? x 84[12](\\.\\d+)? pts");
        QVERIFY2(text.contains(QRegularExpression(size)), qPrintable(text));

        // 72 dpi: one pixel is 20 twips.
        const QString prefix = dir_.filePath(QStringLiteral("render-%1").arg(pdfCount_));
        QProcess render;
        render.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                                QStringLiteral("-singlefile"), printers_.path, prefix});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        const QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        QCOMPARE(page.width(), landscape ? 842 : 595);
        const QRectF placed(placement.x / 20.0, placement.y / 20.0, placement.width / 20.0,
                            placement.height / 20.0);
        const QPoint centre = placed.center().toPoint();
        QVERIFY2(nearColour(page.pixel(centre), kWindowColour),
                 "the window's colour is in the middle of the image");
        const QPoint inside =
            (placed.topLeft() + QPointF(placed.width() * 0.9, placed.height() * 0.9)).toPoint();
        QVERIFY(nearColour(page.pixel(inside), kWindowColour));
        const QColor white(255, 255, 255);
        QVERIFY(nearColour(page.pixel(qMax(0, qRound(placed.left()) - 4), centre.y()), white));
        QVERIFY(nearColour(page.pixel(centre.x(), qMax(0, qRound(placed.top()) - 4)), white));
        QVERIFY(
            nearColour(page.pixel(centre.x(), qMin(page.height() - 1, qRound(placed.bottom()) + 4)), white));
        QVERIFY(
            nearColour(page.pixel(qMin(page.width() - 1, qRound(placed.right()) + 4), centre.y()), white));
    }

    QTemporaryDir dir_;
    int pdfCount_ = 0;
    PdfPrinters printers_;
    ScriptedBoxes boxes_;
    std::unique_ptr<WatchedGrabber> grabber_;
    std::unique_ptr<QWidget> window_;
    QPointer<QLabel> picture_;
};

QTEST_MAIN(PrintingTest)
#include "printing_command_test.moc"
