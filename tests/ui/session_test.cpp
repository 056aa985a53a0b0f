// The board session is the one door to the game: every change it makes is announced, the start-up
// load included, and a solve or a generation tells when it runs.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "boardsession.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void theStartUpLoadIsAnnounced() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray bytes(81, '\0');
        bytes[4] = 7;
        file.write(bytes);
        file.close();
        WindowHarness h({.load = false, .saveFilePath = path});
        QSignalSpy board(&h->session(), &BoardSession::boardChanged);
        h->Form_Load();
        QVERIFY(!board.isEmpty());
        QVERIFY(h->session().puzzle().isGiven(4));
        QCOMPARE(h->Label1(4)->text(), QStringLiteral("7"));
    }

    void editsSelectionAndRestoresAreAnnounced() {
        WindowHarness h;
        BoardSession& session = h->session();
        QSignalSpy cell(&session, &BoardSession::cellChanged);
        QSignalSpy selection(&session, &BoardSession::selectionChanged);
        QSignalSpy restored(&session, &BoardSession::restored);
        QCOMPARE(session.selectedCell(), BoardSession::kNoCell);
        session.selectCell(30);
        QCOMPARE(selection.count(), 1);
        QVERIFY(h->Combo1()->isVisible());
        session.setDigit(30, 8);
        QCOMPARE(cell.count(), 1);
        QCOMPARE(cell.at(0).at(0).toInt(), 30);
        QCOMPARE(session.puzzle().kind(30), CellKind::Given);
        // A restore in another mode ends the editing of a cell.
        session.restore(PuzzleState{}, Mode::Solve, 0);
        QCOMPARE(restored.count(), 1);
        QCOMPARE(session.selectedCell(), BoardSession::kNoCell);
        QVERIFY(h->Combo1()->isHidden());
        QCOMPARE(h->Label1(30)->text(), QString());
    }

    void aSolveAnnouncesItsBoardWhileItRuns() {
        WindowHarness h;
        BoardSession& session = h->session();
        QList<bool> runningAtBoard;
        connect(&session, &BoardSession::boardChanged, this, [&] { runningAtBoard << session.running(); });
        QSignalSpy running(&session, &BoardSession::runningChanged);
        session.setDigit(0, 1);
        session.setDigit(1, 1); // a clash: no solution
        h->Command1_Click(1);
        QCOMPARE(running.count(), 2);
        QCOMPARE(running.at(0).at(0).toBool(), true);
        QCOMPARE(running.at(1).at(0).toBool(), false);
        QVERIFY(runningAtBoard.contains(true));
        QVERIFY(!session.running());
        QCOMPARE(session.puzzle().verdict(), Verdict::NoSolution);
        QCOMPARE(h->題目錯誤()->text(), MainWindow::verdictText(Verdict::NoSolution));
    }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"
