// The window's manuscript command: Ctrl+P opens the dialog, the sheet it writes is the command line's,
// the puzzle on the board comes first only when it has one solution, and a cancelled batch writes
// nothing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "manuscriptcommand.h"
#include "windowfeatures.h"
#include "pagelayout.h"
#include "pdftools.h"
#include "windowharness.h"

using namespace dodoru;
using namespace dodoru::testing;

namespace {

class RecordingOpener final : public DocumentOpener {
public:
    bool open(const QUrl& file) override {
        opened.push_back(file);
        return true;
    }
    std::vector<QUrl> opened;
};

ManuscriptCommand* commandOf(MainWindow& window) {
    auto* command = &window.features().manuscript();
    if (!command) QTest::qFail("the window has no manuscript command", __FILE__, __LINE__);
    return command;
}

void clickOk(QDialog* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

class ManuscriptCommandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void dialogWritesTheCommandLinesSheet();
    void boardPuzzleComesFirstOnlyWhenUnique_data();
    void boardPuzzleComesFirstOnlyWhenUnique();
    void cancelWritesNothing();
    void closingTheWindowCancelsTheBatch();
};

// Ctrl+P, the choices of the command line's example (with ratings), OK: the same pages and text as dodoru-cli
// writes, 30 log records in the sheet's order, and the finished PDF offered to the desktop's viewer.
void ManuscriptCommandTest::dialogWritesTheCommandLinesSheet() {
    WindowHarness harness;
    ManuscriptCommand* command = commandOf(harness.window());
    QVERIFY(harness->actions().contains(command->action()));
    QCOMPARE(command->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    auto opener = std::make_unique<RecordingOpener>();
    RecordingOpener* opened = opener.get();
    command->setDocumentOpener(std::move(opener));
    QSignalSpy finished(command, &ManuscriptCommand::finished);

    QApplication::setActiveWindow(&harness.window());
    QVERIFY(QTest::qWaitForWindowActive(&harness.window()));
    QTest::keyClick(&harness.window(), Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(command->dialog() && command->dialog()->isVisible());
    ManuscriptDialog* dialog = command->dialog();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
    dialog->mixed()->setChecked(true);
    dialog->mix()->setText(QStringLiteral("1,2,3,4,5"));
    dialog->count()->setValue(30);
    dialog->perPage()->setCurrentText(QStringLiteral("6"));
    dialog->paper()->setCurrentText(QStringLiteral("A4"));
    dialog->answers()->setChecked(true);
    dialog->ratings()->setChecked(true);
    dialog->seed()->setText(QStringLiteral("7"));
    dialog->toPdf()->setChecked(true);
    dialog->pdfPath()->setText(pdf);
    harness.messageBoxes->answerNext(MessageAnswer::Yes); // open the finished PDF
    clickOk(dialog);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 120000);
    QCOMPARE(finished.front().front().toBool(), true);
    QVERIFY(harness.messageBoxes->texts().back().contains(pdf));
    QCOMPARE(opened->opened, std::vector<QUrl>{QUrl::fromLocalFile(pdf)});

    const QString cli = dir.filePath(QStringLiteral("cli.pdf"));
    QProcess process;
    process.start(QStringLiteral(DODORU_CLI),
                  {QStringLiteral("manuscript"), QStringLiteral("--mix"), QStringLiteral("1,2,3,4,5"),
                   QStringLiteral("--count"), QStringLiteral("30"), QStringLiteral("--per-page"),
                   QStringLiteral("6"), QStringLiteral("--answers"), QStringLiteral("--rating"),
                   QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("-o"), cli});
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(pdftools::pageCount(pdf), 8);
    QVERIFY(pdftools::pageText(pdf, 1).contains(QStringLiteral("評分 ")));
    QCOMPARE(
        pdftools::run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}),
        pdftools::run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cli, QStringLiteral("-")}));

    const auto& records = harness.log->records();
    QCOMPARE(int(records.size()), 30);
    for (int i = 0; i < 30; ++i) QCOMPARE(records[std::size_t(i)].level, 1 + i / 6);
}

void ManuscriptCommandTest::boardPuzzleComesFirstOnlyWhenUnique_data() {
    QTest::addColumn<QString>("givens");
    QTest::addColumn<QString>("refusal");
    const QString solved =
        QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    QString unique = solved;
    for (const int c : {0, 4, 13, 22, 40, 44, 58, 66, 80}) unique[c] = QLatin1Char('0');
    QTest::newRow("unique") << unique << QString();
    QTest::newRow("empty board") << QString(81, QLatin1Char('0')) << QStringLiteral("盤面上沒有題目");
    QTest::newRow("several solutions")
        << QStringLiteral("5") + QString(80, QLatin1Char('0')) << QStringLiteral("多組解答");
    QTest::newRow("no solution") << QStringLiteral("55") + QString(79, QLatin1Char('0'))
                                 << QStringLiteral("無解");
}

void ManuscriptCommandTest::boardPuzzleComesFirstOnlyWhenUnique() {
    QFETCH(QString, givens);
    QFETCH(QString, refusal);
    WindowHarness harness;
    enterGivens(harness.window(), givens);
    ManuscriptCommand* command = commandOf(harness.window());
    command->openDialog();
    ManuscriptDialog* dialog = command->dialog();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("board.pdf"));
    dialog->singleLevel()->setChecked(true);
    dialog->count()->setValue(1);
    dialog->level()->setCurrentIndex(0);
    dialog->includeBoard()->setChecked(true);
    dialog->pdfPath()->setText(pdf);
    QSignalSpy finished(command, &ManuscriptCommand::finished);
    clickOk(dialog);
    if (!refusal.isEmpty()) {
        QVERIFY(dialog->isVisible()); // the choices stay for the user to change
        QVERIFY2(harness.messageBoxes->texts().join(QString()).contains(refusal),
                 qPrintable(harness.messageBoxes->texts().join(QLatin1Char('|'))));
        QVERIFY(!command->running());
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
    QCOMPARE(harness.log->records().size(), std::size_t(1)); // the board's puzzle is not a generated one
    ManuscriptLayoutOptions layout;
    layout.titled = false;
    const GridBox first = layoutManuscript(layout, 2, true).front().grids.front();
    QVERIFY(pdftools::pageText(pdf, 1, first.caption).contains(QStringLiteral("自訂")));
    QString expected = givens;
    expected.remove(QLatin1Char('0'));
    QCOMPARE(pdftools::digitsOf(pdftools::pageText(pdf, 1, first.grid.adjusted(-1, -1, 1, 1))), expected);
    QCOMPARE(
        pdftools::digitsOf(
            pdftools::pageText(pdf, 2, layoutManuscript(layout, 2, true)[1].grids.front().grid)),
        QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179"));
}

// Cancel in the progress dialog: the batch stops, no file is written and nothing is logged; the window
// stayed live meanwhile and the command can be used again.
void ManuscriptCommandTest::cancelWritesNothing() {
    WindowHarness harness;
    ManuscriptCommand* command = commandOf(harness.window());
    QSignalSpy finished(command, &ManuscriptCommand::finished);
    QTemporaryDir dir;
    ManuscriptRequest request;
    request.mix = {5};
    request.count = 200000; // many minutes of work: the batch cannot end before the click
    request.pdfPath = dir.filePath(QStringLiteral("cancelled.pdf"));
    command->start(request);
    QVERIFY(command->running());
    QVERIFY(!command->action()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(command->progress() && command->progress()->value() >= 1, 60000);
    QTest::mouseClick(command->progress()->findChild<QPushButton*>(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
    QCOMPARE(finished.front().front().toBool(), false);
    QVERIFY(!QFile::exists(request.pdfPath));
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(harness.log->records().empty());
    QVERIFY(command->action()->isEnabled());
    QVERIFY(harness.messageBoxes->shown().empty());
}

// The close box works during a batch: no modal window stands in its way (Qt drops a close request to a
// window a modal one blocks). The window takes no input meanwhile; closing it saves the givens,
// cancels the batch and leaves no PDF and no log record.
void ManuscriptCommandTest::closingTheWindowCancelsTheBatch() {
    QTemporaryDir dir;
    const QString savePath = dir.filePath(QStringLiteral("Default.dat"));
    WindowHarness harness({.saveFilePath = savePath});
    enterGivens(harness.window(), QStringLiteral("7") + QString(80, QChar('0')));
    ManuscriptCommand* command = commandOf(harness.window());
    QSignalSpy finished(command, &ManuscriptCommand::finished);
    ManuscriptRequest request;
    request.mix = {5};
    request.count = 200000; // many minutes of work: the batch cannot end before the close
    request.pdfPath = dir.filePath(QStringLiteral("closed.pdf"));
    command->start(request);
    QTRY_VERIFY_WITH_TIMEOUT(command->progress() && command->progress()->value() >= 1, 60000);
    QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    QTest::mouseClick(harness->Command1(MainWindow::kClearButton), Qt::LeftButton);
    QVERIFY(harness.messageBoxes->shown().empty()); // the clear's question did not come
    QCOMPARE(boardDigits(harness.window()).at(0), QChar('7'));

    QVERIFY(harness->close());
    QCOMPARE(harness.programEnd->calls(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
    QCOMPARE(finished.front().front().toBool(), false);
    QVERIFY(!QFile::exists(request.pdfPath));
    QVERIFY(harness.log->records().empty());
    QFile saved(savePath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.read(1), QByteArray(1, '\7'));
}

QTEST_MAIN(ManuscriptCommandTest)
#include "manuscript_command_test.moc"
