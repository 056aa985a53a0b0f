// The solve command and the live display of the work grid.
#include <QtTest>

#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

// What the solve command leaves on an empty board: the second solution of its fourth search.
const QString kEmptyBoardShown =
    QStringLiteral("347658129516297834892314567781935246934862751265471983123549678678123495459786312");

const QString kUniquePuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
const QString kUniqueSolution =
    QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");

} // namespace

class SolveTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void emptyBoardHasSeveralSolutions() {
        WindowHarness h;
        QTest::mouseClick(h->Command1(1), Qt::LeftButton);

        QVERIFY(h->題目錯誤()->isVisible());
        QCOMPARE(h->題目錯誤()->text(), QStringLiteral("有多組解答"));
        QCOMPARE(labelDigits(h.window()), kEmptyBoardShown);
        // the four cells the routine turned into givens, in blue
        QString expectedBlue(81, QChar('0'));
        for (int c : {65, 58, 24, 3}) expectedBlue[c] = QChar('1');
        QCOMPARE(blueMask(h.window()), expectedBlue);
        QCOMPARE(h->Label1(65)->text(), QStringLiteral("8"));
        QCOMPARE(h->Label1(58)->text(), QStringLiteral("4"));
        QCOMPARE(h->Label1(24)->text(), QStringLiteral("5"));
        QCOMPARE(h->Label1(3)->text(), QStringLiteral("6"));

        QCOMPARE(h->Command1(1)->backColor(), 0xFFFFu);
        for (short i = 0; i <= 7; ++i) QVERIFY(h->Command1(i)->isEnabled());
        for (int c = 0; c < 81; ++c) {
            QCOMPARE(h->Label1(c)->mousePointer(), MousePointer::Default);
            QVERIFY(h->Label1(c)->toolTip().isEmpty());
        }
        QVERIFY(!h->session().running());

        // as painted: the added givens blue, the solver's digits dark, the verdict red
        const QImage shot = h->grab().toImage();
        QVERIFY(pixelsNear(shot, h->Label1(65)->geometry(), QColor(0, 0, 255)) > 20);
        QCOMPARE(pixelsNear(shot, h->Label1(0)->geometry(), QColor(0, 0, 255)), 0);
        QVERIFY(pixelsNear(shot, h->Label1(0)->geometry(), QColor(0, 0, 0)) > 20);
        QVERIFY(pixelsNear(shot, h->題目錯誤()->geometry(), QColor(255, 0, 0)) > 200);
    }

    void uniquePuzzleShowsItsSolutionInBlack() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        QTest::mouseClick(h->Command1(1), Qt::LeftButton);
        QVERIFY(h->題目錯誤()->isHidden());
        QCOMPARE(labelDigits(h.window()), kUniqueSolution);
        for (int c = 0; c < 81; ++c) {
            const bool given = kUniquePuzzle.at(c) != QChar('0');
            QCOMPARE(h->session().puzzle().isGiven(c), given);
            if (!given) QCOMPARE(h->Label1(c)->palette().color(QPalette::WindowText), QColor(Qt::black));
        }
    }

    // Cells cleared by the user are black (0x0); the solver keeps their colour.
    void solvedDigitsKeepTheCellsColour() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        QTest::mouseClick(h->Label1(2), Qt::RightButton);
        h->Command1_Click(1);
        QCOMPARE(h->Label1(2)->text(), QStringLiteral("4"));
        QCOMPARE(h->Label1(2)->foreColor().value(), 0x0u);
        QVERIFY(!h->Label1(3)->foreColor().has_value());
    }

    void conflictHasNoSolution() {
        WindowHarness h;
        // two givens 5 in the top row
        enterGivens(h.window(), QStringLiteral("5000000050") + QString(71, QChar('0')));
        QTest::mouseClick(h->Command1(1), Qt::LeftButton);
        QVERIFY(h->題目錯誤()->isVisible());
        QCOMPARE(h->題目錯誤()->text(), QStringLiteral("此題無解"));
        QCOMPARE(labelDigits(h.window()), QStringLiteral("5000000050") + QString(71, QChar('0')));
    }

    // A cell whose row holds 1..5 and whose column holds 6..9: puzzle error when the table is filled,
    // then no solution.
    void cellWithoutCandidateEndsAsNoSolution() {
        WindowHarness h;
        QString cells(81, QChar('0'));
        const QString row = QStringLiteral("012345");
        for (int k = 1; k <= 5; ++k) cells[k] = row.at(k);
        cells[9] = QChar('6');
        cells[18] = QChar('7');
        cells[27] = QChar('8');
        cells[36] = QChar('9');
        enterGivens(h.window(), cells);
        h->Command1_Click(1);
        QCOMPARE(h->題目錯誤()->text(), QStringLiteral("此題無解"));
        QVERIFY(h->題目錯誤()->isVisible());
        QVERIFY(h->Label1(0)->text().isEmpty());
    }

    void timerMirrorsTheWorkGridWhileSolveIsTheMode() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        h->Command1_Click(1);
        // The work grid holds the solution; the board is made to differ from it.
        h->session().clearCell(2); // a non-given cell
        h->session().setDigit(0, 1); // a given: never overwritten
        QCOMPARE(h->Label1(2)->text(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(h->Label1(2)->text(), QStringLiteral("4"), 1000);
        QCOMPARE(h->Label1(0)->text(), QStringLiteral("1"));
    }

    void timerDoesNothingInOtherModes() {
        WindowHarness h;
        enterGivens(h.window(), kUniquePuzzle);
        h->Command1_Click(1);
        h->Command1_Click(0);
        h->session().clearCell(2); // the work grid still holds its 4
        h->Timer1_Timer();
        QCOMPARE(h->Label1(2)->text(), QString());
    }

    // While the search runs the window handles events: passes happen, the board on screen shows the
    // search's digits, buttons 0..7 are disabled and a click on one of them starts nothing.
    void theWindowLivesDuringASolve() {
        WindowHarness h({.clockStepNs = 1'000'000});
        h->session().setSearchMethod(SearchMethod::Exact); // node by node: long enough for event passes
        bool checked = false;
        h.eventPass->onRun(3, [&] {
            checked = true;
            QVERIFY(h->session().running());
            for (short i = 0; i <= 7; ++i) QVERIFY(!h->Command1(i)->isEnabled());
            QVERIFY(h->Command1(99)->isEnabled());
            QCOMPARE(h->Command1(1)->backColor(), 0xFFFFu);
            QTest::mouseClick(h->Command1(2), Qt::LeftButton);
            QTest::mouseClick(h->Command1(99), Qt::LeftButton);
            // only the print button answered: its question, declined by the script
            QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
            QCOMPARE(h.messageBoxes->shown().front().text, QStringLiteral("注意!請問您是否要列印本題目?"));
            QCOMPARE(h->Command1(2)->backColor(), 0x8000000Fu);
            // the timer's picture of the search: non-given cells show the work grid
            h->Timer1_Timer();
            for (int c = 0; c < 81; ++c)
                if (!h->session().puzzle().isGiven(c))
                    QCOMPARE(h->Label1(c)->text(),
                             h->session().engineState().Grid[static_cast<std::size_t>(c)] == 0
                                 ? QString()
                                 : QString::number(h->session().engineState().Grid[static_cast<std::size_t>(c)]));
        });
        h->Command1_Click(1);
        QVERIFY(checked);
        QVERIFY(h.eventPass->runs() >= 3);
        QCOMPARE(h->pump().statistics().passes, std::int64_t(h.eventPass->runs()));
        QCOMPARE(labelDigits(h.window()), kEmptyBoardShown);
        QCOMPARE(h->Command1(1)->backColor(), 0xFFFFu);
        for (short i = 0; i <= 7; ++i) QVERIFY(h->Command1(i)->isEnabled());
    }
};

QTEST_MAIN(SolveTest)
#include "solve_test.moc"
