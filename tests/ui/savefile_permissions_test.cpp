// Start-up and shutdown through the real window with a save file the user may not read or write.
// Runs as an ordinary user (ctest starts it as nobody when run as root).
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "playfile.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QByteArray kOldBytes = [] {
    QByteArray bytes(90, '\0');
    bytes[0] = 5;
    bytes[40] = 7;
    bytes[85] = 'x'; // bytes past the 81st belong to nobody
    return bytes;
}();

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class SaveFilePermissionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (::geteuid() == 0) QSKIP("root reads and writes every file; run as an ordinary user");
        prepareApplication();
    }

    // Unreadable: the user is asked at close; keeping (the default, and what Escape does) leaves the
    // file byte for byte, replacing writes the board.
    void unreadableFileIsReplacedOnlyWhenTheUserAgrees_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("kept") << false;
        QTest::newRow("replaced") << true;
    }
    void unreadableFileIsReplacedOnlyWhenTheUserAgrees() {
        QFETCH(bool, replace);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        write(path, kOldBytes, QFile::WriteOwner);
        {
            WindowHarness h({.saveFilePath = path});
            QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
            const QString warning = h.messageBoxes->shown().front().text;
            QVERIFY(warning.contains(path));
            QVERIFY2(warning.contains(QStringLiteral("沒有存取這個檔案的權限")), qPrintable(warning));
            QCOMPARE(boardDigits(h.window()), QString(81, QChar('0')));
            enterGivens(h.window(), QStringLiteral("3") + QString(80, QChar('0')));
            if (replace) h.messageBoxes->answerNext(MessageAnswer::Replace);
            h->close();
            QCOMPARE(h.messageBoxes->shown().size(), std::size_t(2));
            QCOMPARE(h.messageBoxes->shown().back().buttons, MessageButtons::ReplaceKeep);
            QCOMPARE(h.programEnd->calls(), 1);
        }
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QByteArray replaced(81, '\0');
        replaced[0] = 3;
        QCOMPARE(readAll(path), replace ? replaced : kOldBytes);
    }

    // An end nobody answers (a signal) keeps the unreadable file without a question and says so.
    void endWithoutQuestionsKeepsAnUnreadableFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        write(path, kOldBytes, QFile::WriteOwner);
        {
            WindowHarness h({.saveFilePath = path});
            enterGivens(h.window(), QStringLiteral("3") + QString(80, QChar('0')));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                                   "could not be read at start-up and is kept")));
            h->closeWithoutQuestions();
            QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1)); // the start-up warning alone
            QCOMPARE(h.programEnd->calls(), 1);
        }
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(readAll(path), kOldBytes);
    }

    // A board that could not be read is no reason to drop the game kept for it: play.json stays as it
    // was through the close.
    void unreadableFileKeepsTheGameFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        const QString playPath = dir.filePath(QStringLiteral("play.json"));
        write(path, kOldBytes, QFile::WriteOwner);
        PlayRecord record;
        record.puzzle.setGiven(0, 5);
        record.puzzle.setGiven(40, 7);
        record.puzzle.setCell(1, 3, CellKind::Player);
        record.seconds = 61;
        const QByteArray game = playRecordJson(record);
        write(playPath, game, QFile::ReadOwner | QFile::WriteOwner);
        {
            WindowHarness h({.saveFilePath = path});
            QCOMPARE(boardDigits(h.window()), QString(81, QChar('0')));
            h->close();
            QCOMPARE(h.programEnd->calls(), 1);
        }
        QCOMPARE(readAll(playPath), game);
    }

    // Read-only: said once at start-up; at close the save fails and the givens go to another file.
    void readOnlyFileIsReportedAtStartUpAndTheGivensSavedElsewhere() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Default.dat"));
        const QString elsewhere = dir.filePath(QStringLiteral("puzzle.txt"));
        write(path, kOldBytes, QFile::ReadOwner);
        WindowHarness h({.saveFilePath = path, .saveElsewhere = elsewhere});
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(1));
        const QString warning = h.messageBoxes->shown().front().text;
        QVERIFY(warning.contains(path));
        QVERIFY2(warning.contains(QStringLiteral("沒有存取這個檔案的權限")), qPrintable(warning));
        QVERIFY(warning.contains(QStringLiteral("無法保存")));
        QCOMPARE(h->Label1(40)->text(), QStringLiteral("7")); // the givens were loaded

        h.messageBoxes->answerNext(MessageAnswer::Yes);
        h->close();
        QCOMPARE(h.messageBoxes->shown().size(), std::size_t(2));
        QCOMPARE(h.saveDialog->asked, 1);
        QCOMPARE(readAll(elsewhere), QByteArray("5") + QByteArray(39, '0') + "7" + QByteArray(40, '0') + "\n");
        QCOMPARE(readAll(path), kOldBytes);
    }

private:
    static void write(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        QVERIFY(file.setPermissions(permissions));
    }
};

QTEST_MAIN(SaveFilePermissionsTest)
#include "savefile_permissions_test.moc"
