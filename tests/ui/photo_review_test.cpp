// A puzzle read from a photo: the review dialog from the keyboard, and images opened, pasted or
// dropped on the window going through it to the board (or leaving the board alone).
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "photoimport.h"
#include "photoreviewdialog.h"
#include "scriptedtransfer.h"
#include "windowfeatures.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

const std::string kPuzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const QString kPictures = QStringLiteral(DODORU_PICTURES_DIR);

// kPuzzle read with its cell 4 (a 7) taken for a 1 and cell 19 (a 9) missed, both marked uncertain.
recognition::PhotoReading misreading() {
    recognition::PhotoReading reading;
    for (std::size_t i = 0; i < 81; ++i) reading.cells[i].digit = kPuzzle[i] - '0';
    reading.cells[4].digit = 1;
    reading.cells[19].digit = 0;
    reading.uncertain = {4, 19};
    reading.grid.width = reading.grid.height = 360;
    reading.grid.pixels.assign(360 * 360, 230);
    return reading;
}

QString photoPath(const char* name) {
    return kPictures + QLatin1Char('/') + QLatin1String(name);
}

QAction* action(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

class PhotoReviewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // The first uncertain cell is selected; typing corrects it, arrows move, Enter accepts; the status
    // line counts the uncertain cells and gives the verdict as it changes.
    void keyboardCorrectsAndAccepts() {
        PhotoReviewDialog dialog(nullptr, misreading());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.statusText(), QStringLiteral("2 格可能讀錯；此題無解"));
        QWidget* grid = QApplication::focusWidget();
        QVERIFY(grid != nullptr);
        QTest::keyClick(grid, Qt::Key_7);
        QCOMPARE(dialog.statusText(), QStringLiteral("2 格可能讀錯；唯一解"));
        // From cell 4 (row 1, column 5) to cell 19 (row 3, column 2).
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        for (int i = 0; i < 3; ++i) QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_9);
        // A digit typed where it repeats one of its column, and taken back with Delete.
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_5);
        QCOMPARE(dialog.statusText(), QStringLiteral("2 格可能讀錯；此題無解"));
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(dialog.statusText(), QStringLiteral("2 格可能讀錯；唯一解"));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.puzzle(), kPuzzle);
    }

    // The mouse: a click selects a cell, the digit buttons write; Escape cancels.
    void mouseCorrectsAndEscapeCancels() {
        PhotoReviewDialog dialog(nullptr, misreading());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* grid = dialog.findChild<ReadingGrid*>();
        QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(36 * 1 + 18, 36 * 1 + 18));
        QCOMPARE(grid->selected(), 10);
        dialog.findChild<QPushButton*>(QStringLiteral("digit9"))->click();
        QCOMPARE(dialog.puzzle()[10], '9');
        QTest::keyClick(grid, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Ctrl+O on a photo: what the review accepts is set up as one undo step; a cancelled review or an
    // image that gives no puzzle leaves the board as it was.
    void openedPhotoGoesThroughTheReview() {
        if (!QFile::exists(photoPath("photo001.jpg"))) QSKIP("the labelled photos are not in ../shared/pictures");
        WindowHarness harness;
        enterGivens(harness.window(), QString::fromStdString(kPuzzle));
        const QString before = boardDigits(harness.window());
        PhotoImport& photos = harness->features().transfer().photoImport();
        std::optional<std::string> answer;
        int reviews = 0;
        photos.setReview([&](QWidget*, const recognition::PhotoReading&) {
            ++reviews;
            return answer;
        });
        harness.transfer->openAnswer = photoPath("photo001.jpg");
        harness->features().transfer().openPuzzleFile();
        QCOMPARE(reviews, 1);
        QCOMPARE(boardDigits(harness.window()), before);

        QFile truth(photoPath("photo001.txt"));
        QVERIFY(truth.open(QIODevice::ReadOnly));
        const std::string givens = QString::fromLatin1(truth.readAll()).remove(QLatin1Char('\n')).toStdString();
        answer = givens;
        harness->features().transfer().openPuzzleFile();
        QCOMPARE(boardDigits(harness.window()).toStdString(), givens);
        QCOMPARE(harness.window().Command1(0)->backColor(), 0xFFFFu);
        action(harness.window(), "undoAction")->trigger();
        QCOMPARE(boardDigits(harness.window()), before);
        QVERIFY(harness.messageBoxes->texts().isEmpty());

        // A truncated copy: refused with the reason, no review.
        QTemporaryDir dir;
        QFile whole(photoPath("photo001.jpg"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QFile cut(dir.filePath(QStringLiteral("cut.jpg")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(20000));
        cut.close();
        harness.transfer->openAnswer = cut.fileName();
        harness->features().transfer().openPuzzleFile();
        QCOMPARE(reviews, 2);
        QCOMPARE(boardDigits(harness.window()), before);
        QCOMPARE(harness.messageBoxes->texts(),
                 QStringList{QStringLiteral("無法開啟題目檔「%1」。\n圖片資料不完整，檔案可能被截斷了。").arg(cut.fileName())});
    }

    // An image on the clipboard or dropped goes to the reader; one without a grid is refused.
    void pastedAndDroppedImages() {
        WindowHarness harness;
        const QString before = boardDigits(harness.window());
        int reviews = 0;
        harness->features().transfer().photoImport().setReview([&](QWidget*, const recognition::PhotoReading&) {
            ++reviews;
            return std::optional<std::string>(kPuzzle);
        });
        QImage blank(400, 300, QImage::Format_RGB32);
        blank.fill(Qt::white);
        harness.transfer->clipboard = std::make_unique<QMimeData>();
        harness.transfer->clipboard->setImageData(blank);
        harness->features().transfer().pastePuzzle();
        QCOMPARE(reviews, 0);
        QCOMPARE(boardDigits(harness.window()), before);
        QCOMPARE(harness.messageBoxes->texts(),
                 QStringList{QStringLiteral("無法貼上題目。\n圖片中找不到題目的格子。")});

        if (!QFile::exists(photoPath("photo001.jpg"))) QSKIP("the labelled photos are not in ../shared/pictures");
        harness.transfer->clipboard->setImageData(QImage(photoPath("photo001.jpg")));
        harness->features().transfer().pastePuzzle();
        QCOMPARE(reviews, 1);
        QCOMPARE(boardDigits(harness.window()).toStdString(), kPuzzle);

        QMimeData dropped;
        dropped.setImageData(QImage(photoPath("photo001.jpg")));
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&harness.window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&harness.window(), &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE_WITH_TIMEOUT(reviews, 2, 20000);
        QCOMPARE(harness.messageBoxes->texts().size(), 1);
    }
};

QTEST_MAIN(PhotoReviewTest)
#include "photo_review_test.moc"
