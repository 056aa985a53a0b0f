// Playing the puzzle in the window: the play state's entry and exit, the player's digits and pencil
// marks, hints, checking, the solved message, undo, and the game kept across a close and a start.
#include <QAction>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "announcer.h"
#include "logicsolver.h"
#include "boardhistory.h"
#include "chainoverlay.h"
#include "editingaids.h"
#include "playbar.h"
#include "playfile.h"
#include "playgame.h"
#include "puzzletransfer.h"
#include "techniquenames.h"
#include "windowfeatures.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kPuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
const QString kSolution =
    QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");

// The solution with the cells of `empty` left open.
QString solutionWithout(std::initializer_list<int> empty) {
    QString givens = kSolution;
    for (const int c : empty) givens[c] = QChar('0');
    return givens;
}

PlayGame& game(WindowHarness& h) {
    return h->features().play();
}

// The givens entered in manual set-up, then 作答.
void startPlaying(WindowHarness& h, const QString& givens) {
    enterGivens(h.window(), givens);
    game(h).play();
}

void type(MainWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(focus, key, modifiers);
}

// A left click on the cell, then a key.
void typeIn(WindowHarness& h, int cell, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(h->Label1(cell), Qt::LeftButton);
    type(h.window(), key, modifiers);
}

// Shortcuts reach an active window only.
void activate(WindowHarness& h) {
    h->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
}

void undo(WindowHarness& h) {
    h->features().history().undo();
}

QString playLine(WindowHarness& h) {
    return game(h).bar().message();
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // 作答 plays a puzzle with one solution; any other board gets the solve routine's verdict and
    // stays as it is, with nothing of the play state shown.
    void enterByPlayCommand_data() {
        QTest::addColumn<QString>("givens");
        QTest::addColumn<QString>("verdict"); // empty: played; "?" any verdict
        QTest::newRow("one solution") << kPuzzle << QString();
        QTest::newRow("several solutions")
            << kPuzzle.left(27) + QString(54, QChar('0')) << QStringLiteral("有多組解答");
        QTest::newRow("two fives in a row") << QStringLiteral("55") + kPuzzle.mid(2) << QStringLiteral("?");
    }
    void enterByPlayCommand() {
        QFETCH(QString, givens);
        QFETCH(QString, verdict);
        WindowHarness h;
        QVERIFY(!game(h).bar().isVisible());
        enterGivens(h.window(), givens);
        QTest::mouseClick(h->Label1(80), Qt::LeftButton);
        activate(h);
        type(h.window(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(h->session().playing(), verdict.isEmpty());
        QCOMPARE(game(h).bar().isVisible(), verdict.isEmpty());
        QCOMPARE(h->題目錯誤()->isVisible(), !verdict.isEmpty());
        QCOMPARE(boardDigits(h.window()), givens);
        if (!verdict.isEmpty()) {
            if (verdict != QStringLiteral("?")) QCOMPARE(h->題目錯誤()->text(), verdict);
            QCOMPARE(h->session().mode(), Mode::ManualSetUp);
            return;
        }
        QCOMPARE(h->session().mode(), Mode::Play);
        for (short i = 0; i <= 7; ++i) QCOMPARE(h->Command1(i)->backColor(), 0x8000000Fu);
        // the play line stays off the board and the window keeps its size
        QVERIFY(game(h).bar().geometry().bottom() < h->Label1(0)->geometry().top());
        QCOMPARE(h->size(), QSize(624, 610));
    }

    // A generation ends in the play state; every command of the panel leaves it.
    void panelCommandsLeavePlay_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("0.手動") << 0;
        QTest::newRow("自動解題") << 1;
        QTest::newRow("清除重來") << 2;
        QTest::newRow("1.極易") << 3;
    }
    void panelCommandsLeavePlay() {
        QFETCH(int, button);
        WindowHarness h;
        h->Command1_Click(3);
        QVERIFY(h->session().playing());
        QCOMPARE(h->session().mode(), Mode::Generate);
        // the play line waits for the first move
        QVERIFY(!game(h).bar().isVisible());
        game(h).hint();
        QVERIFY(game(h).bar().isVisible());
        h.messageBoxes->answerNext(MessageAnswer::Yes);
        h->Command1_Click(static_cast<short>(button));
        QCOMPARE(h->session().playing(), button == 3); // a new puzzle, played from its first move
        QVERIFY(!game(h).bar().isVisible());
    }

    // The player's digits: in dark green, never on a given, cleared by 0, Delete or a right click,
    // marked at once when they repeat a digit, said to be the player's own; each edit one undo step.
    void playerDigits() {
        WindowHarness h;
        startPlaying(h, kPuzzle);
        typeIn(h, 2, Qt::Key_4);
        QVERIFY(h->Combo1()->isVisible());
        QCOMPARE(h->session().puzzle().kind(2), CellKind::Player);
        QCOMPARE(h->Label1(2)->foreColor().value(), kPlayerTextColour);
        QVERIFY(h->Label1(2)->spokenName().endsWith(QStringLiteral("，4，你填的")));
        typeIn(h, 0, Qt::Key_9);
        QCOMPARE(h->session().puzzle().digit(0), 5);
        QVERIFY(h->session().puzzle().isGiven(0));
        QCOMPARE(h->Combo1()->currentText(), QStringLiteral("5")); // the chooser shows what the cell keeps
        h->Combo1()->setCurrentIndex(9); // a pick from the list
        h->Combo1_Click();
        QCOMPARE(h->Combo1()->currentText(), QStringLiteral("5"));
        typeIn(h, 3, Qt::Key_5); // the 5 of cell 0 is in its row
        QVERIFY(h->Label1(3)->conflictMark());
        QVERIFY(h->Label1(0)->conflictMark());
        type(h.window(), Qt::Key_Delete);
        QVERIFY(!h->Label1(0)->conflictMark());
        typeIn(h, 5, Qt::Key_8);
        QTest::mouseClick(h->Label1(5), Qt::RightButton);
        QTest::mouseClick(h->Label1(1), Qt::RightButton);
        QCOMPARE(h->session().puzzle().digit(5), 0);
        QCOMPARE(h->session().puzzle().digit(1), 3);
        QCOMPARE(boardDigits(h.window()), QStringLiteral("534") + kPuzzle.mid(3));
        // never a given: the puzzle copied is the givens alone, the board copied shows the digit
        h->features().transfer().copyPuzzle();
        QCOMPARE(h.transfer->clipboard->text(), kPuzzle);
        h->features().transfer().copyPuzzleAndAnswer();
        QVERIFY(h.transfer->clipboard->text().startsWith(QStringLiteral("5 3 4 |")));
        // typed and taken back in one cell is no step: the 4 is the one step left
        undo(h);
        QCOMPARE(boardDigits(h.window()), kPuzzle);
        h->features().history().redo();
        QCOMPARE(h->session().puzzle().digit(2), 4);
    }

    // A digit typed after a click shows as the cell's digit: the chooser gives way to the grid's focus,
    // and the keys go on from there.
    void typedDigitShowsAsADigit() {
        WindowHarness h;
        startPlaying(h, kPuzzle);
        activate(h);
        QTest::mouseClick(h->Label1(2), Qt::LeftButton);
        QVERIFY(h->Combo1()->isVisible());
        type(h.window(), Qt::Key_4);
        QCOMPARE(h->Label1(2)->text(), QStringLiteral("4"));
        QVERIFY(!h->Combo1()->isVisible());
        QCOMPARE(h->focusWidget(), h->Label1(2));
        type(h.window(), Qt::Key_Right);
        type(h.window(), Qt::Key_6);
        QCOMPARE(h->session().puzzle().digit(3), 6);
        QVERIFY(!h->Combo1()->isVisible());
    }

    // Ctrl+digit toggles a pencil mark; a digit placed takes it from its row, column and box;
    // 填入候選數 fills what is possible. Each is one undo step.
    void pencilMarks() {
        WindowHarness h;
        startPlaying(h, kPuzzle);
        activate(h);
        typeIn(h, 2, Qt::Key_1, Qt::ControlModifier);
        type(h.window(), Qt::Key_4, Qt::ControlModifier);
        for (const int cell : {3, 10, 40}) typeIn(h, cell, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(h->Label1(2)->pencilMarks(), std::uint16_t{0b1001});
        QVERIFY(h->Label1(2)->spokenName().contains(QStringLiteral("候選數 1 4")));
        typeIn(h, 11, Qt::Key_4);
        QCOMPARE(h->session().puzzle().pencilMarks(2), PencilMarks{0b0001}); // same column and box
        QCOMPARE(h->session().puzzle().pencilMarks(10), PencilMarks{0});     // same row
        QCOMPARE(h->session().puzzle().pencilMarks(3), PencilMarks{0b1000}); // another row and box
        QCOMPARE(h->session().puzzle().pencilMarks(40), PencilMarks{0b1000});
        undo(h);
        QCOMPARE(h->session().puzzle().pencilMarks(10), PencilMarks{0b1000});
        QCOMPARE(h->session().puzzle().digit(11), 0);
        undo(h);
        QCOMPARE(h->session().puzzle().pencilMarks(40), PencilMarks{0});

        const PuzzleState before = h->session().puzzle();
        QAction* fill = nullptr;
        for (QAction* action : h->actions())
            if (action->objectName() == QStringLiteral("fillPencilMarksAction")) fill = action;
        QVERIFY(fill && fill->isEnabled());
        fill->trigger();
        for (int c = 0; c < kCellCount; ++c)
            QCOMPARE(h->session().puzzle().pencilMarks(c), before.possibleDigits(c));
        QCOMPARE(h->session().puzzle().pencilMarks(2), PencilMarks{0b1011}); // 1, 2 and 4 fit there
        undo(h);
        QVERIFY(h->session().puzzle() == before);
    }

    // Three presses of H: the technique and where without the digit, then the cells on the board,
    // then the step carried out as one undo step with the solution's digits.
    void hintPresses_data() {
        QTest::addColumn<QString>("givens");
        QTest::addColumn<QString>("technique"); // the first press names it; empty: any
        QTest::addColumn<int>("markedCell");
        QTest::newRow("full house") << solutionWithout({0})
                                    << TechniqueNames::name(logic::Technique::FullHouse) << 0;
        QTest::newRow("a puzzle") << kPuzzle << QString() << -1;
    }
    void hintPresses() {
        QFETCH(QString, givens);
        QFETCH(QString, technique);
        QFETCH(int, markedCell);
        WindowHarness h;
        startPlaying(h, givens);
        const PuzzleState before = h->session().puzzle();
        activate(h);
        QCoreApplication::processEvents(); // what the start of the game told is told
        QTest::keyClick(&h.window(), Qt::Key_H);
        // A screen reader is told what the play line says.
        QCOMPARE(h->features().announcer().message(), playLine(h));
        if (!technique.isEmpty()) {
            QVERIFY2(playLine(h).endsWith(QStringLiteral("：") + technique), qPrintable(playLine(h)));
            QVERIFY(!playLine(h).contains(kSolution.at(markedCell))); // not the digit
        }
        QTest::keyClick(&h.window(), Qt::Key_H);
        int marked = 0;
        for (int c = 0; c < kCellCount; ++c) marked += h->Label1(c)->hintMark() ? 1 : 0;
        QVERIFY(marked > 0);
        if (markedCell >= 0) QVERIFY(h->Label1(markedCell)->hintMark());
        QVERIFY(h->session().puzzle() == before);
        QTest::keyClick(&h.window(), Qt::Key_H);
        const PuzzleState after = h->session().puzzle();
        QVERIFY(!(after == before));
        for (int c = 0; c < kCellCount; ++c) {
            const int solution = kSolution.at(c).digitValue();
            if (after.digit(c) != before.digit(c)) {
                QCOMPARE(after.kind(c), CellKind::Player);
                QCOMPARE(after.digit(c), solution);
            }
            if (after.digit(c) == 0 && after.pencilMarks(c) != 0) QVERIFY(after.hasPencilMark(c, solution));
        }
        for (int c = 0; c < kCellCount; ++c) QVERIFY(!h->Label1(c)->hintMark());
        undo(h);
        QVERIFY(h->session().puzzle() == before);
    }

    // A chain's second press draws it on the board in order, strong links told from weak ones, and
    // reads it in words; a contradiction's shows the assumption and what follows. The third press
    // takes the drawing away with the marks.
    void hintDrawsTheChain_data() {
        QTest::addColumn<QList<int>>("removedMarks"); // cell * 10 + digit
        QTest::addColumn<QList<int>>("links");        // HintDrawing::Link, in order
        // Three steps into the path of this puzzle an empty rectangle is next, once two contradictions
        // have taken 6 and 8 from r1c7; from its givens a contradiction comes first.
        QTest::newRow("chain") << QList<int>{66, 68}
                               << QList<int>{int(HintDrawing::Link::Strong), int(HintDrawing::Link::Weak),
                                             int(HintDrawing::Link::Strong)};
        QTest::newRow("contradiction") << QList<int>{}
                                       << QList<int>{int(HintDrawing::Link::Follows),
                                                     int(HintDrawing::Link::Follows)};
    }
    void hintDrawsTheChain() {
        QFETCH(QList<int>, removedMarks);
        QFETCH(QList<int>, links);
        WindowHarness h;
        startPlaying(h, QStringLiteral("120300004350000100004000000005400200600070000000008090003100500000009070000060008"));
        game(h).fillPencilMarks();
        for (const int mark : removedMarks) {
            QTest::mouseClick(h->Label1(mark / 10), Qt::LeftButton);
            game(h).togglePencilMark(mark % 10);
        }
        const ChainOverlay& overlay = game(h).chainOverlay();
        game(h).hint();
        QVERIFY(!overlay.isVisible());
        game(h).hint();
        QVERIFY(overlay.isVisible());
        const HintDrawing& drawing = overlay.drawing();
        QCOMPARE(drawing.links.size() + 1, drawing.nodes.size());
        for (int i = 0; i < links.size(); ++i) QCOMPARE(int(drawing.links[i]), links[i]);
        if (links.front() == int(HintDrawing::Link::Strong)) {
            QCOMPARE(drawing.nodes.size(), std::size_t(4));
            QVERIFY(!drawing.nodes.front().on && drawing.nodes.back().on);
            QCOMPARE(drawing.nodes[2].cells.size(), std::size_t(2)); // r3c1 and r3c2 together
            QVERIFY2(playLine(h).contains(QStringLiteral("第5列第7行不是 8 ⇒ 第3列第7行是 8")), qPrintable(playLine(h)));
        } else {
            QVERIFY(drawing.nodes.front().on);
            QVERIFY2(playLine(h).contains(QStringLiteral("假設第1列第7行是 6")), qPrintable(playLine(h)));
            QVERIFY2(playLine(h).endsWith(QStringLiteral("所以第1列第7行不是 6。")), qPrintable(playLine(h)));
        }
        game(h).hint();
        QVERIFY(!overlay.isVisible());
    }

    // On AI Escargot's path: a forcing chain's second press draws each branch from its assumption
    // through its first singles in order and marks what they all reach, and the words read the
    // branches in order; an ALS chain's outlines its sets and marks what it removes. A screen reader is
    // told the words.
    void hintDrawsBranchesAndSets_data() {
        QTest::addColumn<int>("technique");
        QTest::newRow("unit forcing chain") << int(logic::Technique::UnitForcingChain);
        QTest::newRow("cell forcing chain") << int(logic::Technique::CellForcingChain);
        QTest::newRow("ALS chain") << int(logic::Technique::AlsChain);
    }
    void hintDrawsBranchesAndSets() {
        QFETCH(int, technique);
        const QString puzzle =
            QStringLiteral("100007090030020008009600500005300900010080002600004000300000010040000007007000300");
        WindowHarness h;
        startPlaying(h, puzzle);
        activate(h);
        const std::optional<logic::Step> step = playUpTo(h.window(), logic::Technique(technique));
        QVERIFY(step);
        QVERIFY(!step->branches.empty() || !step->sets.empty());
        game(h).hint();
        QVERIFY2(playLine(h).endsWith(TechniqueNames::name(step->technique)), qPrintable(playLine(h)));
        QCoreApplication::processEvents(); // the first press is told before the second
        game(h).hint();
        // A screen reader is told the whole words, the line shows them or a shorter form; a net's branch
        // says how many steps of other techniques it takes.
        const QString told = h->features().announcer().message();
        QVERIFY2(told == playLine(h) || (playLine(h).contains(QStringLiteral("…")) && told.size() > playLine(h).size()),
                 qPrintable(told + QLatin1Char('\n') + playLine(h)));
        const bool net = std::any_of(step->branches.begin(), step->branches.end(),
                                     [](const logic::Branch& branch) { return !branch.inner.empty(); });
        QCOMPARE(told.contains(QStringLiteral("步其他技巧")), net);
        const HintDrawing& drawing = game(h).chainOverlay().drawing();
        QCOMPARE(drawing.sets, step->sets);
        const auto node = [](const logic::CellDigit& c, bool on) { return HintDrawing::Node{{c.cell}, c.digit, on}; };
        QCOMPARE(drawing.branches.size(), step->branches.size());
        qsizetype read = 0; // the words read the branches in order
        for (std::size_t b = 0; b < step->branches.size(); ++b) {
            const logic::Branch& branch = step->branches[b];
            std::vector<HintDrawing::Node> drawn{node(branch.assume, true)}; // and the first four singles
            for (std::size_t i = 0; i < branch.placements.size() && i < 4; ++i)
                drawn.push_back(node(branch.placements[i], true));
            QVERIFY(drawing.branches[b] == drawn);
            read = playLine(h).indexOf(QStringLiteral("（%1）假設").arg(b + 1) + hintCellName(branch.assume.cell), read);
            QVERIFY2(read >= 0, qPrintable(playLine(h)));
        }
        std::vector<HintDrawing::Node> conclusion;
        for (const logic::CellDigit& p : step->placements) conclusion.push_back(node(p, true));
        for (const logic::CellDigit& e : step->eliminations) conclusion.push_back(node(e, false));
        QVERIFY(drawing.conclusion == conclusion);
        if (!step->sets.empty())
            QVERIFY2(playLine(h).contains(QStringLiteral("幾乎鎖定集：") + hintCellName(step->sets.front().front())),
                     qPrintable(playLine(h)));
    }

    // A wrong digit is named before any reasoning: that there is one, then where, then it goes.
    void hintNamesWrongDigitFirst() {
        WindowHarness h;
        startPlaying(h, kPuzzle);
        typeIn(h, 2, Qt::Key_1); // the solution has 4 there; 1 repeats nothing
        QVERIFY(!h->Label1(2)->conflictMark());
        game(h).hint();
        QCOMPARE(playLine(h), QStringLiteral("你填的數字中有 1 個不正確。"));
        QVERIFY(!h->Label1(2)->mistakeMark());
        game(h).hint();
        QVERIFY(h->Label1(2)->mistakeMark());
        QVERIFY(playLine(h).contains(hintCellName(2)));
        game(h).hint();
        QCOMPARE(h->session().puzzle().digit(2), 0);
        undo(h);
        QCOMPARE(h->session().puzzle().digit(2), 1);
    }

    // Ctrl+K marks the digits that differ from the solution until the next edit and says how many.
    void check() {
        WindowHarness h;
        startPlaying(h, kPuzzle);
        activate(h);
        QTest::keyClick(&h.window(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(playLine(h), QStringLiteral("沒有與答案不符的數字。"));
        typeIn(h, 2, Qt::Key_1);
        typeIn(h, 3, Qt::Key_6);
        QTest::keyClick(&h.window(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(h->Label1(2)->mistakeMark());
        QVERIFY(!h->Label1(3)->mistakeMark());
        QVERIFY(playLine(h).contains(QStringLiteral("1 個數字")));
        typeIn(h, 5, Qt::Key_8);
        QVERIFY(!h->Label1(2)->mistakeMark());
    }

    // The last right digit: the message, once, with the time; the clock stops. A digit typed over the
    // finished board opens the game again: the line says so and the clock runs on.
    void solvedOnce() {
        WindowHarness h({.clockStepNs = 1'000'000'000});
        startPlaying(h, solutionWithout({0, 1}));
        typeIn(h, 0, Qt::Key_5);
        typeIn(h, 1, Qt::Key_3);
        QTRY_COMPARE(h.messageBoxes->shown().size(), std::size_t{1});
        const QString message = h.messageBoxes->texts().front();
        QVERIFY(message.contains(QStringLiteral("用時 ") + playTimeText(game(h).elapsedSeconds())));
        QCOMPARE(playLine(h), message);
        QVERIFY(game(h).solved());
        const std::int64_t stopped = game(h).elapsedSeconds();
        QCOMPARE(game(h).elapsedSeconds(), stopped);
        undo(h);
        h->features().history().redo();
        QCoreApplication::processEvents();
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t{1});

        typeIn(h, 1, Qt::Key_4);
        QVERIFY(!game(h).solved());
        QVERIFY2(playLine(h).startsWith(QStringLiteral("作答中")), qPrintable(playLine(h)));
        QVERIFY(game(h).elapsedSeconds() > stopped);
        typeIn(h, 1, Qt::Key_3);
        QVERIFY(game(h).solved());
        QVERIFY(playLine(h).startsWith(QStringLiteral("恭喜")));
        QCoreApplication::processEvents();
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t{1});
    }

    // The count of a generated puzzle is its empty cells, and stays through undo and redo; the play
    // line leaves what a check said once the board has changed.
    void countAndLineAfterUndo() {
        WindowHarness h;
        activate(h);
        h->Command1_Click(3);
        const int empty = int(boardDigits(h.window()).count(QChar('0')));
        const QString count = QStringLiteral("空格%1").arg(empty);
        QCOMPARE(h->Label3()->text(), count);
        const logic::DigitGrid solution = logic::checkPuzzle(boardDigits(h->session().puzzle())).solution;
        int cell = 0;
        while (h->session().puzzle().digit(cell) != 0) ++cell;
        typeIn(h, cell, static_cast<Qt::Key>(Qt::Key_0 + solution[static_cast<std::size_t>(cell)] % 9 + 1));
        game(h).check();
        QVERIFY(playLine(h).contains(QStringLiteral("1 個數字")));
        for (int step = 0; step < 2; ++step) {
            step == 0 ? undo(h) : h->features().history().redo();
            QVERIFY(h->Label3()->isVisible());
            QCOMPARE(h->Label3()->text(), count);
            QVERIFY2(playLine(h).startsWith(QStringLiteral("作答中")), qPrintable(playLine(h)));
            QVERIFY(!h->Label1(cell)->mistakeMark());
        }
    }

    void timeText_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("seconds") << qint64{7} << QStringLiteral("0:07");
        QTest::newRow("minutes") << qint64{605} << QStringLiteral("10:05");
        QTest::newRow("hours") << qint64{3725} << QStringLiteral("1:02:05");
    }
    void timeText() {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(playTimeText(seconds), text);
    }

    // The game goes to play.json at the close, never into Default.dat, and comes back at the next start
    // for the same givens only; a file that is no game is reported and left as it is, and so is another
    // puzzle's game. A time too large for the clock is read as the most it counts.
    void keptAcrossRuns_data() {
        QTest::addColumn<QString>("change"); // what happens to play.json between the runs
        QTest::newRow("as written") << QString();
        QTest::newRow("other givens") << QStringLiteral("givens");
        QTest::newRow("not a game") << QStringLiteral("garbage");
        QTest::newRow("a huge time") << QStringLiteral("seconds");
    }
    void keptAcrossRuns() {
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QString savePath = dir.filePath(QStringLiteral("Default.dat"));
        const QString playPath = dir.filePath(QStringLiteral("play.json"));
        {
            WindowHarness h({.saveFilePath = savePath});
            startPlaying(h, kPuzzle);
            activate(h);
            typeIn(h, 2, Qt::Key_4);
            typeIn(h, 3, Qt::Key_7, Qt::ControlModifier);
            h->Form_Unload();
        }
        QFile saved(savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        for (int c = 0; c < kCellCount; ++c) QCOMPARE(int(bytes.at(c)), kPuzzle.at(c).digitValue());
        QFile play(playPath);
        QVERIFY(play.open(QIODevice::ReadWrite));
        QByteArray kept = play.readAll();
        if (change == QStringLiteral("givens")) {
            PlayRecord record;
            QVERIFY(parsePlayRecord(kept, record));
            record.puzzle.setGiven(8, 2);
            kept = playRecordJson(record);
        } else if (change == QStringLiteral("garbage")) {
            kept = "{\"format\": \"dodoru-play\", \"version\": 1";
        } else if (change == QStringLiteral("seconds")) {
            QJsonObject object = QJsonDocument::fromJson(kept).object();
            object[QStringLiteral("seconds")] = 9'300'000'000.0;
            kept = QJsonDocument(object).toJson();
        }
        play.resize(0);
        play.write(kept);
        play.close();

        WindowHarness h({.saveFilePath = savePath});
        const bool restored = change.isEmpty() || change == QStringLiteral("seconds");
        QCOMPARE(h->session().playing(), restored);
        QCOMPARE(h->session().puzzle().digit(2), restored ? 4 : 0);
        QCOMPARE(h->session().puzzle().pencilMarks(3), static_cast<PencilMarks>(restored ? 0b1000000 : 0));
        QCOMPARE(h.messageBoxes->shown().size(),
                 static_cast<std::size_t>(change == QStringLiteral("garbage") ? 1 : 0));
        if (change == QStringLiteral("seconds")) QCOMPARE(game(h).elapsedSeconds(), kMaxPlaySeconds);
        h->Form_Unload();
        QVERIFY(play.open(QIODevice::ReadOnly));
        const QByteArray after = play.readAll();
        if (restored) {
            PlayRecord record;
            QVERIFY(parsePlayRecord(after, record));
            QVERIFY(record.atClose);
            QVERIFY(record.seconds >= 0 && record.seconds <= kMaxPlaySeconds);
            QCOMPARE(record.puzzle.digit(2), 4);
        } else {
            QCOMPARE(after, kept); // not this run's game: left as it was
        }
    }

    // The game is on disk within about a second of each move: a run that ends without its close (killed)
    // loses no more, and the next start plays on, the line saying so, even a generated puzzle the save
    // file does not hold yet.
    void recoveredAfterAKill_data() {
        QTest::addColumn<bool>("generated");
        QTest::newRow("作答") << false;
        QTest::newRow("a generated puzzle") << true;
    }
    void recoveredAfterAKill() {
        QFETCH(bool, generated);
        QTemporaryDir dir;
        const QString savePath = dir.filePath(QStringLiteral("Default.dat"));
        const QString playPath = dir.filePath(QStringLiteral("play.json"));
        QString givens;
        int cell = 0;
        {
            WindowHarness h({.saveFilePath = savePath});
            if (generated)
                h->Command1_Click(3);
            else
                startPlaying(h, kPuzzle);
            givens = boardDigits(h.window());
            while (givens.at(cell) != QChar('0')) ++cell;
            h->session().togglePencilMark(cell, 7);
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(playPath), 3000);
            PlayRecord record;
            QFile play(playPath);
            QVERIFY(play.open(QIODevice::ReadOnly));
            QVERIFY(parsePlayRecord(play.readAll(), record));
            QVERIFY(!record.atClose);
            QCOMPARE(record.puzzle.pencilMarks(cell), PencilMarks{0b1000000});
            // ended here without the close: the window goes, nothing is saved
        }
        if (generated) { // the givens are written at the close alone
            QFile saved(savePath);
            QString held;
            if (saved.open(QIODevice::ReadOnly))
                for (const char byte : saved.readAll().left(kCellCount)) held += QChar('0' + byte);
            QVERIFY(held != givens);
        }
        WindowHarness h({.saveFilePath = savePath});
        QVERIFY(h->session().playing());
        QCOMPARE(boardDigits(h.window()), givens);
        QCOMPARE(h->session().puzzle().pencilMarks(cell), PencilMarks{0b1000000});
        QVERIFY(game(h).bar().isVisible());
        QCOMPARE(playLine(h), QStringLiteral("上次沒有正常結束；遊戲進度已經找回來了。"));
        // the player ends the game: its file goes
        h->Command1_Click(0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(playPath), 3000);
    }

    // What the play file refuses: anything but the game as the program writes it.
    void playFileRefuses_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("as written") << QString() << QJsonValue();
        QTest::newRow("other version") << QStringLiteral("version") << QJsonValue(2);
        QTest::newRow("short givens") << QStringLiteral("givens") << QJsonValue(kPuzzle.left(80));
        QTest::newRow("a digit on a given")
            << QStringLiteral("digits") << QJsonValue(QStringLiteral("5") + QString(80, QChar('0')));
        QTest::newRow("negative time") << QStringLiteral("seconds") << QJsonValue(-1);
        QTest::newRow("no marks") << QStringLiteral("marks") << QJsonValue(QStringLiteral("none"));
    }
    void playFileRefuses() {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        PlayRecord record;
        for (int c = 0; c < kCellCount; ++c)
            if (kPuzzle.at(c) != QChar('0')) record.puzzle.setGiven(c, kPuzzle.at(c).digitValue());
        record.puzzle.setCell(2, 4, CellKind::Player);
        record.puzzle.setPencilMarks(3, 0b1000000);
        record.seconds = 95;
        QJsonObject object = QJsonDocument::fromJson(playRecordJson(record)).object();
        if (!key.isEmpty()) object[key] = value;
        PlayRecord read;
        QCOMPARE(parsePlayRecord(QJsonDocument(object).toJson(), read), key.isEmpty());
        if (key.isEmpty()) QVERIFY(read.puzzle == record.puzzle && read.seconds == 95);
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
