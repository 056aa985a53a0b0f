// The board save file: load at start-up, save at shutdown, removal by the clear command.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

#include "boardfilekeeper.h"
#include "savefile.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace dodoru;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray cellBytes(std::initializer_list<std::pair<int, char>> cells, qsizetype size = 81) {
    QByteArray bytes(size, '\0');
    for (const auto& [cell, value] : cells) bytes[cell] = value;
    return bytes;
}

} // namespace

class SaveFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("Default.dat"));
        QFile::remove(path_);
    }

    // --- start-up ---
    void missingFileIsCreatedEmptyAndBoardStaysEmpty() {
        Board board;
        const SaveFileResult result = SaveFile(path_).load(board);
        QCOMPARE(result.status, SaveFileStatus::CreatedEmpty);
        QVERIFY(result.reason.isEmpty());
        QVERIFY(QFileInfo::exists(path_));
        QCOMPARE(QFileInfo(path_).size(), 0);
        QCOMPARE(board, Board());
    }

    void loadsEachByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("givens");
        const QString none(81, QLatin1Char('0'));
        QString corners = none;
        corners[0] = QLatin1Char('5');
        corners[80] = QLatin1Char('9');
        QString cornerMask = none;
        cornerMask[0] = cornerMask[80] = QLatin1Char('1');
        QTest::newRow("two givens") << cellBytes({{0, 5}, {80, 9}}) << corners << cornerMask;
        QTest::newRow("characters are not digits") << QByteArray(81, '5') << none << none;
        QTest::newRow("values past 9 are ignored")
            << cellBytes({{0, 10}, {1, static_cast<char>(255)}, {80, 9}}) <<
            [&] {
                QString d = none;
                d[80] = QLatin1Char('9');
                return d;
            }()
            << [&] {
                   QString m = none;
                   m[80] = QLatin1Char('1');
                   return m;
               }();
        QByteArray full(81, '\0');
        QString fullDigits, fullMask(81, QLatin1Char('1'));
        for (int c = 0; c < 81; ++c) {
            full[c] = static_cast<char>(c % 9 + 1);
            fullDigits += QChar(QLatin1Char(static_cast<char>('1' + c % 9)));
        }
        QTest::newRow("every cell") << full << fullDigits << fullMask;
    }

    void loadsEachByte() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, digits);
        QFETCH(QString, givens);
        writeAll(path_, bytes);
        Board board;
        QCOMPARE(SaveFile(path_).load(board).status, SaveFileStatus::Loaded);
        QCOMPARE(QString::fromStdString(board.digits()), digits);
        QCOMPARE(QString::fromStdString(board.givenMask()), givens);
        for (int c = 0; c < 81; ++c) {
            if (board.cell(c).isGiven())
                QCOMPARE(board.cell(c).colour(), std::optional<Colour>(kGivenColour));
            else
                QCOMPARE(board.cell(c).colour(), std::optional<Colour>());
        }
        QCOMPARE(readAll(path_), bytes); // reading never changes the file
    }

    void shortFileLeavesTheRestEmpty() {
        // The last byte read is a digit: it must not spill into the cells past the end.
        writeAll(path_, cellBytes({{0, 3}, {9, 7}}, 10));
        Board board;
        QCOMPARE(SaveFile(path_).load(board).status, SaveFileStatus::Loaded);
        QCOMPARE(board.givenCount(), 2);
        QCOMPARE(board.cell(0).value(), 3);
        QCOMPARE(board.cell(9).value(), 7);
        for (int c = 10; c < 81; ++c) QVERIFY2(board.cell(c).empty(), qPrintable(QString::number(c)));
        QCOMPARE(QFileInfo(path_).size(), 10);
    }

    void longerFileLoadsOnlyTheFirst81() {
        QByteArray bytes = cellBytes({{40, 4}}, 100);
        for (int i = 81; i < 100; ++i) bytes[i] = 6;
        writeAll(path_, bytes);
        Board board;
        QCOMPARE(SaveFile(path_).load(board).status, SaveFileStatus::Loaded);
        QCOMPARE(board.givenCount(), 1);
        QCOMPARE(board.cell(40).value(), 4);
    }

    void loadFailureLeavesBoardUntouched() {
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("Default.dat")));
        Board board;
        board.cell(3).makeGiven(8);
        const Board before = board;
        const SaveFileResult result = SaveFile(path_).load(board);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QVERIFY(!result.ok());
        QVERIFY(result.reason.contains(QDir::toNativeSeparators(path_)));
        QCOMPARE(board, before);
        QVERIFY(startupLoadFailedText(result).contains(result.reason));
        QVERIFY(QDir(dir_.path()).rmdir(QStringLiteral("Default.dat")));
    }

    void loadFailsWhenTheFileCannotBeCreated() {
        const QString path = dir_.filePath(QStringLiteral("no-such-directory/Default.dat"));
        Board board;
        const SaveFileResult result = SaveFile(path).load(board);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(!QFileInfo::exists(path));
    }

    // --- shutdown ---
    void savesOnlyBlueCells() {
        Board board;
        board.cell(0).makeGiven(5);
        board.cell(80).makeGiven(9);
        board.cell(10).setValue(4); // a solved digit in black
        board.cell(10).setGiven(false);
        board.cell(11).setValue(6);             // a digit whose colour was never set
        board.cell(12).setGiven(true); // a given but empty
        const SaveFileResult result = SaveFile(path_).save(board);
        QCOMPARE(result.status, SaveFileStatus::Saved);
        QCOMPARE(readAll(path_), cellBytes({{0, 5}, {80, 9}}));
    }

    void emptyBoardWritesZeros() {
        writeAll(path_, QByteArray());
        Board board;
        QVERIFY(SaveFile(path_).save(board).ok());
        QCOMPARE(readAll(path_), QByteArray(81, '\0'));
    }

    void saveKeepsBytesPast81() {
        QByteArray bytes(100, '\0');
        for (int i = 0; i < 100; ++i) bytes[i] = static_cast<char>(i < 81 ? 2 : 200 + i - 81);
        writeAll(path_, bytes);
        Board board;
        board.cell(7).makeGiven(1);
        QVERIFY(SaveFile(path_).save(board).ok());
        const QByteArray after = readAll(path_);
        QCOMPARE(after.size(), 100);
        QCOMPARE(after.left(81), cellBytes({{7, 1}}));
        QCOMPARE(after.mid(81), bytes.mid(81));
    }

    void saveRecreatesADeletedFile() {
        Board board;
        board.cell(30).makeGiven(3);
        QCOMPARE(SaveFile(path_).remove().status, SaveFileStatus::AlreadyAbsent);
        QVERIFY(SaveFile(path_).save(board).ok());
        QCOMPARE(readAll(path_), cellBytes({{30, 3}}));
    }

    void roundTripAcrossARestart() {
        Board first;
        first.cell(0).makeGiven(5);
        first.cell(44).makeGiven(2);
        first.cell(80).makeGiven(9);
        QVERIFY(SaveFile(path_).save(first).ok());
        Board second;
        QCOMPARE(SaveFile(path_).load(second).status, SaveFileStatus::Loaded);
        QCOMPARE(second.digits(), first.digits());
        QCOMPARE(second.givenMask(), first.givenMask());
    }

    void failedSaveKeepsTheOldFile() {
        // The file's place is taken by a directory: nothing can be written, and what was there stays.
        const QString blocked = dir_.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("blocked")));
        writeAll(dir_.filePath(QStringLiteral("blocked/keep")), QByteArrayLiteral("x"));
        Board board;
        board.cell(0).makeGiven(1);
        const SaveFileResult result = SaveFile(blocked).save(board);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QVERIFY(result.reason.contains(QDir::toNativeSeparators(blocked)));
        QCOMPARE(readAll(dir_.filePath(QStringLiteral("blocked/keep"))), QByteArrayLiteral("x"));
        QVERIFY(shutdownSaveFailedQuestion(result).contains(result.reason));
    }

    void failedSaveInAMissingDirectory() {
        const QString path = dir_.filePath(QStringLiteral("gone/Default.dat"));
        Board board;
        const SaveFileResult result = SaveFile(path).save(board);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(!QFileInfo::exists(path));
    }

    void failedWriteKeepsTheOldFileWhole() {
#ifdef Q_OS_LINUX
        // A file size limit makes every write past 40 bytes fail, as a full disk would.
        const QByteArray old = cellBytes({{0, 1}, {1, 2}, { 2, 3 }});
        writeAll(path_, old);
        Board board;
        board.cell(80).makeGiven(9);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 40;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const SaveFileResult result = SaveFile(path_).save(board);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(readAll(path_), old);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Default.dat")});
#else
        QSKIP("needs a file size limit");
#endif
    }

    // --- only regular files ---
    // Whatever else stands in the file's place is refused at once by every operation and left as it
    // was: a FIFO would block a plain open(), and a save would replace a device node or create the
    // target of a link that points nowhere.
    void otherKindsAreRefusedAndLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << QStringLiteral("fifo") << QStringLiteral("FIFO");
        QTest::newRow("link to a FIFO") << QStringLiteral("link to fifo") << QStringLiteral("FIFO");
        QTest::newRow("socket") << QStringLiteral("socket") << QStringLiteral("socket");
        QTest::newRow("link to a device node") << QStringLiteral("link to device") << QStringLiteral("裝置");
        QTest::newRow("dangling link") << QStringLiteral("dangling") << QStringLiteral("指向的檔案不存在");
    }

    void otherKindsAreRefusedAndLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QByteArray name = QFile::encodeName(path_);
        const QString other = dir_.filePath(QStringLiteral("other"));
        const QByteArray otherName = QFile::encodeName(other);
        int listening = -1;
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == QLatin1String("link to fifo")) {
            QCOMPARE(::mkfifo(otherName.constData(), 0600), 0);
            QVERIFY(QFile::link(other, path_));
        } else if (kind == QLatin1String("socket")) {
            listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            if (name.size() >= qsizetype(sizeof address.sun_path)) QSKIP("temporary path too long for a socket");
            std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
            QCOMPARE(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        } else if (kind == QLatin1String("link to device")) {
            // A node of our own (the null device's numbers) in the temporary folder.
            if (::mknod(otherName.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) QSKIP("mknod needs root");
            QVERIFY(QFile::link(other, path_));
        } else {
            QVERIFY(QFile::link(other, path_));
        }
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);

        const SaveFile file(path_);
        Board board;
        board.cell(0).makeGiven(4);
        const Board loaded = board;
        for (const SaveFileResult& result : {file.load(board), file.checkWritable(), file.save(board)}) {
            QCOMPARE(result.status, SaveFileStatus::Failed);
            QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
            QVERIFY(result.reason.contains(QDir::toNativeSeparators(path_)));
        }
        if (kind != QLatin1String("dangling")) QCOMPARE(file.remove().status, SaveFileStatus::Failed);
        QCOMPARE(board, loaded);

        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QVERIFY(!QFileInfo::exists(other) || !QFileInfo(other).isFile());
        if (listening >= 0) ::close(listening);
        QFile::remove(path_);
        QFile::remove(other);
    }

    // --- the clear command ---
    void removeDeletesTheFile() {
        writeAll(path_, QByteArray(81, '\1'));
        QCOMPARE(SaveFile(path_).remove().status, SaveFileStatus::Deleted);
        QVERIFY(!QFileInfo::exists(path_));
        const SaveFileResult again = SaveFile(path_).remove();
        QCOMPARE(again.status, SaveFileStatus::AlreadyAbsent);
        QVERIFY(again.ok());
    }

    void removeReportsAFailure() {
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("Default.dat")));
        const SaveFileResult result = SaveFile(path_).remove();
        QCOMPARE(result.status, SaveFileStatus::Failed);
        QVERIFY(clearDeleteFailedText(result).contains(result.reason));
        QVERIFY(QFileInfo(path_).isDir());
        QVERIFY(QDir(dir_.path()).rmdir(QStringLiteral("Default.dat")));
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(SaveFileTest)
#include "savefile_file_test.moc"
