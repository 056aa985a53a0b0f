// Puzzles in and out: copy and paste, puzzle files, drag and drop, and text that is no puzzle.
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "editingaids.h"
#include "scriptedtransfer.h"
#include "windowharness.h"
#include "windowfeatures.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const QString kPuzzle =
    QStringLiteral("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
const QString kSolution =
    QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");

QString givensOf(const QString& digits) {
    QString mask;
    for (const QChar digit : digits) mask += digit == QChar('0') ? QChar('0') : QChar('1');
    return mask;
}

int cluesOf(const QString& digits) {
    return static_cast<int>(digits.size() - digits.count(QChar('0')));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A window showing kPuzzle solved (mode 1), with the scripted clipboard and dialogs, and active.
struct SolvedWindow {
    SolvedWindow() : harness(WindowHarness::Options{}) {
        enterGivens(harness.window(), kPuzzle);
        harness->Command1_Click(1);
        harness->activateWindow();
    }
    MainWindow& window() { return harness.window(); }
    MainWindow* operator->() { return &harness.window(); }
    ScriptedTransferPlatform& platform() { return *harness.transfer; }

    WindowHarness harness;
};

void verifyUntouched(SolvedWindow& w) {
    QCOMPARE(boardDigits(w.window()), kSolution);
    QCOMPARE(blueMask(w.window()), givensOf(kPuzzle));
    QCOMPARE(w->Command1(1)->backColor(), 0xFFFFu);
}

// Manual set-up mode with exactly these givens and no other digit.
void verifySetUp(MainWindow& window, const QString& givens) {
    QCOMPARE(boardDigits(window), givens);
    QCOMPARE(labelDigits(window), givens);
    QCOMPARE(blueMask(window), givensOf(givens));
    QCOMPARE(window.Command1(0)->backColor(), 0xFFFFu);
    QCOMPARE(window.Command1(1)->backColor(), 0x8000000Fu);
    QVERIFY(window.Label3()->isHidden());
    QVERIFY(window.題目錯誤()->isHidden());
    QCOMPARE(window.Label1(1)->toolTip(), QStringLiteral("Click It"));
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // Copied with the keys, a generated puzzle shown meanwhile, pasted back with Ctrl+V.
    void copyAndPasteRoundTrip_data() {
        QTest::addColumn<QKeySequence>("copy");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("the puzzle as a line") << QKeySequence(QKeySequence::Copy) << kPuzzle << 1 << kPuzzle;
        QTest::newRow("puzzle and answer as a grid")
            << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C) << QStringLiteral("5 3 4 | 6 7 8 | 9 1 2") << 9
            << kSolution;
    }
    void copyAndPasteRoundTrip() {
        QFETCH(QKeySequence, copy);
        QFETCH(QString, firstLine);
        QFETCH(int, lines);
        QFETCH(QString, pasted);
        SolvedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));
        QTest::keySequence(&w.window(), copy);
        QVERIFY(w.platform().clipboard);
        const QString text = w.platform().clipboard->text();
        QCOMPARE(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), lines);
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), firstLine);

        w->Command1_Click(3);
        QVERIFY(w->Label3()->isVisible());
        const QString generated = boardDigits(w.window());
        QTest::keySequence(&w.window(), QKeySequence::Paste);
        verifySetUp(w.window(), pasted);
        QVERIFY(w.harness.messageBoxes->shown().empty());
        // the paste is one step to undo
        w->features().history().undo();
        QCOMPARE(boardDigits(w.window()), generated);
        QCOMPARE(w->Command1(3)->backColor(), 0xFFFFu);
    }

    void conflictingGivensArePastedAndHaveNoSolution() {
        SolvedWindow w;
        w.platform().clipboard = std::make_unique<QMimeData>();
        w.platform().clipboard->setText(QStringLiteral("55") + QString(79, QChar('.')));
        w->features().transfer().pastePuzzle();
        verifySetUp(w.window(), QStringLiteral("55") + QString(79, QChar('0')));
        w->Command1_Click(1);
        QVERIFY(w->題目錯誤()->isVisible());
        QCOMPARE(w->題目錯誤()->text(), QStringLiteral("此題無解"));
    }

    void refusedClipboardLeavesTheBoardAlone_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        const QString noText = QStringLiteral("沒有文字可以讀成題目。");
        QTest::newRow("empty clipboard") << QString() << QByteArray() << noText;
        QTest::newRow("a picture") << QStringLiteral("image/png") << QByteArray("\x89PNG\r\n") << noText;
        QTest::newRow("blanks") << QStringLiteral("text/plain") << QByteArray(" \n\t") << noText;
        QTest::newRow("a word") << QStringLiteral("text/plain") << QByteArray("\n0000hello")
                                << QStringLiteral(
                                       "第 2 行第 5 個字元「h」不是題目的格子（格子只能是 1～9、0 或 .）。");
        QTest::newRow("binary") << QStringLiteral("text/plain") << QByteArray("12\0\0\x01", 5)
                                << QStringLiteral("這不是文字，讀不出題目。");
        QTest::newRow("80 cells") << QStringLiteral("text/plain") << QByteArray(80, '1')
                                  << QStringLiteral("第 1 行開始的題目只有 80 格，題目需要剛好 81 格。");
        QTest::newRow("10 MB") << QStringLiteral("text/plain") << QByteArray(10 * 1024 * 1024, '1')
                               << QStringLiteral("內容太大（10.0 MB），不是題目；題目檔最多 8 MB。");
    }
    void refusedClipboardLeavesTheBoardAlone() {
        QFETCH(QString, format);
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        SolvedWindow w;
        if (!format.isEmpty()) {
            w.platform().clipboard = std::make_unique<QMimeData>();
            w.platform().clipboard->setData(format, data);
        }
        w->features().transfer().pastePuzzle();
        verifyUntouched(w);
        QCOMPARE(w.harness.messageBoxes->texts(), QStringList{QStringLiteral("無法貼上題目。\n") + reason});
    }

    // Ctrl+O: a file of three puzzles, the second picked from the list; a cancelled list changes nothing.
    void openFileWithSeveralPuzzles() {
        QTemporaryDir dir;
        const QString second = QString(kSolution).replace(QChar('9'), QChar('0'));
        const QString path = dir.filePath(QStringLiteral("三題.sdk"));
        writeFile(
            path,
            ("# three puzzles\r\n" + kPuzzle + "\r\n" + second + "\r\n5" + QString(80, QChar('.'))).toUtf8());
        SolvedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));
        w.platform().openAnswer = path;
        w.platform().pickAnswer = 1;
        QTest::keySequence(&w.window(), QKeySequence::Open);
        QCOMPARE(w.platform().dialogs, QStringList{QStringLiteral("/start")});
        QVERIFY(w.platform().filters.value(0).startsWith(QStringLiteral("題目檔 (*.txt *.sdk)")));
        QCOMPARE(w.platform().offered,
                 (QStringList{QStringLiteral("第 1 題　提示數 %1").arg(cluesOf(kPuzzle)),
                              QStringLiteral("第 2 題　提示數 %1").arg(cluesOf(second)),
                              QStringLiteral("第 3 題　提示數 1")}));
        verifySetUp(w.window(), second);
        QCOMPARE(w.platform().directory, dir.path());

        w.platform().pickAnswer.reset();
        w->features().transfer().openPuzzleFile();
        QCOMPARE(w.platform().dialogs.last(), dir.path());
        verifySetUp(w.window(), second);
        QVERIFY(w.harness.messageBoxes->shown().empty());
    }

    // Ctrl+S writes the givens alone, one line, and Open reads them back; a failed save leaves no file.
    void saveThenOpen() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("題目.txt"));
        SolvedWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));
        w.platform().saveAnswer = path;
        QTest::keySequence(&w.window(), QKeySequence::Save);
        QCOMPARE(w.platform().dialogs, QStringList{QStringLiteral("/start/題目.txt")});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), kPuzzle.toUtf8() + '\n');
        QCOMPARE(w.platform().directory, dir.path());
        verifyUntouched(w);

        w.harness.messageBoxes->answerNext(MessageAnswer::Yes);
        w->Command1_Click(2);
        QCOMPARE(boardDigits(w.window()), QString(81, QChar('0')));
        w.platform().openAnswer = path;
        w->features().transfer().openPuzzleFile();
        verifySetUp(w.window(), kPuzzle);

        w.platform().saveAnswer = dir.filePath(QStringLiteral("missing/題目.txt"));
        w->features().transfer().savePuzzle();
        QVERIFY(!QFile::exists(w.platform().saveAnswer));
        QCOMPARE(w.harness.messageBoxes->shown().size(), std::size_t(2));
        QVERIFY(w.harness.messageBoxes->texts().last().startsWith(
            QStringLiteral("無法儲存題目檔「%1」。\n").arg(w.platform().saveAnswer)));

        // A FIFO chosen as the file is refused and stays a FIFO.
        w.platform().saveAnswer = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(w.platform().saveAnswer).constData(), 0600), 0);
        w->features().transfer().savePuzzle();
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(w.platform().saveAnswer).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        QVERIFY(w.harness.messageBoxes->texts().last().contains(QStringLiteral("FIFO")));
    }

    void refusedFilesLeaveTheBoardAlone_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a directory") << QStringLiteral("folder") << QByteArray()
                                     << QStringLiteral("這是資料夾，不是題目檔。");
        QTest::newRow("no such file") << QStringLiteral("missing.txt") << QByteArray() << QString();
        QTest::newRow("binary") << QStringLiteral("data.txt") << QByteArray("12\0\0\x01", 5)
                                << QStringLiteral("這不是文字，讀不出題目。");
        QTest::newRow("a broken picture") << QStringLiteral("picture.txt") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                                          << QStringLiteral("這不是讀得出的圖片（只讀 JPEG、PNG 和 BMP）。");
        QTest::newRow("a grid cut short")
            << QStringLiteral("short.txt") << QByteArray("123456789\n123456789\n")
            << QStringLiteral("第 1 行開始的題目只有 18 格，題目需要剛好 81 格。");
        QTest::newRow("9 MB") << QStringLiteral("large.txt") << QByteArray()
                              << QStringLiteral("內容太大（9.0 MB）");
        QTest::newRow("no puzzle") << QStringLiteral("notes.txt") << QByteArray("# nothing here\n")
                                   << QStringLiteral("沒有找到題目");
    }
    void refusedFilesLeaveTheBoardAlone() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (name == QStringLiteral("folder")) QVERIFY(QDir(dir.path()).mkdir(name));
        if (!bytes.isEmpty()) writeFile(path, bytes);
        if (name == QStringLiteral("large.txt")) {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(9 * 1024 * 1024));
        }
        SolvedWindow w;
        w.platform().openAnswer = path;
        w->features().transfer().openPuzzleFile();
        verifyUntouched(w);
        const QStringList texts = w.harness.messageBoxes->texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.front().startsWith(QStringLiteral("無法開啟題目檔「%1」。\n%2").arg(path, reason)),
                 qPrintable(texts.front()));
    }

    // A file is read with the command line's rules: any line end, a byte order mark, UTF-16.
    void openFileInEveryEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray text = "# one\n" + kPuzzle.toUtf8() + "\n";
        QTest::newRow("LF") << text;
        QTest::newRow("CR LF") << QByteArray(text).replace("\n", "\r\n");
        QTest::newRow("CR alone") << QByteArray(text).replace('\n', '\r');
        QTest::newRow("UTF-8 byte order mark") << "\xEF\xBB\xBF" + text;
        QString wide = QString::fromUtf8(text);
        QByteArray utf16le("\xFF\xFE");
        QByteArray utf16be("\xFE\xFF");
        for (const QChar ch : wide) {
            utf16le += static_cast<char>(ch.unicode() & 0xFF);
            utf16le += static_cast<char>(ch.unicode() >> 8);
            utf16be += static_cast<char>(ch.unicode() >> 8);
            utf16be += static_cast<char>(ch.unicode() & 0xFF);
        }
        QTest::newRow("UTF-16 LE") << utf16le;
        QTest::newRow("UTF-16 BE") << utf16be;
    }
    void openFileInEveryEncoding() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.txt"));
        writeFile(path, bytes);
        SolvedWindow w;
        w.platform().openAnswer = path;
        w->features().transfer().openPuzzleFile();
        QVERIFY2(w.harness.messageBoxes->shown().empty(),
                 qPrintable(w.harness.messageBoxes->texts().join('|')));
        verifySetUp(w.window(), kPuzzle);
    }

    // A FIFO or a device, opened, pasted or dropped (itself or a link to it), is refused unopened: the
    // window never waits for a writer that does not come, nor reads without end.
    void specialFilesAreRefusedUnopened_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        const QString fifo = QStringLiteral("這是一個具名管道（FIFO），不是一般檔案");
        const QString device = QStringLiteral("這是一個裝置，不是一般檔案");
        QTest::newRow("Ctrl+O, a FIFO") << QStringLiteral("open") << QStringLiteral("fifo") << fifo;
        QTest::newRow("Ctrl+O, a link to a FIFO") << QStringLiteral("open") << QStringLiteral("link") << fifo;
        QTest::newRow("Ctrl+O, a device") << QStringLiteral("open") << QStringLiteral("device") << device;
        QTest::newRow("pasted link to a FIFO") << QStringLiteral("paste") << QStringLiteral("link") << fifo;
        QTest::newRow("dropped link to a FIFO") << QStringLiteral("drop") << QStringLiteral("link") << fifo;
    }
    void specialFilesAreRefusedUnopened() {
        QFETCH(QString, how);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("link.txt"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("device.txt"))));
        const QString path =
            kind == QStringLiteral("fifo") ? fifo : dir.filePath(kind + QStringLiteral(".txt"));
        SolvedWindow w;
        if (how == QStringLiteral("open")) {
            w.platform().openAnswer = path;
            w->features().transfer().openPuzzleFile();
        } else if (how == QStringLiteral("paste")) {
            w.platform().clipboard = std::make_unique<QMimeData>();
            w.platform().clipboard->setUrls({QUrl::fromLocalFile(path)});
            w->features().transfer().pastePuzzle();
        } else {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w.window(), &enter);
            QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w.window(), &drop);
            QTRY_COMPARE(w.harness.messageBoxes->shown().size(), std::size_t(1));
        }
        verifyUntouched(w);
        const QStringList texts = w.harness.messageBoxes->texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.front().endsWith(QLatin1Char('\n') + reason), qPrintable(texts.front()));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    }

    // Text dragged from an editor, or a puzzle file from a file manager, dropped on the window.
    void dropTextOrFile_data() {
        QTest::addColumn<bool>("asFile");
        QTest::newRow("text") << false;
        QTest::newRow("file") << true;
    }
    void dropTextOrFile() {
        QFETCH(bool, asFile);
        QTemporaryDir dir;
        QMimeData data;
        QString grid;
        for (int r = 0; r < 9; ++r)
            grid += kPuzzle.mid(9 * r, 9).replace(QChar('0'), QChar('.')) + QLatin1Char('\n');
        if (asFile) {
            writeFile(dir.filePath(QStringLiteral("p.txt")), grid.toUtf8());
            data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("p.txt")))});
        } else {
            data.setText(grid);
        }
        WindowHarness h;
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&h.window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&h.window(), &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE(boardDigits(h.window()), kPuzzle);
        verifySetUp(h.window(), kPuzzle);
    }
};

QTEST_MAIN(TransferTest)
#include "transfer_test.moc"
