// Editing from the keyboard: digits typed anywhere in the window after a click on a cell, the arrows,
// Home and End moving the selection, Delete and Backspace, and the chooser's own keys.
#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

#include "cellkeyboard.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

// Where the chooser stands on a cell, as a left click puts it.
QPoint chooserOn(MainWindow& window, int cell) {
    return window.Label1(cell)->pos() + QPoint(window.scale().toPixelsX(200), window.scale().toPixelsY(100));
}

// Sends a key to whatever has the focus in the window, as the keyboard does.
void type(MainWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(focus, key, modifiers);
}

const QString kUniquePuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // After a left click a digit goes to the cell at once, whatever has the focus: the button pressed
    // last, or the window itself. The field shows it as if typed there.
    void clickThenType_data() {
        QTest::addColumn<bool>("focusOnButton");
        QTest::addColumn<bool>("keypad");
        QTest::newRow("focus on a button, main row") << true << false;
        QTest::newRow("focus on a button, keypad") << true << true;
        QTest::newRow("no focus, main row") << false << false;
    }
    void clickThenType() {
        QFETCH(bool, focusOnButton);
        QFETCH(bool, keypad);
        WindowHarness h;
        if (focusOnButton) h->Command1(1)->setFocus();
        const Qt::KeyboardModifiers pad = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::mouseClick(h->Label1(40), Qt::LeftButton);
        type(h.window(), Qt::Key_7, pad);
        QCOMPARE(h->Label1(40)->text(), QStringLiteral("7"));
        QCOMPARE(h->Label1(40)->foreColor().value(), 0xFF0000u);
        QCOMPARE(h->Combo1()->chooserText(), QStringLiteral("7"));
        type(h.window(), Qt::Key_0, pad);
        QVERIFY(h->Label1(40)->text().isEmpty());
        QCOMPARE(h->Label1(40)->foreColor().value(), 0x0u);
        // the key went to the cell and not to the button
        QCOMPARE(h->Command1(1)->backColor(), 0x8000000Fu);
        QCOMPARE(h->focusWidget() == h->Command1(1), focusOnButton);
    }

    // Five cells clicked and five digits typed, after a clear: all five are on the board.
    void fiveClicksFiveDigits() {
        WindowHarness h;
        h.messageBoxes->answerNext(MessageAnswer::Yes);
        QTest::mouseClick(h->Command1(2), Qt::LeftButton);
        const int cells[] = {0, 10, 20, 30, 40};
        for (int n = 0; n < 5; ++n) {
            QTest::mouseClick(h->Label1(cells[n]), Qt::LeftButton);
            type(h.window(), static_cast<Qt::Key>(Qt::Key_1 + n));
        }
        QString expected(81, QChar('0'));
        for (int n = 0; n < 5; ++n) expected[cells[n]] = QChar('1' + n);
        QCOMPARE(boardDigits(h.window()), expected);
    }

    void cellAfterKey_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("after");
        QTest::newRow("right") << 40 << int(Qt::Key_Right) << 41;
        QTest::newRow("left") << 40 << int(Qt::Key_Left) << 39;
        QTest::newRow("up") << 40 << int(Qt::Key_Up) << 31;
        QTest::newRow("down") << 40 << int(Qt::Key_Down) << 49;
        QTest::newRow("home") << 40 << int(Qt::Key_Home) << 36;
        QTest::newRow("end") << 40 << int(Qt::Key_End) << 44;
        QTest::newRow("left edge") << 36 << int(Qt::Key_Left) << 36;
        QTest::newRow("right edge") << 44 << int(Qt::Key_Right) << 44;
        QTest::newRow("top edge") << 4 << int(Qt::Key_Up) << 4;
        QTest::newRow("bottom edge") << 76 << int(Qt::Key_Down) << 76;
        QTest::newRow("no move key") << 40 << int(Qt::Key_Tab) << -1;
    }
    void cellAfterKey() {
        QFETCH(int, cell);
        QFETCH(int, key);
        QFETCH(int, after);
        QCOMPARE(dodoru::cellAfterKey(cell, key), after);
    }

    // The arrows move the selection and the chooser exactly as a left click would, from a button or from
    // the chooser's field (where Up and Down used to step the list and change the digit).
    void arrowsMoveTheSelection_data() {
        QTest::addColumn<bool>("inChooser");
        QTest::newRow("focus on a button") << false;
        QTest::newRow("focus in the chooser") << true;
    }
    void arrowsMoveTheSelection() {
        QFETCH(bool, inChooser);
        WindowHarness h;
        enterGivens(h.window(), QStringLiteral("9") + QString(80, QChar('0')));
        QTest::mouseClick(h->Label1(10), Qt::LeftButton);
        if (inChooser)
            h->Combo1()->setFocus();
        else
            h->Command1(0)->setFocus();
        QWidget* focus = h->focusWidget();
        type(h.window(), Qt::Key_Up);
        QCOMPARE(h->session().selectedCell(), 1);
        type(h.window(), Qt::Key_Left);
        QCOMPARE(h->session().selectedCell(), 0);
        QCOMPARE(h->Combo1()->pos(), chooserOn(h.window(), 0));
        QCOMPARE(h->Combo1()->chooserText(), QStringLiteral("9"));
        type(h.window(), Qt::Key_Up); // the edge
        type(h.window(), Qt::Key_Down);
        type(h.window(), Qt::Key_Down, Qt::KeypadModifier);
        type(h.window(), Qt::Key_End);
        QCOMPARE(h->session().selectedCell(), 26);
        QCOMPARE(h->Combo1()->pos(), chooserOn(h.window(), 26));
        QVERIFY(h->Combo1()->chooserText().isEmpty());
        type(h.window(), Qt::Key_Home);
        QCOMPARE(h->session().selectedCell(), 18);
        type(h.window(), Qt::Key_4);
        QCOMPARE(h->Label1(18)->text(), QStringLiteral("4"));
        // nothing but the selection moved
        QCOMPARE(boardDigits(h.window()), QStringLiteral("9") + QString(17, QChar('0')) + "4" +
                                              QString(62, QChar('0')));
        QCOMPARE(h->focusWidget(), focus);
    }

    // With the list open the keys work the list; Alt+Down and F4 open it, Return picks.
    void openListKeepsItsKeys_data() {
        QTest::addColumn<int>("openKey");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
    }
    void openListKeepsItsKeys() {
        QFETCH(int, openKey);
        QFETCH(int, modifiers);
        WindowHarness h;
        QTest::mouseClick(h->Label1(30), Qt::LeftButton);
        h->Combo1()->setFocus();
        QTest::keyClick(h->Combo1(), static_cast<Qt::Key>(openKey), Qt::KeyboardModifiers(modifiers));
        QAbstractItemView* list = h->Combo1()->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(2, 0));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex().row(), 4);
        QCOMPARE(h->session().selectedCell(), 30);
        QVERIFY(h->Label1(30)->text().isEmpty());
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(h->Label1(30)->text(), QStringLiteral("4"));
        QCOMPARE(h->session().selectedCell(), 30);
    }

    // Delete and Backspace clear the selected cell, in the chooser's field too (Backspace used to empty
    // the field and leave the cell).
    void deleteAndBackspaceClear_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("inChooser");
        QTest::newRow("Delete on a button") << int(Qt::Key_Delete) << false;
        QTest::newRow("Backspace on a button") << int(Qt::Key_Backspace) << false;
        QTest::newRow("Delete in the chooser") << int(Qt::Key_Delete) << true;
        QTest::newRow("Backspace in the chooser") << int(Qt::Key_Backspace) << true;
    }
    void deleteAndBackspaceClear() {
        QFETCH(int, key);
        QFETCH(bool, inChooser);
        WindowHarness h;
        QTest::mouseClick(h->Label1(50), Qt::LeftButton);
        if (inChooser) h->Combo1()->setFocus();
        type(h.window(), Qt::Key_6);
        QCOMPARE(h->Label1(50)->text(), QStringLiteral("6"));
        type(h.window(), static_cast<Qt::Key>(key));
        QVERIFY(h->Label1(50)->text().isEmpty());
        QCOMPARE(h->Label1(50)->foreColor().value(), 0x0u);
        QVERIFY(h->Combo1()->lineEdit()->text().isEmpty());
    }

    // Without a selected cell in manual set-up mode the keys do what they always did: nothing to the
    // board, and Tab and the arrows move the focus among the buttons.
    void keysLeaveTheBoardAloneOutsideEditing() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        QTest::mouseClick(h->Label1(2), Qt::LeftButton);
        h->Command1_Click(1); // solve: the chooser goes
        const QString solved = labelDigits(h.window());
        h->Command1(1)->setFocus();
        for (Qt::Key key : {Qt::Key_5, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Home}) type(h.window(), key);
        QCOMPARE(labelDigits(h.window()), solved);
        type(h.window(), Qt::Key_Tab);
        QCOMPARE(h->focusWidget(), h->Command1(2));
        type(h.window(), Qt::Key_Right);
        QCOMPARE(h->focusWidget(), h->Command1(3));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
