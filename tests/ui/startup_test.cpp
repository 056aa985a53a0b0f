// Start-up and shutdown through the real window: the About box beside it, the givens kept in
// Default.dat across runs, the clear command's removal, the web page link and the print button.
#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "aboutdialog.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void aboutBoxStandsBesideTheWindow() {
        WindowHarness h({.aboutBox = true});
        AboutDialog* about = h->aboutBox();
        QVERIFY(about != nullptr);
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("關於 Dodoru數字方陣"));
        // The main window keeps working meanwhile.
        h->Label1_MouseDown(40, 2, 0, 0, 0);
        QVERIFY(h->Command1(0)->backColor() == 0xFFFFu);
    }

    void firstRunCreatesAnEmptyFileAndSavesZeros() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        {
            WindowHarness h({.saveFilePath = path});
            QVERIFY(QFile::exists(path));
            QCOMPARE(QFileInfo(path).size(), 0);
            QCOMPARE(boardDigits(h.window()), QString(81, QChar('0')));
            h->close();
        }
        QCOMPARE(readAll(path), QByteArray(81, '\0'));
    }

    void givensSurviveARestartButSolvedDigitsDoNot() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        const QString puzzle =
            QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
        {
            WindowHarness h({.saveFilePath = path});
            enterGivens(h.window(), puzzle);
            h->Command1_Click(1);
            QVERIFY(!boardDigits(h.window()).contains(QChar('0')));
            h->close();
        }
        QByteArray expected(81, '\0');
        for (int c = 0; c < 81; ++c) expected[c] = static_cast<char>(puzzle.at(c).digitValue());
        QCOMPARE(readAll(path), expected);

        WindowHarness again({.saveFilePath = path});
        QCOMPARE(boardDigits(again.window()), puzzle);
        QCOMPARE(labelDigits(again.window()), puzzle);
        for (int c = 0; c < 81; ++c) QCOMPARE(again->Label1(c)->foreColor() == 0xFF0000u, puzzle.at(c) != QChar('0'));
        QVERIFY(again->Command1(0)->backColor() == 0xFFFFu);
    }

    void bytesBeyondTheBoardAreKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        QByteArray bytes(100, '\0');
        bytes[0] = 5;
        bytes[80] = 9;
        bytes[40] = 57;  // the character '9', not a digit value: ignored
        for (int i = 81; i < 100; ++i) bytes[i] = static_cast<char>(i);
        writeAll(path, bytes);
        {
            WindowHarness h({.saveFilePath = path});
            QCOMPARE(h->Label1(0)->text(), QStringLiteral("5"));
            QCOMPARE(h->Label1(80)->text(), QStringLiteral("9"));
            QCOMPARE(h->Label1(40)->text(), QString());
            h->close();
        }
        QByteArray expected = bytes;
        expected[40] = 0;
        QCOMPARE(readAll(path), expected);
    }

    void unreadableSaveFileIsReportedAndTheBoardStartsEmpty() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Default.dat")));  // a directory in its place
        WindowHarness h({.saveFilePath = path});
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
        QVERIFY(h.messageBoxes->shown().front().text.contains(path));
        QCOMPARE(boardDigits(h.window()), QString(81, QChar('0')));
        QVERIFY(h->Command1(0)->backColor() == 0xFFFFu);  // start-up went on
        h->Label1_MouseDown(0, 1, 0, 0, 0);
        QVERIFY(h->Combo1()->isVisible());

        h->close();  // and the failed save at shutdown is reported too
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(2));
        QCOMPARE(h.programEnd->calls(), 1);
    }

    void confirmedClearRemovesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        WindowHarness h({.saveFilePath = path});
        QVERIFY(QFile::exists(path));
        h.messageBoxes->answerNext(MessageAnswer::No);
        h->Command1_Click(2);
        QVERIFY(QFile::exists(path));
        h.messageBoxes->answerNext(MessageAnswer::Yes);
        h->Command1_Click(2);
        QVERIFY(!QFile::exists(path));
        h.messageBoxes->answerNext(MessageAnswer::Yes);
        h->Command1_Click(2);  // a second clear meets no file: not an error
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(3));
    }

    void closingInTheMiddleOfAGenerationKeepsTheEarlierBoard() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        WindowHarness h({.seed = 3, .clockStepNs = 20'000'000, .saveFilePath = path});
        const QString earlier = QStringLiteral("5") + QString(79, QChar('0')) + QStringLiteral("9");
        enterGivens(h.window(), earlier);
        QString blueAtClose;
        h.eventPass->onRun(3, [&] {
            blueAtClose = blueMask(h.window());
            h->close();
        });
        h->Command1_Click(7);
        QCOMPARE(h.programEnd->calls(), 1);
        // The generator's working givens were on the board, but what is saved is the board from before.
        QVERIFY(blueAtClose.count(QChar('1')) > 2);
        QByteArray expected(81, '\0');
        expected[0] = 5;
        expected[80] = 9;
        QCOMPARE(readAll(path), expected);
    }

    void hintLineOpensTheWebPage() {
        WindowHarness h;
        h->Label2_Click();
        h->Label2_Click();
        QCOMPARE(h.browser->opened.size(), std::size_t(2));
        QCOMPARE(h.browser->opened.back(), QUrl(QStringLiteral("https://www.example.com/dodoru/")));
        QVERIFY(h.messageBoxes->shown().empty());

        h.browser->available = false;
        h->Label2_Click();
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
        QCOMPARE(h.browser->opened.size(), std::size_t(2));
    }

    void printCancelledChangesNothing() {
        WindowHarness h;
        h->Command1_Click(1);
        const QString before = boardDigits(h.window());
        h.messageBoxes->answerNext(MessageAnswer::Cancel);
        h->Command1_Click(99);
        QCOMPARE(h.messageBoxes->shown().back().text, QStringLiteral("注意!請問您是否要列印本題目?"));
        QCOMPARE(h.messageBoxes->shown().back().buttons, MessageButtons::OkCancel);
        QVERIFY(h->isEnabled());
        QVERIFY(h->Command1(1)->backColor() == 0xFFFFu);
        QCOMPARE(boardDigits(h.window()), before);
        QVERIFY(h->題目錯誤()->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
