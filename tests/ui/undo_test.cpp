// Undo and redo of the board: cell edits, the commands that change the board, their shortcuts and the
// length of the history.
#include <QAction>
#include <QtTest>

#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kUniquePuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
// The same without three of its givens: several solutions, and a solve that adds givens.
const QString kOpenPuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000000000");

// What the window shows of the board: each cell's text and colour, the message, and the yellow button.
QString shown(MainWindow& window) {
    QString colours;
    for (int c = 0; c < 81; ++c) {
        const auto colour = window.Label1(c)->foreColor();
        colours += !colour ? QChar('-') : *colour == 0xFF0000u ? QChar('B') : QChar('k');
    }
    int yellow = -1;
    for (short i = 0; i <= 7; ++i)
        if (window.Command1(i)->backColor() == 0xFFFFu) yellow = i;
    const QString message = window.題目錯誤()->isVisibleTo(&window) ? window.題目錯誤()->text() : QString();
    return labelDigits(window) + " " + colours + " " + message + " mode " + QString::number(yellow);
}

QAction* action(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

void undo(MainWindow& window) {
    QVERIFY(action(window, "undoAction")->isEnabled());
    action(window, "undoAction")->trigger();
}

void redo(MainWindow& window) {
    QVERIFY(action(window, "redoAction")->isEnabled());
    action(window, "redoAction")->trigger();
}

// Goes back through `states` (the last is the present) and forward again, checking each.
void walk(MainWindow& window, const QStringList& states) {
    QCOMPARE(shown(window), states.last());
    for (qsizetype n = states.size() - 2; n >= 0; --n) {
        undo(window);
        QCOMPARE(shown(window), states.at(n));
    }
    QVERIFY(!action(window, "undoAction")->isEnabled());
    for (qsizetype n = 1; n < states.size(); ++n) {
        redo(window);
        QCOMPARE(shown(window), states.at(n));
    }
    QVERIFY(!action(window, "redoAction")->isEnabled());
}

void typeInto(MainWindow& window, int cell, const QString& digits) {
    QTest::mouseClick(window.Label1(cell), Qt::LeftButton);
    for (QChar digit : digits) window.Combo1_KeyUp(static_cast<short>(digit.unicode()), 0);
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void theActionsBelongToTheWindow() {
        WindowHarness h;
        QAction* undoAction = action(h.window(), "undoAction");
        QAction* redoAction = action(h.window(), "redoAction");
        QVERIFY(undoAction && redoAction);
        QVERIFY(h->actions().contains(undoAction) && h->actions().contains(redoAction));
        QCOMPARE(undoAction->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
        QCOMPARE(redoAction->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                      QKeySequence(QStringLiteral("Ctrl+Y"))}));
        // the start-up's load and manual set-up are no step
        QVERIFY(!undoAction->isEnabled());
        QVERIFY(!redoAction->isEnabled());
    }

    // Typing on in one cell is one step; the chooser's list, another cell and a right click are steps
    // of their own.
    void cellEdits() {
        WindowHarness h;
        QStringList states{shown(h.window())};
        typeInto(h.window(), 0, QStringLiteral("45"));
        states << shown(h.window());
        typeInto(h.window(), 1, QStringLiteral("7"));
        states << shown(h.window());
        QTest::mouseClick(h->Label1(0), Qt::RightButton);
        states << shown(h.window());
        QCOMPARE(action(h.window(), "undoAction")->text(), QStringLiteral("復原：編輯第1列第1行"));
        walk(h.window(), states);
        // after an undo the chooser edits the cell's digit as it now is
        undo(h.window());
        QCOMPARE(h->Label1(0)->text(), QStringLiteral("5"));
    }

    // A solve, undone, gives back the puzzle as it was, without the givens the solve added, in manual
    // set-up mode; redone, the solution and its verdict, with the live display leaving it alone.
    void solve_data() {
        QTest::addColumn<QString>("puzzle"); // typed in; empty: a generated one
        QTest::addColumn<bool>("addsGivens");
        QTest::newRow("one solution") << kUniquePuzzle << false;
        QTest::newRow("several solutions") << kOpenPuzzle << true;
        QTest::newRow("after a generation") << QString() << false;
    }
    void solve() {
        QFETCH(QString, puzzle);
        QFETCH(bool, addsGivens);
        WindowHarness h;
        if (puzzle.isEmpty())
            h->Command1_Click(3);
        else
            for (int c = 0; c < 81; ++c)
                if (puzzle.at(c) != QChar('0')) typeInto(h.window(), c, puzzle.mid(c, 1));
        // A generated puzzle is being played: the solve is undone into the game, as it was.
        const QString givens = shown(h.window());

        QTest::mouseClick(h->Command1(1), Qt::LeftButton);
        const QString solved = shown(h.window());
        QVERIFY(solved.endsWith(QStringLiteral("mode 1")));
        const int blueAfter = int(blueMask(h.window()).count(QChar('1')));
        undo(h.window());
        QCOMPARE(shown(h.window()), givens);
        QCOMPARE(blueMask(h.window()).count(QChar('1')) < blueAfter, addsGivens);
        redo(h.window());
        QCOMPARE(shown(h.window()), solved);
        // the live display shows the search's digits: the same
        h->Timer1_Timer();
        QCOMPARE(shown(h.window()), solved);
    }

    // A generation and a confirmed clear are steps; manual set-up and a
    // declined clear are none.
    void commands() {
        WindowHarness h;
        QStringList states{shown(h.window())};
        typeInto(h.window(), 40, QStringLiteral("8"));
        states << shown(h.window());
        h->Command1_Click(4);
        states << shown(h.window());
        QVERIFY(states.last().endsWith(QStringLiteral("mode 4")));
        h.messageBoxes->answerNext(MessageAnswer::Yes);
        h->Command1_Click(2);
        states << shown(h.window());
        typeInto(h.window(), 80, QStringLiteral("1"));
        states << shown(h.window());
        walk(h.window(), states);

        const QString lastStep = action(h.window(), "undoAction")->text();
        h->Command1_Click(0);
        h.messageBoxes->answerNext(MessageAnswer::No);
        h->Command1_Click(2);
        QCOMPARE(action(h.window(), "undoAction")->text(), lastStep);
        QCOMPARE(lastStep, QStringLiteral("復原：編輯第9列第9行"));
    }

    void shortcuts() {
        WindowHarness h;
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        const QString before = shown(h.window());
        typeInto(h.window(), 20, QStringLiteral("3"));
        const QString after = shown(h.window());
        // also with the chooser's field focused, whose own undo would take the keys
        h->Combo1()->setFocus();
        QTest::keyClick(h->Combo1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shown(h.window()), before);
        QTest::keyClick(h->Combo1(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(shown(h.window()), after);
        h->Command1(1)->setFocus();
        QTest::keyClick(h->Command1(1), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shown(h.window()), before);
        QTest::keyClick(h->Command1(1), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(shown(h.window()), after);
    }

    void aHundredSteps() {
        WindowHarness h;
        for (int n = 0; n < 105; ++n) typeInto(h.window(), n % 2, QString::number(n % 9 + 1));
        int undone = 0;
        while (action(h.window(), "undoAction")->isEnabled()) {
            action(h.window(), "undoAction")->trigger();
            ++undone;
        }
        QCOMPARE(undone, 100);
        // the oldest steps are gone: cells 0 and 1 as the fifth edit left them
        QCOMPARE(labelDigits(h.window()).left(2), QStringLiteral("54"));
    }

    // While a long command runs the board stays the command's.
    void nothingIsUndoneWhileACommandRuns() {
        WindowHarness h({.seed = 5, .clockStepNs = 20'000'000});
        typeInto(h.window(), 0, QStringLiteral("1"));
        h->session().setSearchMethod(SearchMethod::Exact); // node by node: long enough for event passes
        bool tried = false;
        h.eventPass->onRun(1, [&] {
            tried = true;
            action(h.window(), "undoAction")->trigger();
            QVERIFY(h->session().running());
        });
        h->Command1_Click(3);
        QVERIFY(tried);
        QCOMPARE(h->Command1(3)->backColor(), 0xFFFFu);
        const QString generated = shown(h.window());
        undo(h.window());
        QCOMPARE(labelDigits(h.window()), QStringLiteral("1") + QString(80, QChar('0')));
        redo(h.window());
        QCOMPARE(shown(h.window()), generated);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
