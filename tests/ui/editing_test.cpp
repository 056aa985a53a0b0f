// Cell editing in manual set-up mode: the mouse on the cells, the chooser's list and the digit keys of
// the main keyboard and of the keypad.
#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

class EditingTest : public QObject {
    Q_OBJECT
private:
    // Picks an entry of the chooser's open list with the mouse.
    static void pickFromList(DigitChooser* chooser, int row) {
        chooser->showPopup();
        QAbstractItemView* view = chooser->view();
        QTRY_VERIFY(view->isVisible());
        const QRect item = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
        QTRY_VERIFY(!view->isVisible());
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void leftClickPutsTheChooserOnTheCell_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QPoint>("at");
        // cell left + 200 twips, cell top + 100 twips
        QTest::newRow("cell 0") << 0 << QPoint(22, 100);
        QTest::newRow("cell 40") << 40 << QPoint(291, 326);
        QTest::newRow("cell 80") << 80 << QPoint(560, 554);
    }
    void leftClickPutsTheChooserOnTheCell() {
        QFETCH(int, cell);
        QFETCH(QPoint, at);
        WindowHarness h;
        QTest::mouseClick(h->Label1(cell), Qt::LeftButton);
        QVERIFY(h->Combo1()->isVisible());
        QCOMPARE(h->Combo1()->pos(), at);
        QCOMPARE(h->Combo1()->chooserText(), QString());
        QCOMPARE(h->session().selectedCell(), int(cell));
        // the focus stays where it was
        QVERIFY(!h->Combo1()->hasFocus());
    }

    void pickingFromTheListEditsTheSelectedCell() {
        WindowHarness h;
        QTest::mouseClick(h->Label1(12), Qt::LeftButton);
        pickFromList(h->Combo1(), 7);
        QCOMPARE(h->Label1(12)->text(), QStringLiteral("7"));
        QCOMPARE(h->Label1(12)->foreColor().value(), 0xFF0000u);
        QVERIFY(h->session().puzzle().isGiven(12));

        pickFromList(h->Combo1(), 0);
        QCOMPARE(h->Label1(12)->text(), QString());
        QCOMPARE(h->Label1(12)->foreColor().value(), 0x0u);
        QCOMPARE(h->session().puzzle().kind(12), CellKind::Empty);
    }

    void digitKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("shown");
        for (int d = 1; d <= 9; ++d) {
            QTest::addRow("main row %d", d) << int(Qt::Key_0) + d << false << QString::number(d);
            QTest::addRow("keypad %d", d) << int(Qt::Key_0) + d << true << QString::number(d);
        }
    }
    void digitKeys() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, shown);
        WindowHarness h;
        QTest::mouseClick(h->Label1(30), Qt::LeftButton);
        h->Combo1()->setFocus();
        QTest::keyClick(h->Combo1(), static_cast<Qt::Key>(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(h->Label1(30)->text(), shown);
        QCOMPARE(h->Label1(30)->foreColor().value(), 0xFF0000u);
        QCOMPARE(h->Combo1()->chooserText(), shown);
    }

    void zeroClears_data() {
        QTest::addColumn<bool>("keypad");
        QTest::newRow("main row") << false;
        QTest::newRow("keypad") << true;
    }
    void zeroClears() {
        QFETCH(bool, keypad);
        WindowHarness h;
        enterGivens(h.window(), QString(81, QChar('4')).replace(0, 1, QChar('0')));
        QTest::mouseClick(h->Label1(5), Qt::LeftButton);
        QCOMPARE(h->Combo1()->chooserText(), QStringLiteral("4"));
        QTest::keyClick(h->Combo1(), Qt::Key_0, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(h->Label1(5)->text(), QString());
        QCOMPARE(h->Label1(5)->foreColor().value(), 0x0u);
        QCOMPARE(h->Combo1()->chooserText(), QStringLiteral("0"));
    }

    void theLastDigitKeyWins() {
        WindowHarness h;
        QTest::mouseClick(h->Label1(7), Qt::LeftButton);
        QTest::keyClicks(h->Combo1(), QStringLiteral("45"));
        QCOMPARE(h->Label1(7)->text(), QStringLiteral("5"));
        QCOMPARE(h->Combo1()->chooserText(), QStringLiteral("5"));
    }

    void aLetterLeavesTheCellAlone() {
        WindowHarness h;
        QTest::mouseClick(h->Label1(7), Qt::LeftButton);
        QTest::keyClick(h->Combo1(), Qt::Key_6);
        // (Backspace would clear the cell too)
        h->Combo1()->lineEdit()->selectAll();
        QTest::keyClick(h->Combo1(), Qt::Key_A);
        QCOMPARE(h->Combo1()->lineEdit()->text(), QStringLiteral("a"));
        QCOMPARE(h->Label1(7)->text(), QStringLiteral("6"));
        QCOMPARE(h->Label1(7)->foreColor().value(), 0xFF0000u);
    }

    // The key handler's arithmetic on the key code itself: below 96 as it is, else 48 less.
    void keyCodeRule_data() {
        QTest::addColumn<short>("keyCode");
        QTest::addColumn<QString>("cell");
        QTest::newRow("48 is 0") << short(48) << QString();
        QTest::newRow("57 is 9") << short(57) << QStringLiteral("9");
        QTest::newRow("96 is 0") << short(96) << QString();
        QTest::newRow("105 is 9") << short(105) << QStringLiteral("9");
        QTest::newRow("106 is no digit") << short(106) << QStringLiteral("3");
        QTest::newRow("65 is no digit") << short(65) << QStringLiteral("3");
        QTest::newRow("47 is no digit") << short(47) << QStringLiteral("3");
    }
    void keyCodeRule() {
        QFETCH(short, keyCode);
        QFETCH(QString, cell);
        WindowHarness h;
        QTest::mouseClick(h->Label1(20), Qt::LeftButton);
        h->Combo1_KeyUp(51, 0);
        h->Combo1_KeyUp(keyCode, 0);
        QCOMPARE(h->Label1(20)->text(), cell);
    }

    void rightClickClearsAtOnceAndLeavesTheChooser() {
        WindowHarness h;
        enterGivens(h.window(), QString(81, QChar('2')));
        QTest::mouseClick(h->Label1(60), Qt::LeftButton);
        const QPoint chooserAt = h->Combo1()->pos();
        QTest::mouseClick(h->Label1(2), Qt::RightButton);
        QCOMPARE(h->Label1(2)->text(), QString());
        QCOMPARE(h->Label1(2)->foreColor().value(), 0x0u);
        QCOMPARE(h->Combo1()->pos(), chooserAt);
        QCOMPARE(h->Combo1()->chooserText(), QStringLiteral("2"));
        QCOMPARE(h->session().selectedCell(), 60);
        QCOMPARE(h->Label1(60)->text(), QStringLiteral("2"));
    }

    void middleClickDoesNothing() {
        WindowHarness h;
        enterGivens(h.window(), QString(81, QChar('2')));
        QTest::mouseClick(h->Label1(9), Qt::MiddleButton);
        QCOMPARE(h->Label1(9)->text(), QStringLiteral("2"));
        QVERIFY(h->Combo1()->isHidden());
        // left then right held together: the second press carries both buttons and does nothing
        QTest::mousePress(h->Label1(9), Qt::LeftButton);
        QTest::mousePress(h->Label1(9), Qt::RightButton);
        QTest::mouseRelease(h->Label1(9), Qt::RightButton);
        QTest::mouseRelease(h->Label1(9), Qt::LeftButton);
        QCOMPARE(h->Label1(9)->text(), QStringLiteral("2"));
    }

    void clicksOutsideManualSetUpDoNothing_data() {
        QTest::addColumn<short>("command");
        QTest::newRow("after solving") << short(1);
        QTest::newRow("after a declined clear") << short(2);
    }
    void clicksOutsideManualSetUpDoNothing() {
        QFETCH(short, command);
        WindowHarness h;
        enterGivens(h.window(), QStringLiteral("1") + QString(80, QChar('0')));
        h->Command1_Click(command);
        const QString before = labelDigits(h.window());
        QTest::mouseClick(h->Label1(0), Qt::RightButton);
        QTest::mouseClick(h->Label1(1), Qt::LeftButton);
        QCOMPARE(labelDigits(h.window()), before);
        QVERIFY(h->Combo1()->isHidden());
    }

    void aSolverDigitBecomesAGiven() {
        WindowHarness h;
        enterGivens(h.window(), QStringLiteral("1") + QString(80, QChar('0')));
        h->Command1_Click(1);
        h->Command1_Click(0);
        QVERIFY(!h->session().puzzle().isGiven(40));
        const QString digit = h->Label1(40)->text();
        QCOMPARE(digit.size(), 1);
        QTest::mouseClick(h->Label1(40), Qt::LeftButton);
        QCOMPARE(h->Combo1()->chooserText(), digit);
        QTest::keyClick(h->Combo1(), static_cast<Qt::Key>(Qt::Key_0 + digit.toInt()));
        QCOMPARE(h->Label1(40)->text(), digit);
        QCOMPARE(h->Label1(40)->foreColor().value(), 0xFF0000u);
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
