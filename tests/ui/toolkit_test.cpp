// The layer over the widgets: twips, colours that read back as set, key codes, the chooser's key
// event, grid lines and the window's event pump.
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

#include "celllabel.h"
#include "colourlabel.h"
#include "colours.h"
#include "digitchooser.h"
#include "fonts.h"
#include "fakeplatform.h"
#include "graphicalbutton.h"
#include "gridline.h"
#include "keycodes.h"
#include "twips.h"
#include "windoweventpump.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

// Counts passes and runs no events.
class CountingPass final : public EventPass {
public:
    void run() override { ++runs; }
    int runs = 0;
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void twipsToPixels_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi, client width") << 96.0 << 9360 << 624;
        QTest::newRow("96 dpi, client height") << 96.0 << 9150 << 610;
        QTest::newRow("96 dpi, rounds 552") << 96.0 << 552 << 37;
        QTest::newRow("96 dpi, rounds 7") << 96.0 << 7 << 0;
        QTest::newRow("96 dpi, rounds 8") << 96.0 << 8 << 1;
        QTest::newRow("120 dpi") << 120.0 << 9360 << 780;
        QTest::newRow("144 dpi") << 144.0 << 1440 << 144;
        QTest::newRow("nonsense dpi falls back to 96") << 0.0 << 1500 << 100;
    }
    void twipsToPixels() {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QFETCH(int, pixels);
        const TwipsScale scale(dpi, dpi);
        QCOMPARE(scale.toPixelsX(twips), pixels);
        QCOMPARE(scale.toPixelsY(twips), pixels);
    }

    void pixelsToTwips() {
        const TwipsScale standard;
        QCOMPARE(standard.twipsPerPixelX(), 15.0);
        QCOMPARE(standard.toTwipsX(624), 9360);
        const TwipsScale large(120, 144);
        QCOMPARE(large.twipsPerPixelX(), 12.0);
        QCOMPARE(large.twipsPerPixelY(), 10.0);
        QCOMPARE(large.toTwipsY(61), 610);
    }

    void coloursArePaintedAsBgr_data() {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("painted");
        QTest::newRow("blue given") << quint32(0xFF0000) << QColor(0, 0, 255);
        QTest::newRow("red message") << quint32(0xFF) << QColor(255, 0, 0);
        QTest::newRow("yellow highlight") << quint32(0xFFFF) << QColor(255, 255, 0);
        QTest::newRow("hint brown") << quint32(0x4080) << QColor(0x80, 0x40, 0);
    }
    void coloursArePaintedAsBgr() {
        QFETCH(quint32, value);
        QFETCH(QColor, painted);
        QCOMPARE(toQColor(value), painted);
        QCOMPARE(fromQColor(painted), value);
    }

    void buttonFaceIsThePaletteColour() {
        QCOMPARE(toQColor(kButtonFaceColour), QGuiApplication::palette().color(QPalette::Button));
    }

    void labelPaintsItsColourOnAButtonFaceWindow_data() {
        QTest::addColumn<quint32>("colour");
        QTest::newRow("blue") << quint32(0xFF0000);
        QTest::newRow("red") << quint32(0xFF);
    }
    void labelPaintsItsColourOnAButtonFaceWindow() {
        QFETCH(quint32, colour);
        QWidget window;
        window.setBackgroundRole(QPalette::Button);
        window.setAutoFillBackground(true);
        window.resize(80, 60);
        ColourLabel label(&window);
        label.setGeometry(0, 0, 80, 60);
        QFont font = label.font();
        font.setPixelSize(48);
        label.setFont(font);
        label.setForeColor(colour);
        label.setText(QStringLiteral("8"));
        const QImage image = window.grab().toImage();
        const QColor wanted = toQColor(colour);
        int inColour = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (qAbs(c.red() - wanted.red()) < 40 && qAbs(c.green() - wanted.green()) < 40 &&
                    qAbs(c.blue() - wanted.blue()) < 40)
                    ++inColour;
            }
        QVERIFY2(inColour > 20, qPrintable(QString::number(inColour)));
    }

    void labelSizesToItsText() {
        ColourLabel label;
        label.setGeometry(10, 20, 5, 5);
        label.setAutoSize(true);
        label.setCaption(QStringLiteral("有多組解答"));
        const QSize longer = label.size();
        label.setCaption(QStringLiteral("題"));
        QVERIFY(label.width() < longer.width());
        QCOMPARE(label.pos(), QPoint(10, 20));
    }

    void labelKeptInsideItsParent() {
        QWidget window;
        window.resize(100, 40);
        ColourLabel label(&window);
        label.move(80, 5);
        label.setAutoSize(true);
        label.setKeepInsideParent(true);
        label.setCaption(QStringLiteral("1"));
        QCOMPARE(label.x(), 80);
        label.setCaption(QStringLiteral("空格27"));
        QCOMPARE(label.geometry().right(), 99);
        QVERIFY(label.x() < 80);
        label.setCaption(QStringLiteral("12"));
        QCOMPARE(label.x(), 80);
        QCOMPARE(label.y(), 5);
    }

    void labelReportsButtonMask_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<short>("mask");
        QTest::newRow("left") << Qt::LeftButton << short(1);
        QTest::newRow("right") << Qt::RightButton << short(2);
        QTest::newRow("middle") << Qt::MiddleButton << short(4);
    }
    void labelReportsButtonMask() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(short, mask);
        ColourLabel label;
        label.resize(40, 40);
        label.show();
        QSignalSpy down(&label, &ColourLabel::mouseDown);
        QTest::mouseClick(&label, button, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).value<short>(), mask);
    }

    void labelPointerStyle() {
        QWidget window;
        ColourLabel label(&window);
        label.setMouseIcon(QCursor(Qt::CrossCursor));
        QCOMPARE(label.mousePointer(), MousePointer::Default);
        QVERIFY(!label.testAttribute(Qt::WA_SetCursor));
        label.setMousePointer(MousePointer::Custom);
        QVERIFY(label.testAttribute(Qt::WA_SetCursor));
        QCOMPARE(label.cursor().shape(), Qt::CrossCursor);
        label.setMousePointer(MousePointer::Default);
        QVERIFY(!label.testAttribute(Qt::WA_SetCursor));
    }

    void buttonPaintsItsBackColour() {
        GraphicalButton button;
        button.resize(80, 27);
        button.setBackColor(kHighlightColour);
        const QColor middle = button.grab().toImage().pixelColor(40, 13);
        // the style shades the face a little; it stays a strong yellow
        QVERIFY2(middle.red() > 220 && middle.green() > 220 && middle.blue() < 120,
                 qPrintable(middle.name()));
        button.setBackColor(kButtonFaceColour);
        const QColor plain = button.grab().toImage().pixelColor(40, 13);
        QVERIFY2(plain.blue() > 180, qPrintable(plain.name()));
    }

    // Enter and Return click a focused button as Space does; with Ctrl or Alt, or repeated, they don't.
    void enterClicksAFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
        QTest::newRow("Alt+Return") << int(Qt::Key_Return) << int(Qt::AltModifier) << false << 0;
        QTest::newRow("held Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 0;
    }
    void enterClicksAFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, repeat);
        QFETCH(int, clicks);
        QWidget window;
        auto* button = new GraphicalButton(&window);
        window.show();
        button->setFocus();
        QSignalSpy clicked(button, &QPushButton::clicked);
        if (repeat) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
            QCoreApplication::sendEvent(button, &press);
        } else {
            QTest::keyClick(button, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(clicked.count(), clicks);
    }

    // Without its mark a cell paints exactly as the plain label it replaced; with it, a light red
    // background lies behind the unchanged digit.
    void cellLabelPaintsLikeALabelUntilMarked() {
        QWidget window;
        window.setBackgroundRole(QPalette::Button);
        window.setAutoFillBackground(true);
        window.resize(200, 60);
        auto* plain = new ColourLabel(&window);
        auto* cell = new CellLabel(3, 4, &window);
        for (ColourLabel* label : std::initializer_list<ColourLabel*>{plain, cell}) {
            label->setFont(windowFont(kMingFace, 36));
            label->setAlignment(Qt::AlignCenter);
            label->setForeColor(0xFF0000);
            label->setCaption(QStringLiteral("8"));
        }
        plain->setGeometry(0, 0, 60, 48);
        cell->setGeometry(100, 0, 60, 48);
        const auto shot = [&] { return window.grab().toImage(); };
        QCOMPARE(shot().copy(100, 0, 60, 48), shot().copy(0, 0, 60, 48));
        cell->setConflictMark(true);
        const QImage marked = shot().copy(100, 0, 60, 48);
        QVERIFY(pixelsNear(marked, marked.rect(), QColor(0xFF, 0xC8, 0xC8), 2) > 2000);
        QVERIFY(pixelsNear(marked, marked.rect(), QColor(0, 0, 255)) > 20);
        cell->setConflictMark(false);
        QCOMPARE(shot().copy(100, 0, 60, 48), shot().copy(0, 0, 60, 48));
    }

    void virtualKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<short>("code");
        QTest::newRow("main 0") << int(Qt::Key_0) << false << short(48);
        QTest::newRow("main 5") << int(Qt::Key_5) << false << short(53);
        QTest::newRow("main 9") << int(Qt::Key_9) << false << short(57);
        QTest::newRow("keypad 0") << int(Qt::Key_0) << true << short(96);
        QTest::newRow("keypad 5") << int(Qt::Key_5) << true << short(101);
        QTest::newRow("keypad 9") << int(Qt::Key_9) << true << short(105);
        QTest::newRow("A") << int(Qt::Key_A) << false << short(65);
        QTest::newRow("Z") << int(Qt::Key_Z) << false << short(90);
        QTest::newRow("F1") << int(Qt::Key_F1) << false << short(112);
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << short(106);
        QTest::newRow("keypad .") << int(Qt::Key_Period) << true << short(110);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << false << short(8);
    }
    void virtualKeyCodes() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(short, code);
        const QKeyEvent event(QEvent::KeyRelease, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(virtualKeyCode(event), code);
    }

    void chooserReportsKeyUp() {
        DigitChooser chooser;
        chooser.show();
        QSignalSpy up(&chooser, &DigitChooser::keyUp);
        QTest::keyClick(&chooser, Qt::Key_7, Qt::KeypadModifier);
        QTest::keyClick(&chooser, Qt::Key_3);
        QCOMPARE(up.count(), 2);
        QCOMPARE(up.at(0).at(0).value<short>(), short(103));
        QCOMPARE(up.at(1).at(0).value<short>(), short(51));
    }

    void chooserIgnoresAutoRepeat() {
        DigitChooser chooser;
        QSignalSpy up(&chooser, &DigitChooser::keyUp);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"), true);
        QCoreApplication::sendEvent(&chooser, &repeated);
        QCOMPARE(up.count(), 0);
    }

    void gridLineIsCentredOnItsPosition_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("thick horizontal") << int(Qt::Horizontal) << 3 << QRect(6, 87, 605, 3);
        QTest::newRow("thin horizontal") << int(Qt::Horizontal) << 1 << QRect(6, 88, 605, 1);
        QTest::newRow("thick vertical") << int(Qt::Vertical) << 3 << QRect(87, 6, 3, 605);
    }
    void gridLineIsCentredOnItsPosition() {
        QFETCH(int, orientation);
        QFETCH(int, width);
        QFETCH(QRect, geometry);
        QWidget parent;
        GridLine line(static_cast<Qt::Orientation>(orientation), 88, 6, 610, width, &parent);
        QCOMPARE(line.geometry(), geometry);
        QCOMPARE(line.lineWidth(), width);
    }

    // The pump runs a pass only once the interval has passed since the last one, however often it is
    // polled, and answers Unwind for good once asked to.
    void pumpPacesItsPasses() {
        SteppingClock clock(1'000'000); // 1 ms per read
        CountingPass pass;
        WindowEventPump pump(clock, pass, 15'000'000, 1);
        int mirrored = 0;
        pump.beforePass = [&] { ++mirrored; };
        pump.startCommand();
        for (int i = 0; i < 14; ++i) QCOMPARE(pump.tick(), PumpResult::Continue);
        QCOMPARE(pass.runs, 0);
        QCOMPARE(pump.tick(), PumpResult::Continue);
        QCOMPARE(pass.runs, 1);
        QCOMPARE(mirrored, 1);
        for (int i = 0; i < 100; ++i) pump.tick();
        QVERIFY(pass.runs >= 6 && pass.runs <= 9);
        QCOMPARE(pump.statistics().passes, std::int64_t(pass.runs));
        QVERIFY(pump.statistics().longestGapNs >= 15'000'000);
        pump.requestUnwind();
        QCOMPARE(pump.tick(), PumpResult::Unwind);
        QCOMPARE(pump.pollNow(), PumpResult::Unwind);
    }

    void pumpPollsOnlyEveryStrideTicks() {
        SteppingClock clock(1'000'000);
        CountingPass pass;
        WindowEventPump pump(clock, pass, 15'000'000, 100);
        pump.startCommand();
        const std::int64_t before = clock.reads();
        for (int i = 0; i < 1000; ++i) pump.tick();
        // ten polls in a thousand ticks, each one clock read (no pass is due yet)
        QCOMPARE(clock.reads() - before, std::int64_t(10));
        QCOMPARE(pass.runs, 0);
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
