// What the cells tell beyond their digit: a light red mark behind givens that clash, and the name and
// description a screen reader announces.
#include <QAccessible>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

#include "celllabel.h"
#include "playgame.h"
#include "windowfeatures.h"
#include "conflictmarks.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QColor kMark(0xFF, 0xC8, 0xC8);

// 81 characters of '1' where a cell carries the mark.
QString markMask(const MainWindow& window) {
    QString out;
    for (int c = 0; c < 81; ++c) out += window.Label1(c)->conflictMark() ? QChar('1') : QChar('0');
    return out;
}

QString cells(std::initializer_list<int> marked) {
    QString out(81, QChar('0'));
    for (int c : marked) out[c] = QChar('1');
    return out;
}

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QStringLiteral("(no interface)");
}

// The contrast of two colours as the web's accessibility guidelines define it, 1 to 21.
double contrastRatio(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class CellMarksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // Pencil marks are text: each digit, as painted, stands out from the cell at 4.5:1 at least. Its ink
    // is where the darkest third of its stroke (the pixels that differ from the cell) begins, so that a
    // thin, washed-out stroke with a few dark pixels does not pass.
    void pencilMarksContrast() {
        WindowHarness h;
        enterGivens(h.window(), QStringLiteral(
                                    "530070000600195000098000060800060003400803001700020006060000280000419005000080079"));
        h->features().play().play();
        for (int d = 1; d <= 9; ++d) h->session().togglePencilMark(40, d);
        CellLabel* cell = h->Label1(40);
        QCOMPARE(cell->pencilMarks(), std::uint16_t{kAllPencilMarks});
        const QImage image = cell->grab().toImage();
        const QColor background = image.pixelColor(1, 1);
        for (int d = 0; d < 9; ++d) {
            const QRect box(d % 3 * image.width() / 3, d / 3 * image.height() / 3, image.width() / 3,
                            image.height() / 3);
            std::vector<QRgb> stroke;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (qGray(image.pixel(x, y)) < qGray(background.rgb()) - 16) stroke.push_back(image.pixel(x, y));
            QVERIFY(stroke.size() >= 6);
            std::sort(stroke.begin(), stroke.end(), [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
            const QColor ink = QColor::fromRgb(stroke[stroke.size() / 3]);
            const double ratio = contrastRatio(ink, background);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("digit %1: %2 on %3, %4:1")
                                                  .arg(d + 1)
                                                  .arg(ink.name(), background.name())
                                                  .arg(ratio, 0, 'f', 2)));
        }
    }

    // The rule alone, on boards made in the model.
    void clashingGivens_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("blue");
        QTest::addColumn<QString>("clashing");
        const QString allBlue(81, QChar('1'));
        QTest::newRow("empty board") << QString(81, QChar('0')) << allBlue << cells({});
        QTest::newRow("same digit in a row") << "5000000050" + QString(71, QChar('0')) << allBlue << cells({0, 8});
        QTest::newRow("same digit in a column")
            << "3" + QString(71, QChar('0')) + "300000000" << allBlue << cells({0, 72});
        QTest::newRow("same digit in a box, other row and column")
            << "7000000000" + QString(10, QChar('0')) + "7" + QString(60, QChar('0')) << allBlue << cells({0, 20});
        QTest::newRow("three in a row")
            << "990900000" + QString(72, QChar('0')) << allBlue << cells({0, 1, 3});
        QTest::newRow("different digits") << "123456789" + QString(72, QChar('0')) << allBlue << cells({});
        QTest::newRow("same digit far apart") << "1000000000001" + QString(68, QChar('0')) << allBlue
                                              << cells({});
        // A digit the program wrote is no part of the puzzle.
        QTest::newRow("given and computed digit") << "4400" + QString(77, QChar('0'))
                                                  << "10" + QString(79, QChar('1')) << cells({});
    }
    void clashingGivens() {
        QFETCH(QString, board);
        QFETCH(QString, blue);
        QFETCH(QString, clashing);
        PuzzleState model;
        for (int c = 0; c < 81; ++c) {
            const int digit = board.at(c).digitValue();
            if (digit == 0) continue;
            model.setCell(c, digit, blue.at(c) == QChar('1') ? CellKind::Given : CellKind::Answer);
        }
        const auto found = model.clashingDigits(false);
        QString mask;
        for (int c = 0; c < 81; ++c) mask += found.test(static_cast<std::size_t>(c)) ? QChar('1') : QChar('0');
        QCOMPARE(mask, clashing);
    }

    // Marks follow the user's edits at once: typing a repeat marks both cells, clearing one removes both
    // marks, and what is painted then is exactly the unmarked board.
    void marksComeAndGoWithTheClash() {
        WindowHarness h;
        const QImage clean = h->grab().toImage();
        QTest::mouseClick(h->Label1(10), Qt::LeftButton);
        h->Combo1_KeyUp('6', 0);
        QTest::mouseClick(h->Label1(16), Qt::LeftButton);
        h->Combo1_KeyUp('6', 0);
        QCOMPARE(markMask(h.window()), cells({10, 16}));
        const QImage marked = h->grab().toImage();
        QVERIFY(pixelsNear(marked, h->Label1(16)->geometry(), kMark, 4) > 1000);
        QCOMPARE(pixelsNear(marked, h->Label1(17)->geometry(), kMark, 4), 0);
        // the digits keep their blue on the mark
        QVERIFY(pixelsNear(marked, h->Label1(10)->geometry(), QColor(0, 0, 255)) > 20);

        QTest::mouseClick(h->Label1(28), Qt::LeftButton); // the column of 10
        h->Combo1_KeyUp('6', 0);
        QCOMPARE(markMask(h.window()), cells({10, 16, 28}));
        h->Combo1_KeyUp('5', 0);
        QCOMPARE(markMask(h.window()), cells({10, 16}));
        QTest::mouseClick(h->Label1(10), Qt::RightButton);
        QCOMPARE(markMask(h.window()), cells({}));
        QTest::mouseClick(h->Label1(16), Qt::RightButton);
        QTest::mouseClick(h->Label1(28), Qt::RightButton);
        h->Combo1()->hide();
        QCOMPARE(h->grab().toImage(), clean);
    }

    // A solve spoiled by clashing givens says 此題無解 and leaves the marks under the verdict; a
    // generation takes them away with the board.
    void marksStayUnderTheVerdict() {
        WindowHarness h;
        enterGivens(h.window(), "12" + QString(8, QChar('0')) + "1" + QString(70, QChar('0')));
        QCOMPARE(markMask(h.window()), cells({0, 10}));
        QTest::mouseClick(h->Command1(1), Qt::LeftButton);
        QCOMPARE(h->題目錯誤()->text(), QStringLiteral("此題無解"));
        QVERIFY(h->題目錯誤()->isVisible());
        QCOMPARE(markMask(h.window()), cells({0, 10}));
        QVERIFY(pixelsNear(h->grab().toImage(), h->Label1(0)->geometry(), kMark, 4) > 1000);

        QTest::mouseClick(h->Command1(3), Qt::LeftButton);
        QCOMPARE(markMask(h.window()), cells({}));
    }

    void cellsSayWhereTheyAreAndWhatTheyShow() {
        WindowHarness h;
        enterGivens(h.window(),
                    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079"));
        // what the cell shows, then what kind of digit it is and its marks, in the name a reader says
        QCOMPARE(accessibleText(h->Label1(0), QAccessible::Name), QStringLiteral("第1列第1行，5，題目"));
        QCOMPARE(accessibleText(h->Label1(11), QAccessible::Name), QStringLiteral("第2列第3行，空格"));
        QVERIFY(accessibleText(h->Label1(0), QAccessible::Description).isEmpty());

        h->Command1_Click(1);
        QCOMPARE(accessibleText(h->Label1(11), QAccessible::Name), QStringLiteral("第2列第3行，2，解答"));

        h->Command1_Click(0);
        enterGivens(h.window(), QString(8, QChar('0')) + "5" + QString(72, QChar('0')));
        QCOMPARE(accessibleText(h->Label1(0), QAccessible::Name), QStringLiteral("第1列第1行，5，題目，重複"));
        h->Label1(0)->setMistakeMark(true);
        QCOMPARE(accessibleText(h->Label1(0), QAccessible::Name), QStringLiteral("第1列第1行，5，題目，重複，不對"));
        // the other controls keep their captions
        QCOMPARE(accessibleText(h->Command1(1), QAccessible::Name), QStringLiteral("自動解題"));
    }
};

QTEST_MAIN(CellMarksTest)
#include "cellmarks_test.moc"
