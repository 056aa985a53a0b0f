#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QThreadPool>

#include <memory>

#include "manuscriptdialog.h"
#include "manuscriptpuzzle.h"

class QAction;
class QPageSize;
class QPrinter;

class QUrl;
class QWidget;

namespace dodoru {

class BoardSession;
class BatchGeneration;
class InputPause;
class MessageBoxes;
class PuzzleLog;

// Where a printed manuscript goes: the system's print dialog, or a printer chosen without one.
class ManuscriptPrinterChooser {
public:
    virtual ~ManuscriptPrinterChooser() = default;
    // A printer set to `paper`, or null when the user cancelled.
    virtual std::unique_ptr<QPrinter> choose(QWidget* parent, const QPageSize& paper) = 0;
};

// Opens a finished PDF with the desktop's viewer.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const QUrl& file) = 0;
};

// The manuscript command 印製手稿… (Ctrl+P): the dialog, the batch generated on the thread pool under a
// progress dialog with Cancel while the window keeps running, the puzzle log written in the sheet's
// order, and the sheet written to a PDF (offered to be opened) or printed. A cancelled batch writes
// nothing, and so does closing the window meanwhile: the progress dialog is not modal (a modal one
// would keep the window's close box from working), the window only takes no input while it runs. It
// owns its action; whoever lists the window's commands adds it to the window.
class ManuscriptCommand : public QObject {
    Q_OBJECT
public:
    // `window` parents the dialogs; `session` holds the puzzle that may come first and tells whether a
    // designed command runs; `log` may be null (no records).
    ManuscriptCommand(QWidget& window, const BoardSession& session, PuzzleLog* log, MessageBoxes& boxes);
    ~ManuscriptCommand() override;

    QAction* action() const { return action_; }
    ManuscriptDialog* dialog() const { return dialog_; }
    QProgressDialog* progress() const { return progress_; }
    bool running() const { return batch_ != nullptr; }
    void setPrinterChooser(std::unique_ptr<ManuscriptPrinterChooser> chooser) {
        printers_ = std::move(chooser);
    }
    void setDocumentOpener(std::unique_ptr<DocumentOpener> opener) { opener_ = std::move(opener); }

    // Shows the dialog (window-modal); accepting it starts the manuscript.
    void openDialog();
    // Starts a manuscript without the dialog.
    void start(const ManuscriptRequest& request);

signals:
    // The manuscript was written or printed (true), or it failed or was cancelled (false).
    void finished(bool done);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString checkRequest(const ManuscriptRequest& request) const;
    std::optional<ManuscriptPuzzle> boardPuzzle(QString* reason) const;
    void batchFinished();
    void deliver(const std::vector<ManuscriptPuzzle>& puzzles);
    void end(bool done);

    QWidget& window_;
    const BoardSession& session_;
    PuzzleLog* log_;
    MessageBoxes& boxes_;
    QAction* action_ = nullptr;
    QPointer<ManuscriptDialog> dialog_;
    QPointer<QProgressDialog> progress_;
    std::unique_ptr<ManuscriptPrinterChooser> printers_;
    std::unique_ptr<DocumentOpener> opener_;

    ManuscriptRequest request_;
    std::unique_ptr<QPrinter> printer_;
    std::optional<ManuscriptPuzzle> first_;
    std::unique_ptr<BatchGeneration> batch_;
    std::unique_ptr<InputPause> pause_; // the window's input while the batch runs
    // The batch's own workers. Qt's global pool also rasterizes the window's painting; a batch there
    // would freeze the window, progress dialog and its Cancel button until it ended.
    QThreadPool workers_;
};

} // namespace dodoru
