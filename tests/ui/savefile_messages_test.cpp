// The window's uses of the save file: a failure at start-up, at shutdown or in a clear is shown with
// its reason and the program goes on; a failed shutdown save offers another file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "boardfilekeeper.h"
#include "fakeplatform.h"
#include "messageboxes.h"
#include "scriptedmessageboxes.h"
#include "fileslocation.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class SaveFileMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        boxes_ = ScriptedMessageBoxes();
        chooser_ = ScriptedSaveLocation();
        QDir(dir_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
    }

    void successesShowNothing() {
        BoardFileKeeper keeper(file(QStringLiteral("Default.dat")), boxes_, chooser_);
        Board board;
        QCOMPARE(keeper.loadAtStartUp(board, nullptr).status, SaveFileStatus::CreatedEmpty);
        board.cell(4).makeGiven(6);
        QCOMPARE(keeper.saveAtShutdown(board, nullptr), ShutdownSave::Saved);
        QCOMPARE(keeper.deleteForClear(nullptr).status, SaveFileStatus::Deleted);
        QCOMPARE(keeper.deleteForClear(nullptr).status, SaveFileStatus::AlreadyAbsent);
        QVERIFY(boxes_.shown().empty());
        QCOMPARE(chooser_.asked, 0);
    }

    void startUpFailureIsShownAndTheBoardStaysEmpty() {
        const QString path = dir_.filePath(QStringLiteral("Default.dat"));
        QVERIFY(QDir().mkpath(path)); // a directory where the file should be
        BoardFileKeeper keeper(file(QStringLiteral("Default.dat")), boxes_, chooser_);
        Board board;
        QCOMPARE(keeper.loadAtStartUp(board, nullptr).status, SaveFileStatus::Failed);
        QCOMPARE(board, Board());
        QCOMPARE(boxes_.shown().size(), size_t{1});
        QCOMPARE(boxes_.shown()[0].buttons, MessageButtons::Ok);
        QVERIFY(boxes_.shown()[0].text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(boxes_.shown()[0].text.contains(QStringLiteral("這是一個資料夾")));
        QVERIFY(boxes_.shown()[0].text.contains(QStringLiteral("空白的盤面")));
    }

    // The save file's folder is gone: the user is asked whether to save elsewhere, as often as a try fails.
    void failedSaveOffersAnotherFile_data() {
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("elsewhere"); // the dialog's answer, relative to the test folder
        QTest::addColumn<ShutdownSave>("outcome");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("declined") << QList<MessageAnswer>{MessageAnswer::No} << QString() << ShutdownSave::Lost << 0;
        QTest::newRow("saved elsewhere") << QList<MessageAnswer>{MessageAnswer::Yes} << QStringLiteral("puzzle.txt")
                                         << ShutdownSave::SavedElsewhere << 1;
        QTest::newRow("dialog cancelled, then declined")
            << QList<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::No} << QString() << ShutdownSave::Lost << 1;
        QTest::newRow("other file fails too, then declined")
            << QList<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::No}
            << QStringLiteral("gone/puzzle.txt") << ShutdownSave::Lost << 1;
    }
    void failedSaveOffersAnotherFile() {
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, elsewhere);
        QFETCH(ShutdownSave, outcome);
        QFETCH(int, dialogs);
        for (const MessageAnswer answer : answers) boxes_.answerNext(answer);
        chooser_.path = elsewhere.isEmpty() ? QString() : dir_.filePath(elsewhere);
        BoardFileKeeper keeper(file(QStringLiteral("missing/Default.dat")), boxes_, chooser_);
        Board board;
        board.cell(0).makeGiven(1);
        board.cell(80).makeGiven(9);
        board.cell(1).setValue(3); // a solved digit, not a given

        QCOMPARE(keeper.saveAtShutdown(board, nullptr), outcome);
        QCOMPARE(chooser_.asked, dialogs);
        QVERIFY(boxes_.scriptUsedUp());
        const auto& first = boxes_.shown().front();
        QCOMPARE(first.buttons, MessageButtons::YesNo);
        QCOMPARE(first.icon, MessageIcon::Critical);
        QVERIFY(first.text.contains(QDir::toNativeSeparators(keeper.file().path())));
        QVERIFY(first.text.contains(QStringLiteral("檔案或資料夾不存在")));
        if (outcome == ShutdownSave::SavedElsewhere)
            QCOMPARE(readAll(chooser_.path), QByteArray("1") + QByteArray(79, '0') + QByteArray("9\n"));
        QVERIFY(!QFileInfo::exists(keeper.file().path()));
    }

    void clearFailureIsShown() {
        const QString path = dir_.filePath(QStringLiteral("Default.dat"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        BoardFileKeeper keeper(file(QStringLiteral("Default.dat")), boxes_, chooser_);
        QCOMPARE(keeper.deleteForClear(nullptr).status, SaveFileStatus::Failed);
        QCOMPARE(boxes_.shown().size(), size_t{1});
        QVERIFY(boxes_.shown()[0].text.contains(QStringLiteral("無法刪除")));
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    }

    void restartKeepsTheGivens() {
        // Two runs of the program: enter 5 in cell 0 and 9 in cell 80, close, start again.
        const QString path =
            FilesLocation(dir_.path()).saveFilePath();
        Board firstRun;
        {
            BoardFileKeeper keeper(std::make_unique<SaveFile>(path), boxes_, chooser_);
            keeper.loadAtStartUp(firstRun, nullptr);
            firstRun.cell(0).makeGiven(5);
            firstRun.cell(80).makeGiven(9);
            firstRun.cell(1).setValue(3);
            keeper.saveAtShutdown(firstRun, nullptr);
        }
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 81);
        QCOMPARE(bytes.at(0), '\5');
        QCOMPARE(bytes.at(80), '\11');
        QCOMPARE(bytes.count('\0'), 79);

        Board secondRun;
        BoardFileKeeper keeper(std::make_unique<SaveFile>(path), boxes_, chooser_);
        QCOMPARE(keeper.loadAtStartUp(secondRun, nullptr).status, SaveFileStatus::Loaded);
        QCOMPARE(secondRun.givenCount(), 2);
        QVERIFY(secondRun.cell(1).empty());
        QVERIFY(boxes_.shown().empty());
    }

private:
    std::unique_ptr<SaveFile> file(const QString& name) { return std::make_unique<SaveFile>(dir_.filePath(name)); }

    QTemporaryDir dir_;
    ScriptedMessageBoxes boxes_;
    ScriptedSaveLocation chooser_;
};

QTEST_GUILESS_MAIN(SaveFileMessagesTest)
#include "savefile_messages_test.moc"
