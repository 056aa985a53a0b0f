// The level buttons: the board hidden while the generator works, the puzzle shown with its count, the
// log record, and a log that cannot be written.
#include <QtTest>

#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

int countBlue(MainWindow& window) {
    int blue = 0;
    for (int c = 0; c < 81; ++c) blue += window.session().puzzle().isGiven(c) ? 1 : 0;
    return blue;
}

// Every blue cell shows a digit, every other cell is empty, all cells are visible.
void verifyPuzzleShown(MainWindow& window) {
    for (int c = 0; c < 81; ++c) {
        ColourLabel* cell = window.Label1(c);
        QVERIFY(cell->isVisible());
        if (cell->foreColor() == 0xFF0000u) {
            QVERIFY(window.session().puzzle().isGiven(c));
            QCOMPARE(cell->text().size(), 1);
        } else {
            QVERIFY(cell->text().isEmpty());
        }
        QCOMPARE(cell->mousePointer(), MousePointer::Default);
        QVERIFY(cell->toolTip().isEmpty());
    }
}

} // namespace

class GenerateTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void generatedPuzzlesAreShownWithTheirCount_data() {
        QTest::addColumn<short>("button");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("level 1") << short(3) << quint64(7);
        QTest::newRow("level 1, another seed") << short(3) << quint64(12345);
        QTest::newRow("level 2") << short(4) << quint64(99);
    }
    void generatedPuzzlesAreShownWithTheirCount() {
        QFETCH(short, button);
        QFETCH(quint64, seed);
        WindowHarness h({.seed = seed});
        QTest::mouseClick(h->Command1(button), Qt::LeftButton);

        verifyPuzzleShown(h.window());
        const int blue = countBlue(h.window());
        QVERIFY(blue >= 17 && blue < 81);
        QVERIFY(h->Label3()->isVisible());
        QCOMPARE(h->Label3()->text(), QStringLiteral("空格%1").arg(81 - blue)); // the cells left empty
        // the whole count is readable inside the window
        QVERIFY(h->rect().contains(h->Label3()->geometry()));
        QVERIFY(h->Label3()->width() >= h->Label3()->fontMetrics().horizontalAdvance(h->Label3()->text()));
        QVERIFY(h->題目錯誤()->isHidden());
        QCOMPARE(h->session().engineState().GenerateFlag, std::int16_t(0));
        for (short i = 0; i <= 7; ++i) {
            QCOMPARE(h->Command1(i)->backColor(), i == button ? 0xFFFFu : 0x8000000Fu);
            QVERIFY(h->Command1(i)->isEnabled());
        }
        QCOMPARE(h.log->records().size(), std::size_t(1));
        QCOMPARE(h.log->records().front().level, button - 2);
        QCOMPARE(h.log->records().front().clueCount, blue);
        QVERIFY(h.messageBoxes->shown().empty());

        // the puzzle has exactly one solution, and solving it keeps every given
        const QString givens = boardDigits(h.window());
        h->Command1_Click(1);
        QVERIFY(h->題目錯誤()->isHidden());
        const QString solved = labelDigits(h.window());
        QVERIFY(!solved.contains(QChar('0')));
        for (int c = 0; c < 81; ++c)
            if (givens.at(c) != QChar('0')) QCOMPARE(solved.at(c), givens.at(c));
    }

    void theSameSeedGivesTheSamePuzzle() {
        WindowHarness first({.seed = 4242});
        WindowHarness second({.seed = 4242});
        first->Command1_Click(3);
        second->Command1_Click(3);
        QCOMPARE(boardDigits(first.window()), boardDigits(second.window()));
    }

    void cellsAreHiddenWhileTheGeneratorWorks() {
        // a clock step beyond the pass interval: every poll runs a pass (level 3 rejects tries)
        WindowHarness h({.seed = 5, .clockStepNs = 20'000'000});
        bool checked = false;
        h.eventPass->onRun(1, [&] {
            checked = true;
            for (int c = 0; c < 81; ++c) QVERIFY(h->Label1(c)->isHidden());
            QVERIFY(h->Label3()->isHidden());
            for (short i = 0; i <= 7; ++i) QVERIFY(!h->Command1(i)->isEnabled());
            // nothing else can start meanwhile
            QTest::mouseClick(h->Command1(1), Qt::LeftButton);
            h->Command1_Click(4);
            QCOMPARE(h->Command1(5)->backColor(), 0xFFFFu);
        });
        h->Command1_Click(5);
        QVERIFY(checked);
        verifyPuzzleShown(h.window());
        QCOMPARE(h.log->records().size(), std::size_t(1));
        QCOMPARE(h.log->records().front().level, 3);
        QCOMPARE(h->Command1(5)->backColor(), 0xFFFFu);
    }

    void aFailedLogWriteIsReportedAndThePuzzleStillShown() {
        WindowHarness h;
        h.log->failWith("Permission denied");
        h->Command1_Click(3);
        verifyPuzzleShown(h.window());
        QCOMPARE(h->Label3()->text(), QStringLiteral("空格%1").arg(81 - countBlue(h.window())));
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
        const auto& box = h.messageBoxes->shown().front();
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QVERIFY(box.text.contains(QStringLiteral("out.txt")));
        QVERIFY(box.text.contains(QStringLiteral("Permission denied")));
    }

    void manualSetUpAfterGeneratingAllowsEditingAgain() {
        WindowHarness h;
        h->Command1_Click(3);
        QTest::mouseClick(h->Label1(0), Qt::RightButton);
        const QString before = boardDigits(h.window());
        QTest::mouseClick(h->Command1(0), Qt::LeftButton);
        QCOMPARE(boardDigits(h.window()), before);
        QTest::mouseClick(h->Label1(0), Qt::RightButton);
        QVERIFY(h->Label1(0)->text().isEmpty());
        QCOMPARE(h->Label1(0)->mousePointer(), MousePointer::Custom);
    }
};

QTEST_MAIN(GenerateTest)
#include "generate_test.moc"
