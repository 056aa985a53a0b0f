// 難度依解題技巧: the level buttons by solving technique, made away from the window's thread; the busy
// state and its cancel; the rating on the play line either way; the choice kept between runs.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "boardhistory.h"
#include "logicsolver.h"
#include "playbar.h"
#include "playgame.h"
#include "techniquelevelcommand.h"
#include "techniquelevels.h"
#include "techniquenames.h"
#include "windowfeatures.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kPuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");

TechniqueLevelCommand& command(WindowHarness& h) {
    return h->features().techniqueLevels();
}

PlayBar& bar(WindowHarness& h) {
    return h->features().play().bar();
}

logic::DigitGrid givens(WindowHarness& h) {
    logic::DigitGrid digits{};
    for (int c = 0; c < 81; ++c)
        if (h->session().puzzle().isGiven(c)) digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(h->session().puzzle().digit(c));
    return digits;
}

} // namespace

class TechniqueLevelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // The choice is written beside the save file when it changes and read at the next start.
    void theChoiceSurvivesARestart() {
        QTemporaryDir dir;
        const QString save = dir.filePath(QStringLiteral("Default.dat"));
        for (const bool on : {true, false}) {
            {
                WindowHarness h({.saveFilePath = save});
                QCOMPARE(command(h).on(), !on);
                command(h).action()->trigger();
                QCOMPARE(command(h).on(), on);
                QVERIFY(h->actions().contains(command(h).action()));
            }
            QVERIFY(QFile::exists(dir.filePath(QStringLiteral("settings.json"))));
            WindowHarness again({.saveFilePath = save});
            QCOMPARE(command(again).on(), on);
        }
    }

    // A settings file that cannot be read gives the choice off; one that cannot be written leaves the
    // choice for this run and the file as it was.
    void anUnreadableSettingsFileGivesTheDefault_data() {
        QTest::addColumn<QByteArray>("content"); // empty: a directory of that name
        QTest::newRow("not JSON") << QByteArray("levels_by_technique = true");
        QTest::newRow("another type") << QByteArray("{\"levels_by_technique\": \"yes\"}");
        QTest::newRow("a directory") << QByteArray();
    }
    void anUnreadableSettingsFileGivesTheDefault() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("settings.json"));
        if (content.isEmpty()) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings.json")));
        } else {
            QFile file(settings);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        WindowHarness h({.saveFilePath = dir.filePath(QStringLiteral("Default.dat"))});
        QVERIFY(!command(h).on());
        command(h).action()->trigger();
        QVERIFY(command(h).on());
        QCOMPARE(QFileInfo(settings).isDir(), content.isEmpty());
    }

    // On, a level button answers at once and the puzzle follows: rated inside the level's band, one
    // solution, givens symmetric under a half turn, shown as a generation ends (count, play state, one
    // undo step). Off or on, the play line names the rating from the first move.
    void levelButtonsByTechnique_data() {
        QTest::addColumn<bool>("byTechnique");
        QTest::addColumn<int>("level");
        QTest::newRow("designed level 5") << false << 5;
        QTest::newRow("level 1 by technique") << true << 1;
        QTest::newRow("level 3 by technique") << true << 3;
        QTest::newRow("level 5 by technique") << true << 5;
    }
    void levelButtonsByTechnique() {
        QFETCH(bool, byTechnique);
        QFETCH(int, level);
        WindowHarness h;
        enterGivens(h.window(), kPuzzle);
        command(h).action()->setChecked(byTechnique);
        h->Command1_Click(static_cast<short>(2 + level));
        QCOMPARE(command(h).busy(), byTechnique);
        if (byTechnique) QCOMPARE(boardDigits(h.window()), kPuzzle); // nothing changes until it is made
        QTRY_VERIFY_WITH_TIMEOUT(!command(h).busy(), 20000);
        QVERIFY(h->session().playing());
        QCOMPARE(h->session().mode(), Mode::Generate);
        QCOMPARE(h->session().level(), level);
        const logic::DigitGrid digits = givens(h);
        const logic::Rating rating = logic::rate(digits);
        QCOMPARE(rating.verdict, logic::PuzzleVerdict::Unique);
        QCOMPARE(h->session().ratingTenths(), rating.ratingTenths);
        if (byTechnique) {
            QVERIFY2(techniqueLevelBand(level).holds(rating.ratingTenths), qPrintable(QString::number(rating.ratingTenths)));
            for (std::size_t c = 0; c < 81; ++c) QCOMPARE(digits[c] == 0, digits[80 - c] == 0);
            QCOMPARE(h->Label3()->text(), QStringLiteral("空格%1").arg(81 - h->session().puzzle().givenCount()));
            QVERIFY(h->Label3()->isVisible());
        }
        QVERIFY(!bar(h).isVisible());
        h->features().play().hint();
        QVERIFY(bar(h).isVisible());
        QCOMPARE(bar(h).rating(), TechniqueNames::difficulty(rating.ratingTenths));
        if (const QString pictures = qEnvironmentVariable("DODORU_PLAY_LINE_PICTURES"); !pictures.isEmpty() && byTechnique)
            h->grab().save(QDir(pictures).filePath(QStringLiteral("level%1-by-technique.png").arg(level)));
        // one undo step gives the board before it back
        h->features().history().undo();
        QCOMPARE(boardDigits(h.window()), kPuzzle);
    }

    // A generation that lasts: the busy state shows on the play line after a moment, and Escape or a
    // button of the panel cancels, the board, its mode and the play line as they were.
    void cancelLeavesTheBoardAsItWas_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("a panel button") << false;
    }
    void cancelLeavesTheBoardAsItWas() {
        QFETCH(bool, escape);
        WindowHarness h;
        h->show();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        enterGivens(h.window(), kPuzzle);
        command(h).action()->setChecked(true);
        command(h).narrowRatings(RatingBounds{91, kTopRating}); // no puzzle is rated there
        QTest::mouseClick(h->Command1(7), Qt::LeftButton);
        QVERIFY(command(h).busy());
        QVERIFY(!bar(h).isVisible());
        QTRY_VERIFY(bar(h).isVisible());
        QVERIFY(bar(h).message().contains(QStringLiteral("Esc")));
        if (escape)
            QTest::keyClick(&h.window(), Qt::Key_Escape);
        else
            QTest::mouseClick(h->Command1(4), Qt::LeftButton);
        QVERIFY(!command(h).busy());
        QVERIFY(!bar(h).isVisible());
        QCOMPARE(boardDigits(h.window()), kPuzzle);
        QCOMPARE(h->session().mode(), Mode::ManualSetUp);
        QVERIFY(!h->session().playing());
        // what had been made by then never reaches the board
        QTest::qWait(100);
        QCOMPARE(boardDigits(h.window()), kPuzzle);
    }
};

QTEST_MAIN(TechniqueLevelsTest)
#include "techniquelevels_test.moc"
