// Closing the window ends the program: at once when idle, and in the middle of a solve or a
// generation, which then unwind without finishing.
#include <QtTest>

#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

class ClosingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void closingWhenIdleEndsTheProgram() {
        WindowHarness h;
        QVERIFY(h->close());
        QCOMPARE(h.programEnd->calls(), 1);
        QVERIFY(!h->isVisible());
    }

    void closingDuringASolve() {
        WindowHarness h({.clockStepNs = 1'000'000});
        h.eventPass->onRun(2, [&] { h->close(); });
        h->Command1_Click(1);
        QCOMPARE(h.programEnd->calls(), 1);
        QVERIFY(!h->longCommandRunning());
        // the search stopped: no verdict, no solution on the board
        QVERIFY(h->題目錯誤()->isHidden());
        QVERIFY(boardDigits(h.window()).count(QChar('0')) > 0);
        // no pass after the close
        QCOMPARE(h.eventPass->runs(), 2);
    }

    void closingDuringAGeneration() {
        WindowHarness h({.seed = 11, .clockStepNs = 20'000'000});
        h.eventPass->onRun(1, [&] { h->close(); });
        h->Command1_Click(7); // level 5, stopped at its first pass
        QCOMPARE(h.programEnd->calls(), 1);
        QCOMPARE(h.eventPass->runs(), 1);
        QVERIFY(h.log->records().empty());
        QVERIFY(h->Label3()->isHidden());
        QVERIFY(h.messageBoxes->shown().empty());
    }

    void nothingStartsAfterTheClose() {
        WindowHarness h;
        h->close();
        h->Command1_Click(1);
        QVERIFY(boardDigits(h.window()).count(QChar('0')) == 81);
        QCOMPARE(h.programEnd->calls(), 1);
        h->close();
        QCOMPARE(h.programEnd->calls(), 1);
    }
};

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
