#include "manuscriptcommand.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFutureWatcher>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QUrl>
#include <QWidget>

#include "batchgeneration.h"
#include "boardsession.h"
#include "fileerrors.h"
#include "inputpause.h"
#include "manuscriptpainter.h"
#include "messageboxes.h"
#include "puzzlelog.h"
#include "windowcommand.h"

namespace dodoru {

namespace {

class PrintDialogChooser final : public ManuscriptPrinterChooser {
public:
    std::unique_ptr<QPrinter> choose(QWidget* parent, const QPageSize& paper) override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageSize(paper);
        printer->setFullPage(true);
        QPrintDialog dialog(printer.get(), parent);
        //: The caption of the print dialog of a sheet of puzzles.
        dialog.setWindowTitle(ManuscriptCommand::tr("列印手稿"));
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        return printer;
    }
};

class DesktopDocumentOpener final : public DocumentOpener {
public:
    bool open(const QUrl& file) override { return QDesktopServices::openUrl(file); }
};

// Why the PDF was not written, in the window's words for what the file is or what the system said.
QString writeFailure(const QString& path, const ManuscriptWriteResult& written) {
    const QString heading = ManuscriptCommand::tr("無法寫入「%1」：").arg(QDir::toNativeSeparators(path));
    switch (written.fault) {
    case ManuscriptWriteResult::Fault::NotAFile:
        return heading + fileKindReason(FileKindCheck{written.kind.kind, written.kind.errorNumber, {}});
    case ManuscriptWriteResult::Fault::System:
        return heading + fileErrorReason(written.errorNumber);
    case ManuscriptWriteResult::Fault::Painting:
    case ManuscriptWriteResult::Fault::None:
        break;
    }
    return written.error;
}

} // namespace

ManuscriptCommand::ManuscriptCommand(QWidget& window, const BoardSession& session, PuzzleLog* log,
                                     MessageBoxes& boxes)
    : window_(window), session_(session), log_(log), boxes_(boxes),
      printers_(std::make_unique<PrintDialogChooser>()), opener_(std::make_unique<DesktopDocumentOpener>()) {
    //: The context menu command that makes a sheet of puzzles with their answers (Ctrl+P).
    action_ = makeWindowCommand(this, tr("印製手稿…"), {QKeySequence::Print},
                               QStringLiteral("Print a manuscript: sheets of puzzles with their answers"));
    connect(action_, &QAction::triggered, this, [this] { openDialog(); });
    window.installEventFilter(this);
}

bool ManuscriptCommand::eventFilter(QObject* watched, QEvent* event) {
    // The window closes with the save: a batch still running is cancelled and leaves nothing behind.
    if (watched == &window_ && event->type() == QEvent::Close && batch_) batch_->cancel();
    return false;
}

ManuscriptCommand::~ManuscriptCommand() {
    if (batch_) batch_->cancel();
    // The workers hold nothing of ours but the batch's shared flags; they stop at their next pump pass.
    // The dialog belongs to the window but checks its requests with this command.
    delete dialog_.data();
}

void ManuscriptCommand::openDialog() {
    if (running() || session_.running()) return;
    if (!dialog_) {
        dialog_ = new ManuscriptDialog(boxes_, &window_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setCheck([this](const ManuscriptRequest& request) { return checkRequest(request); });
        connect(dialog_, &QDialog::accepted, this, [this] {
            if (const auto request = dialog_->request()) start(*request);
        });
    }
    dialog_->open();
}

std::optional<ManuscriptPuzzle> ManuscriptCommand::boardPuzzle(QString* reason) const {
    ManuscriptPuzzle puzzle;
    const PuzzleState& board = session_.puzzle();
    for (int c = 0; c < kCellCount; ++c) {
        puzzle.givens[static_cast<std::size_t>(c)] =
            board.isGiven(c) ? static_cast<std::uint8_t>(board.digit(c)) : 0;
    }
    if (puzzle.clueCount() == 0) {
        *reason = tr("盤面上沒有題目（藍色的數字），無法列為第 1 題。");
        return std::nullopt;
    }
    const SolvedGivens solved = solveGivens(puzzle.givens);
    switch (solved.verdict) {
    case SolutionVerdict::Unique:
        puzzle.solution = solved.solution;
        return puzzle;
    case SolutionVerdict::Several:
        *reason = tr("盤面上的題目有多組解答，不能當作手稿的題目。\n請再加上幾個數字，讓它只有一組解答。");
        break;
    default:
        *reason = tr("盤面上的題目無解，不能當作手稿的題目。");
        break;
    }
    return std::nullopt;
}

QString ManuscriptCommand::checkRequest(const ManuscriptRequest& request) const {
    QString reason;
    if (request.includeBoard) boardPuzzle(&reason);
    if (reason.isEmpty() && request.target == ManuscriptTarget::PdfFile) {
        // Refused at once, before the batch: only a regular file is replaced by the PDF.
        const FileKindCheck kind = examineFile(request.pdfPath);
        if (!isUsableKind(kind.kind, true))
            reason =
                tr("無法寫入「%1」：").arg(QDir::toNativeSeparators(request.pdfPath)) + fileKindReason(kind);
    }
    return reason;
}

void ManuscriptCommand::start(const ManuscriptRequest& request) {
    if (running()) return;
    request_ = request;
    first_.reset();
    if (request.includeBoard) {
        QString reason;
        first_ = boardPuzzle(&reason);
        if (!first_) {
            boxes_.show(&window_, reason, MessageButtons::Ok, MessageIcon::Warning);
            return end(false);
        }
    }
    printer_.reset();
    if (request.target == ManuscriptTarget::Printer) {
        printer_ = printers_->choose(&window_, request.paper);
        if (!printer_) return end(false);
        // The print dialog may have changed the paper; the sheet follows it.
        request_.paper = printer_->pageLayout().pageSize();
        printer_->setFullPage(true);
    }

    batch_ = std::make_unique<BatchGeneration>(levelsForMix(request.mix, request.count),
                                               request.seed ? *request.seed : randomBaseSeed());
    progress_ = new QProgressDialog(tr("正在產生手稿的題目…"), tr("取消"), 0,
                                    request.count, &window_);
    progress_->setWindowTitle(tr("印製手稿"));
    progress_->setWindowModality(Qt::NonModal);
    pause_ = std::make_unique<InputPause>(window_);
    progress_->setMinimumDuration(0);
    progress_->setAutoReset(false);
    progress_->setAutoClose(false);
    progress_->setValue(0);

    auto* watcher = new QFutureWatcher<GeneratedPuzzle>(this);
    connect(watcher, &QFutureWatcherBase::progressValueChanged, progress_.data(), &QProgressDialog::setValue);
    connect(progress_.data(), &QProgressDialog::canceled, this, [this] {
        if (batch_) batch_->cancel();
    });
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        batchFinished();
    });
    watcher->setFuture(batch_->start(&workers_));
    action_->setEnabled(false);
}

void ManuscriptCommand::batchFinished() {
    const std::vector<GeneratedPuzzle> generated = batch_->results();
    batch_.reset();
    pause_.reset();
    if (progress_) progress_->deleteLater();
    if (generated.empty()) return end(false); // cancelled: nothing is logged or written

    if (log_) {
        const LogWriteResult logged = logBatch(*log_, generated);
        if (!logged.ok)
            //: %1: why the puzzle log could not be written.
            boxes_.show(&window_, tr("手稿的題目沒有全部記錄到記錄檔：%1").arg(QString::fromStdString(logged.error)),
                        MessageButtons::Ok, MessageIcon::Warning);
    }
    std::vector<ManuscriptPuzzle> puzzles;
    if (first_) puzzles.push_back(*first_);
    for (const GeneratedPuzzle& p : generated) puzzles.push_back(p.puzzle);
    deliver(puzzles);
}

void ManuscriptCommand::deliver(const std::vector<ManuscriptPuzzle>& puzzles) {
    ManuscriptOptions options;
    options.layout.paper = request_.paper;
    options.layout.perPage = request_.perPage;
    options.answers = request_.answers;
    options.ratings = request_.ratings;
    options.title = request_.title;
    if (printer_) {
        //: The name of an untitled sheet in the printer's queue.
        printer_->setDocName(request_.title.isEmpty() ? tr("Dodoru 手稿") : request_.title);
        const ManuscriptWriteResult printed = paintManuscript(*printer_, options, puzzles);
        if (!printed.ok || printer_->printerState() == QPrinter::Error) {
            //: %1: why the sheet could not be printed.
            boxes_.show(&window_, tr("無法列印手稿。\n%1").arg(printed.error), MessageButtons::Ok,
                        MessageIcon::Warning);
            return end(false);
        }
        return end(true);
    }
    const ManuscriptWriteResult written = writeManuscriptPdf(request_.pdfPath, options, puzzles);
    if (!written.ok) {
        boxes_.show(&window_, writeFailure(request_.pdfPath, written), MessageButtons::Ok,
                    MessageIcon::Warning);
        return end(false);
    }
    end(true);
    //: %1: the PDF file the sheet was saved in.
    if (boxes_.show(&window_, tr("手稿已儲存到「%1」。\n要現在開啟它嗎？").arg(request_.pdfPath),
                    MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes &&
        !opener_->open(QUrl::fromLocalFile(request_.pdfPath)))
        boxes_.show(&window_, tr("找不到可以開啟 PDF 檔案的程式。"), MessageButtons::Ok,
                    MessageIcon::Warning);
}

void ManuscriptCommand::end(bool done) {
    printer_.reset();
    action_->setEnabled(true);
    emit finished(done);
}

} // namespace dodoru
