// Start-up state, the command frame and the mode shown by the yellow button, and the clear command
// with its question answered No and Yes.
#include <QtTest>

#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kSomeGivens =
    QStringLiteral("500000000000000000000000000000000000000070000000000000000000000000000000000000009");

void verifyOnlyHighlighted(MainWindow& window, short mode) {
    for (short i = 0; i <= 7; ++i) {
        QCOMPARE(window.Command1(i)->backColor(), i == mode ? 0xFFFFu : 0x8000000Fu);
        QVERIFY(window.Command1(i)->isEnabled());
    }
    QCOMPARE(window.Command1(99)->backColor(), 0x8000000Fu);
}

void verifyCells(MainWindow& window, MousePointer pointer, const QString& tooltip) {
    for (int c = 0; c < 81; ++c) {
        QCOMPARE(window.Label1(c)->mousePointer(), pointer);
        QCOMPARE(window.Label1(c)->toolTip(), tooltip);
    }
}

const QString kUniquePuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

} // namespace

class ModesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void beforeLoadTheCellsInviteAClick() {
        WindowHarness h({.load = false});
        QCOMPARE(h->Label1(0)->toolTip(), QStringLiteral("Mouse Click It "));
        QCOMPARE(h->Command1(0)->backColor(), 0xFFFFu);
        QVERIFY(h->Label3()->isVisibleTo(&h.window()));
        QCOMPARE(h->Label3()->text(), QStringLiteral("12"));
        QCOMPARE(h->Combo1()->count(), 0);
    }

    void startUpEntersManualSetUp() {
        WindowHarness h;
        QVERIFY(h->isVisible());
        verifyOnlyHighlighted(h.window(), 0);
        QVERIFY(h->Combo1()->isHidden());
        QVERIFY(h->Label3()->isHidden());
        QVERIFY(h->題目錯誤()->isHidden());
        verifyCells(h.window(), MousePointer::Custom, QStringLiteral("Click It"));
        QCOMPARE(h->Combo1()->count(), 10);
        QCOMPARE(h->session().engineState().SolutionCount, std::int16_t(0));
        QVERIFY(h.messageBoxes->shown().empty());
    }

    // A real click on each command button makes it the one yellow button (level buttons and the
    // clear question aside, which the other tests cover).
    void pressedButtonStaysHighlighted_data() {
        QTest::addColumn<short>("index");
        QTest::newRow("solve") << short(1);
        QTest::newRow("manual") << short(0);
        QTest::newRow("clear, declined") << short(2);
    }
    void pressedButtonStaysHighlighted() {
        QFETCH(short, index);
        WindowHarness h;
        h->Command1(1)->setFocus();
        QTest::mouseClick(h->Command1(index), Qt::LeftButton);
        verifyOnlyHighlighted(h.window(), index);
    }

    void manualAgainHidesTheChooserAndKeepsTheDigits() {
        WindowHarness h;
        enterGivens(h.window(), kSomeGivens);
        QTest::mouseClick(h->Label1(40), Qt::LeftButton);
        QVERIFY(h->Combo1()->isVisible());
        QTest::mouseClick(h->Command1(0), Qt::LeftButton);
        QVERIFY(h->Combo1()->isHidden());
        QCOMPARE(labelDigits(h.window()), kSomeGivens);
        verifyOnlyHighlighted(h.window(), 0);
    }

    void everyCommandResetsSolutionCountAndHidesTheTransientLabels() {
        WindowHarness h;
        h->Command1_Click(1); // the empty board: several solutions after four searches
        QCOMPARE(h->session().engineState().SolutionCount, std::int16_t(2));
        QCOMPARE(h->session().puzzle().verdict(), Verdict::SeveralSolutions);
        h->Label3()->show();
        QVERIFY(h->題目錯誤()->isVisible());
        h->Command1_Click(0);
        QCOMPARE(h->session().engineState().SolutionCount, std::int16_t(0));
        QVERIFY(h->題目錯誤()->isHidden());
        QVERIFY(h->Label3()->isHidden());
        QCOMPARE(h->session().puzzle().verdict(), Verdict::None);
    }

    void clearAnsweredNo() {
        WindowHarness h;
        enterGivens(h.window(), kSomeGivens);
        h.messageBoxes->answerNext(MessageAnswer::No);
        QTest::mouseClick(h->Command1(2), Qt::LeftButton);

        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
        const auto& asked = h.messageBoxes->shown().front();
        QCOMPARE(asked.text, QStringLiteral("警告!請確定您是否要清除掉題目?"));
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.icon, MessageIcon::Question);

        QCOMPARE(labelDigits(h.window()), kSomeGivens);
        QCOMPARE(boardDigits(h.window()), kSomeGivens);
        verifyOnlyHighlighted(h.window(), 2);
        // default pointer, but the tooltip of manual set-up stays
        verifyCells(h.window(), MousePointer::Default, QStringLiteral("Click It"));

        // no cell can be edited until button 0 is pressed
        QTest::mouseClick(h->Label1(0), Qt::RightButton);
        QTest::mouseClick(h->Label1(1), Qt::LeftButton);
        QCOMPARE(boardDigits(h.window()), kSomeGivens);
        QVERIFY(h->Combo1()->isHidden());
    }

    void clearAnsweredYes() {
        WindowHarness h;
        enterGivens(h.window(), kSomeGivens);
        h->Command1_Click(1); // solver digits too
        QVERIFY(boardDigits(h.window()).count(QChar('0')) == 0);
        h.messageBoxes->answerNext(MessageAnswer::Yes);
        QTest::mouseClick(h->Command1(2), Qt::LeftButton);

        QVERIFY(h.messageBoxes->scriptUsedUp());
        for (int c = 0; c < 81; ++c) {
            QVERIFY(h->Label1(c)->text().isEmpty());
            QCOMPARE(h->Label1(c)->foreColor().value(), 0x0u);
            QVERIFY(!h->session().puzzle().isGiven(c));
        }
        // the nested manual set-up command has moved the highlight
        verifyOnlyHighlighted(h.window(), 0);
        verifyCells(h.window(), MousePointer::Custom, QStringLiteral("Click It"));
        QTest::mouseClick(h->Label1(10), Qt::LeftButton);
        QVERIFY(h->Combo1()->isVisible());
    }

    void printLeavesThePanelAlone() {
        WindowHarness h;
        QTest::mouseClick(h->Label1(3), Qt::LeftButton);
        h->Label3()->show();
        QTest::mouseClick(h->Command1(99), Qt::LeftButton);
        verifyOnlyHighlighted(h.window(), 0);
        QVERIFY(h->Combo1()->isVisible());
        QVERIFY(h->Label3()->isVisible());
    }

    // After a command, pressed with Space, the focus is back on its button (not on the print button the
    // frame's disabling handed it to), so Space presses that button again and never reaches the print
    // question. A generation leaves the keyboard on the new puzzle's first empty cell instead.
    void focusReturnsToThePressedButton_data() {
        QTest::addColumn<short>("index");
        QTest::addColumn<bool>("confirmClear");
        QTest::newRow("manual") << short(0) << false;
        QTest::newRow("solve") << short(1) << false;
        QTest::newRow("clear, declined") << short(2) << false;
        QTest::newRow("clear, confirmed") << short(2) << true;
        QTest::newRow("level 1") << short(3) << false;
    }
    void focusReturnsToThePressedButton() {
        QFETCH(short, index);
        QFETCH(bool, confirmClear);
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle); // solved in a moment, twice
        GraphicalButton* pressed = h->Command1(index);
        pressed->setFocus();
        if (confirmClear) h.messageBoxes->answerNext(MessageAnswer::Yes);
        QTest::keyClick(pressed, Qt::Key_Space);
        verifyOnlyHighlighted(h.window(), confirmClear ? 0 : index);
        if (index >= MainWindow::kFirstLevelButton) {
            const QString digits = boardDigits(h.window());
            QCOMPARE(h->focusWidget(), h->Label1(int(digits.indexOf(QChar('0')))));
            return;
        }
        QCOMPARE(h->focusWidget(), pressed);
        QTest::keyClick(h->focusWidget(), Qt::Key_Space);
        QVERIFY(!h.messageBoxes->texts().contains(printQuestion()));
        QCOMPARE(h->focusWidget(), pressed);
    }

    void unknownIndexRunsOnlyTheFrame() {
        WindowHarness h;
        enterGivens(h.window(), kSomeGivens);
        h->Command1_Click(42);
        for (short i = 0; i <= 7; ++i) {
            QCOMPARE(h->Command1(i)->backColor(), 0x8000000Fu);
            QVERIFY(h->Command1(i)->isEnabled());
        }
        QCOMPARE(boardDigits(h.window()), kSomeGivens);
    }
};

QTEST_MAIN(ModesTest)
#include "modes_test.moc"
