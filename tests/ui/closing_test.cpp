// Closing the window ends the program: at once when idle, and in the middle of a solve or a
// generation, which then unwind without finishing.
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "terminationsignals.h"
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
        h->session().setSearchMethod(SearchMethod::Exact); // node by node: long enough for event passes
        h.eventPass->onRun(2, [&] { h->close(); });
        h->Command1_Click(1);
        QCOMPARE(h.programEnd->calls(), 1);
        QVERIFY(!h->session().running());
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

    // A polite end (kill, a logout, a closed terminal, Ctrl+C or Ctrl+\ in the terminal) closes the
    // window normally, with its save.
    void terminationSignalsCloseAndSave_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGQUIT") << SIGQUIT;
    }
    void terminationSignalsCloseAndSave() {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        WindowHarness h({.saveFilePath = path});
        enterGivens(h.window(), QStringLiteral("7") + QString(80, QChar('0')));
        TerminationSignals termination;
        QVERIFY(termination.active());
        connect(&termination, &TerminationSignals::requested, h.operator->(), [&h] { h->closeWithoutQuestions(); });
        QCOMPARE(::raise(signalNumber), 0);
        QTRY_COMPARE(h.programEnd->calls(), 1);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray(1, '\7') + QByteArray(80, '\0'));
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
