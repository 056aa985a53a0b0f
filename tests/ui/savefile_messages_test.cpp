// The window's uses of the save file: a failure at start-up, at shutdown or in a clear is shown with
// its reason, and the program goes on.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

#include "fakeplatform.h"
#include "messageboxes.h"
#include "scriptedmessageboxes.h"
#include "savefile.h"

using namespace dodoru;
using namespace dodoru::testing;

class SaveFileMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        boxes_ = ScriptedMessageBoxes();
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
    }

    void successesShowNothing() {
        const SaveFile file(dir_.filePath(QStringLiteral("Default.dat")));
        Board board;
        std::uint8_t fileByte = 0;
        QCOMPARE(loadGivensAtStartUp(file, board, fileByte, boxes_, nullptr).status,
                 SaveFileStatus::CreatedEmpty);
        board.cell(4).makeGiven(6);
        QCOMPARE(saveGivensAtShutdown(file, board, fileByte, boxes_, nullptr).status, SaveFileStatus::Saved);
        QCOMPARE(deleteForClear(file, boxes_, nullptr).status, SaveFileStatus::Deleted);
        QCOMPARE(deleteForClear(file, boxes_, nullptr).status, SaveFileStatus::AlreadyAbsent);
        QVERIFY(boxes_.shown().empty());
    }

    void startUpFailureIsShownAndTheBoardStaysEmpty() {
        const QString path = dir_.filePath(QStringLiteral("Default.dat"));
        QVERIFY(QDir().mkpath(path)); // a directory where the file should be
        Board board;
        std::uint8_t fileByte = 0;
        const SaveFileResult result = loadGivensAtStartUp(SaveFile(path), board, fileByte, boxes_, nullptr);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QCOMPARE(board, Board());
        QCOMPARE(boxes_.shown().size(), size_t{1});
        QCOMPARE(boxes_.shown()[0].buttons, MessageButtons::Ok);
        QVERIFY(boxes_.shown()[0].text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(boxes_.shown()[0].text.contains(QStringLiteral("空白的盤面")));
    }

    void shutdownFailureSaysTheGivensWereNotSaved() {
        const QString path = dir_.filePath(QStringLiteral("missing/Default.dat"));
        Board board;
        board.cell(0).makeGiven(1);
        std::uint8_t fileByte = 0;
        const SaveFileResult result = saveGivensAtShutdown(SaveFile(path), board, fileByte, boxes_, nullptr);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QCOMPARE(boxes_.shown().size(), size_t{1});
        QCOMPARE(boxes_.shown()[0].icon, MessageIcon::Critical);
        QVERIFY(boxes_.shown()[0].text.contains(QStringLiteral("沒有被保存")));
        QVERIFY(boxes_.shown()[0].text.contains(result.reason));
    }

    void clearFailureIsShown() {
        const QString path = dir_.filePath(QStringLiteral("Default.dat"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        const SaveFileResult result = deleteForClear(SaveFile(path), boxes_, nullptr);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QCOMPARE(boxes_.shown().size(), size_t{1});
        QVERIFY(boxes_.shown()[0].text.contains(QStringLiteral("無法刪除")));
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    }

    void restartKeepsTheGivens() {
        // Two runs of the program: enter 5 in cell 0 and 9 in cell 80, close, start again.
        const SaveFile file(
            FilesLocation::choose(dir_.path(), dir_.filePath(QStringLiteral("unused"))).saveFilePath());
        Board firstRun;
        std::uint8_t firstByte = 0;
        loadGivensAtStartUp(file, firstRun, firstByte, boxes_, nullptr);
        firstRun.cell(0).makeGiven(5);
        firstRun.cell(80).makeGiven(9);
        firstRun.cell(1).setValue(3); // a solved digit, not a given
        saveGivensAtShutdown(file, firstRun, firstByte, boxes_, nullptr);

        QFile saved(file.path());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.size(), 81);
        QCOMPARE(bytes.at(0), '\5');
        QCOMPARE(bytes.at(80), '\11');
        QCOMPARE(bytes.count('\0'), 79);

        Board secondRun;
        std::uint8_t secondByte = 0;
        QCOMPARE(loadGivensAtStartUp(file, secondRun, secondByte, boxes_, nullptr).status,
                 SaveFileStatus::Loaded);
        QCOMPARE(secondRun.givenCount(), 2);
        QVERIFY(secondRun.cell(0).isGiven());
        QVERIFY(secondRun.cell(80).isGiven());
        QVERIFY(secondRun.cell(1).empty());
        QVERIFY(boxes_.shown().empty());
    }

private:
    QTemporaryDir dir_;
    ScriptedMessageBoxes boxes_;
};

QTEST_GUILESS_MAIN(SaveFileMessagesTest)
#include "savefile_messages_test.moc"
