// The main window as laid out: every control at its place in pixels (15 twips each), with its name,
// caption, tooltip, font, colour and tab order.
#include <QComboBox>
#include <QFontInfo>
#include <QTimer>
#include <QtTest>

#include "appinfo.h"
#include "manuscriptpuzzle.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

class LayoutTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowHarness> harness;
    MainWindow& window() { return harness->window(); }

private slots:
    void initTestCase() {
        prepareApplication();
        harness = std::make_unique<WindowHarness>();
        QCOMPARE(window().scale().twipsPerPixelX(), 15.0);
    }
    void cleanupTestCase() { harness.reset(); }

    void windowIsFixedAt624By610() {
        QCOMPARE(window().objectName(), QStringLiteral("Form1"));
        QCOMPARE(window().size(), QSize(624, 610));
        QCOMPARE(window().minimumSize(), QSize(624, 610));
        QCOMPARE(window().maximumSize(), QSize(624, 610));
        const Qt::WindowFlags flags = window().windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    void captionAndTitle() {
        QCOMPARE(window().windowTitle(),
                 QStringLiteral("Dodoru - 數字方陣 (設計:Dodoru 工作室 dodoru@example.com  "
                                "https://www.example.com/dodoru/ )"));
        QCOMPARE(app::applicationTitle(), QStringLiteral("Dodoru數字方陣"));
        QVERIFY(!window().windowIcon().isNull());
    }

    void cells_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        // twips / 15: (135, 1395) -> (9, 93), cells 900 x 720 -> 60 x 48
        QTest::newRow("Label1(0)") << 0 << QRect(9, 93, 60, 48);
        QTest::newRow("Label1(8)") << 8 << QRect(547, 93, 60, 48);
        QTest::newRow("Label1(9)") << 9 << QRect(9, 149, 60, 48);
        QTest::newRow("Label1(40)") << 40 << QRect(278, 319, 60, 48);
        QTest::newRow("Label1(72)") << 72 << QRect(9, 547, 60, 48);
        QTest::newRow("Label1(80)") << 80 << QRect(547, 547, 60, 48);
        QTest::newRow("Label1(28)") << 28 << QRect(76, 265, 60, 48);
    }
    void cells() {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        auto* cell = window().findChild<ColourLabel*>(QStringLiteral("Label1(%1)").arg(index));
        QVERIFY(cell);
        QCOMPARE(cell, window().Label1(index));
        QCOMPARE(cell->geometry(), geometry);
        QCOMPARE(cell->alignment(), Qt::AlignCenter);
        QCOMPARE(cell->font().family(), QStringLiteral("新細明體"));
        QCOMPARE(cell->font().pointSizeF(), 36.0);
        QVERIFY(!cell->autoFillBackground());
    }

    void everyCellLiesBetweenItsLines() {
        for (int c = 0; c < 81; ++c) {
            const QRect cell = window().Label1(c)->geometry();
            for (int i = 0; i < 20; ++i)
                QVERIFY2(!cell.intersects(window().Line1(i)->geometry()),
                         qPrintable(QStringLiteral("cell %1 crosses line %2").arg(c).arg(i)));
        }
    }

    void lines_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        // horizontal lines x 90..9150 (6..610 px), vertical lines y 1335..8970 (89..598 px); width 3
        // lines centred on their position
        QTest::newRow("Line1(1) top frame") << 1 << QRect(6, 87, 605, 3);
        QTest::newRow("Line1(0) first inner") << 0 << QRect(6, 145, 605, 1);
        QTest::newRow("Line1(3) box border") << 3 << QRect(6, 258, 605, 3);
        QTest::newRow("Line1(8)") << 8 << QRect(6, 543, 605, 1);
        QTest::newRow("Line1(9) bottom frame") << 9 << QRect(6, 599, 605, 3);
        QTest::newRow("Line1(10) left frame") << 10 << QRect(4, 89, 3, 510);
        QTest::newRow("Line1(11)") << 11 << QRect(72, 89, 1, 510);
        QTest::newRow("Line1(16) box border") << 16 << QRect(408, 89, 3, 510);
        QTest::newRow("Line1(19) right frame") << 19 << QRect(610, 89, 3, 510);
    }
    void lines() {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        auto* line = window().findChild<GridLine*>(QStringLiteral("Line1(%1)").arg(index));
        QVERIFY(line);
        QCOMPARE(line->geometry(), geometry);
    }

    void lineWidths() {
        for (int i = 0; i < 20; ++i) {
            const bool thick =
                i == 1 || i == 3 || i == 6 || i == 9 || i == 10 || i == 13 || i == 16 || i == 19;
            QCOMPARE(window().Line1(i)->lineWidth(), thick ? 3 : 1);
            QCOMPARE(window().Line1(i)->orientation(), i <= 9 ? Qt::Horizontal : Qt::Vertical);
        }
    }

    void buttons_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<double>("points");
        QTest::newRow("0") << 0 << QRect(7, 27, 80, 27)
                           << "Set the topic" << 14.25;
        QTest::newRow("1") << 1 << QRect(254, 27, 153, 53)
                           << "The automatic solution" << 26.25;
        QTest::newRow("2") << 2 << QRect(414, 27, 153, 53)
                           << "The clearance does it again " << 26.25;
        QTest::newRow("3") << 3 << QRect(7, 53, 80, 27)
                           << "Auto Set the topic (Very Easy)" << 14.25;
        QTest::newRow("4") << 4 << QRect(86, 27, 80, 27)
                           << "Auto Set the topic (Easy)" << 14.25;
        QTest::newRow("5") << 5 << QRect(86, 53, 80, 27)
                           << "Auto Set the topic (Medium)" << 14.25;
        QTest::newRow("6") << 6 << QRect(166, 27, 80, 27)
                           << "Auto Set the topic (Hard)" << 14.25;
        QTest::newRow("7") << 7 << QRect(166, 53, 80, 27)
                           << "Auto Set the topic (Very Hard)" << 14.25;
        QTest::newRow("99") << 99 << QRect(575, 27, 37, 53)
                            << "Print" << 26.25;
    }
    void buttons() {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        QFETCH(QString, tooltip);
        QFETCH(double, points);
        auto* button = window().findChild<GraphicalButton*>(QStringLiteral("Command1(%1)").arg(index));
        QVERIFY(button);
        QCOMPARE(button, window().Command1(static_cast<short>(index)));
        QCOMPARE(button->geometry(), geometry);
        // The generate buttons bear the levels' names; the print button a picture.
        if (index >= 3 && index <= 7)
            QCOMPARE(button->text(), levelName(index - 2));
        else
            QCOMPARE(button->text().isEmpty(), index == 99);
        QCOMPARE(button->toolTip(), tooltip);
        QCOMPARE(button->font().family(), QStringLiteral("標楷體"));
        QCOMPARE(button->font().pointSizeF(), points);
        QCOMPARE(button->icon().isNull(), index != 99);
    }

    void fontFacesAreSubstituted() {
        QCOMPARE(QFontInfo(window().Command1(1)->font()).family(), QStringLiteral("AR PL UKai TW"));
        QCOMPARE(QFontInfo(window().Label1(0)->font()).family(), QStringLiteral("AR PL UMing TW"));
    }

    void tabOrder() {
        // the level buttons in the order of their levels
        const QList<short> expected = {0, 1, 2, 3, 4, 5, 6, 7, 99};
        QWidget* at = window().Combo1();
        for (short index : expected) {
            at = at->nextInFocusChain();
            while (at && !qobject_cast<GraphicalButton*>(at)) at = at->nextInFocusChain();
            QVERIFY(at);
            QCOMPARE(at->objectName(), QStringLiteral("Command1(%1)").arg(index));
        }
    }

    void chooser() {
        DigitChooser* combo = window().findChild<DigitChooser*>(QStringLiteral("Combo1"));
        QVERIFY(combo);
        QCOMPARE(combo->geometry(), QRect(20, 100, 41, 32));
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->toolTip(), QStringLiteral("(=0 or 滑鼠右鍵) 表示此號碼清除"));
        QCOMPARE(combo->font().pointSizeF(), 18.0);
        QCOMPARE(combo->count(), 10);
        for (int i = 0; i < 10; ++i) QCOMPARE(combo->itemText(i), QString::number(i));
        QVERIFY(combo->isHidden());
    }

    void hintLabel() {
        ColourLabel* hint = window().findChild<ColourLabel*>(QStringLiteral("Label2"));
        QVERIFY(hint);
        QVERIFY(!hint->text().isEmpty());
        QCOMPARE(hint->foreColor().value(), 0x4080u);
        QVERIFY(hint->toolTip().endsWith(app::kWebPage));
        QCOMPARE(hint->pos(), QPoint(8, 3));
        QCOMPARE(hint->font().pointSizeF(), 12.0);
        QVERIFY(hint->autoSize());
        QVERIFY(hint->isVisible());
    }

    void countAndMessageLabels() {
        ColourLabel* count = window().findChild<ColourLabel*>(QStringLiteral("Label3"));
        QVERIFY(count);
        QCOMPARE(count->pos(), QPoint(600, 4));
        QCOMPARE(count->foreColor().value(), 0xFF0000u);
        QVERIFY(count->alignment() & Qt::AlignRight);
        QVERIFY(count->autoFillBackground());
        QVERIFY(count->font().bold());
        QCOMPARE(count->font().pointSizeF(), 11.25);

        ColourLabel* message = window().findChild<ColourLabel*>(QStringLiteral("題目錯誤"));
        QVERIFY(message);
        QCOMPARE(message->pos(), QPoint(120, 257));
        QCOMPARE(message->text(), MainWindow::verdictText(Verdict::PuzzleError));
        QCOMPARE(message->foreColor().value(), 0xFFu);
        QCOMPARE(message->font().family(), QStringLiteral("標楷體"));
        QCOMPARE(message->font().pointSizeF(), 72.0);
        QVERIFY(!message->autoFillBackground());
    }

    void pictureAndTimer() {
        QWidget* picture = window().findChild<QWidget*>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QVERIFY(picture->isHidden());
        QCOMPARE(picture->geometry(), QRect(0, 0, 37, 17));
        QTimer* timer = window().findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 300);
        QVERIFY(timer->isActive());
    }

    void bannerIsPaintedAtTheTopLeft() {
        const QImage image = window().grab().toImage();
        // the light band of the banner, not the button face, under the hint's first letters
        const QColor band = image.pixelColor(2, 2);
        QVERIFY2(band.red() > band.blue() + 8, qPrintable(band.name()));
        // and a dark grid line where the top frame runs
        QVERIFY(qGray(image.pixel(300, 88)) < 80);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
