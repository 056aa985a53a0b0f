#include "puzzletransfer.h"

#include <QCoreApplication>

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <memory>

#include "boardtext.h"
#include "fileerrors.h"
#include "messageboxes.h"
#include "photoimport.h"
#include "puzzlefile.h"
#include "regularfile.h"
#include "textinput.h"
#include "transferplatform.h"
#include "windowcommand.h"

namespace dodoru {

namespace {

// The texts of the puzzle transfers, in the window's language.
struct TransferTexts {
    Q_DECLARE_TR_FUNCTIONS(dodoru::TransferTexts)
};

QString fileFilter() {
    //: The file dialogs' filter for puzzle files; keep the patterns in brackets as they are.
    return TransferTexts::tr("題目檔 (*.txt *.sdk);;所有檔案 (*)");
}
QString openFilter() {
    //: The open dialog's filter for photos and scans of a puzzle; keep the patterns in brackets as they are.
    return fileFilter() + QStringLiteral(";;") + TransferTexts::tr("題目的照片 (*.jpg *.jpeg *.png *.bmp)");
}
QString openCaption() {
    //: The caption of the file dialog that opens a puzzle file.
    return TransferTexts::tr("開啟題目檔");
}
QString saveCaption() {
    //: The caption of the file dialog that saves the puzzle.
    return TransferTexts::tr("另存題目");
}
QString suggestedName() {
    //: The file name a saved puzzle is offered under.
    return TransferTexts::tr("題目.txt");
}
QString pasteRefused() {
    //: The heading of a message: the clipboard held no puzzle; the reason follows.
    return TransferTexts::tr("無法貼上題目。");
}
QString dropRefused() {
    //: The heading of a message: what was dropped on the window held no puzzle; the reason follows.
    return TransferTexts::tr("無法讀入拖放的題目。");
}
QString openRefused(const QString& path) {
    //: The heading of a message: a puzzle file (%1) could not be read; the reason follows.
    return TransferTexts::tr("無法開啟題目檔「%1」。").arg(path);
}
QString saveFailed(const QString& path) {
    //: The heading of a message: the puzzle could not be saved in %1; the reason follows.
    return TransferTexts::tr("無法儲存題目檔「%1」。").arg(path);
}

// A character of the text as the message shows it: itself when printable, else its code.
QString shownCharacter(const std::string& bytes) {
    if (bytes.size() == 1 && static_cast<unsigned char>(bytes.front()) >= 0x80) // starts no UTF-8 character
        return QStringLiteral("0x%1").arg(static_cast<unsigned char>(bytes.front()), 2, 16, QChar('0'));
    const QString text = QString::fromStdString(bytes);
    const char32_t code = text.toUcs4().value(0);
    if (QChar::isPrint(code)) return text;
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QChar('0')).toUpper();
}

QString describe(const TextError& error) {
    switch (error.fault) {
    case TextFault::UnexpectedCharacter:
        //: Text that is not a puzzle: %1 the line, %2 the character's place in it, %3 the character.
        return TransferTexts::tr("第 %1 行第 %2 個字元「%3」不是題目的格子（格子只能是 1～9、0 或 .）。")
            .arg(error.line)
            .arg(error.column)
            .arg(shownCharacter(error.character));
    case TextFault::TooManyCells:
        //: Text that is not a puzzle: %1 the line, %2 the character's place in it.
        return TransferTexts::tr("第 %1 行第 %2 個字元：這一行在題目的第 81 格之後還有格子。")
            .arg(error.line)
            .arg(error.column);
    case TextFault::UnfinishedPuzzle:
        //: Text that is not a puzzle: %1 the line the puzzle starts on, %2 its number of cells.
        return TransferTexts::tr("第 %1 行開始的題目只有 %2 格，題目需要剛好 81 格。")
            .arg(error.line)
            .arg(error.cells);
    case TextFault::WrongCellCount:
        //: Text that is not a puzzle: %1 its number of cells.
        return TransferTexts::tr("題目有 %1 格，需要剛好 81 格。").arg(error.cells);
    case TextFault::NotText:
        //: What was pasted, dropped or opened holds bytes that are not text.
        return TransferTexts::tr("這不是文字，讀不出題目。");
    case TextFault::NoPuzzle:
        break;
    }
    return TransferTexts::tr("沒有找到題目：題目是 81 格，1～9 為題目的數字，0 或 . 為空格。");
}

QString tooLarge(qint64 bytes) {
    //: %1: the size of what was read, %2: the largest puzzle file read, both in megabytes.
    return TransferTexts::tr("內容太大（%1 MB），不是題目；題目檔最多 %2 MB。")
        .arg(static_cast<double>(bytes) / (1024.0 * 1024.0), 0, 'f', 1)
        .arg(PuzzleTransfer::kMaxTextBytes / (1024 * 1024));
}

// Why a file cannot be read as a puzzle file, before any puzzle is looked for.
QString readFailure(const FileRead& read) {
    switch (read.fault) {
    case FileRead::Fault::None:
        break;
    case FileRead::Fault::TooLarge:
        return tooLarge(read.size);
    case FileRead::Fault::System:
        return fileErrorReason(read.errorNumber);
    case FileRead::Fault::Kind:
        if (read.kind.kind == FileKind::Missing) return fileErrorReason(ENOENT);
        if (read.kind.kind == FileKind::Directory)
            //: A folder was opened or dropped where a puzzle file was expected.
            return TransferTexts::tr("這是資料夾，不是題目檔。");
        return fileKindReason(
            FileKindCheck{read.kind.kind, read.kind.errorNumber,
                          QFile::decodeName(QByteArray::fromStdString(read.kind.linkTarget))});
    }
    return {};
}

QString localFileOf(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

} // namespace

PuzzleTransfer::PuzzleTransfer(QWidget& window, TransferTarget& target, TransferPlatform& platform,
                               MessageBoxes& messageBoxes)
    : window_(window), target_(target), platform_(platform), messageBoxes_(messageBoxes),
      photo_(std::make_unique<PhotoImport>(window, target, messageBoxes)) {
    //: Context menu commands; & marks the access key.
    addCommand(QStringLiteral("copyPuzzle"), TransferTexts::tr("複製題目(&C)"), QKeySequence::Copy,
               QStringLiteral("Copy the puzzle (the blue givens) as an 81-character line"),
               &PuzzleTransfer::copyPuzzle);
    addCommand(QStringLiteral("copyPuzzleAndAnswer"), TransferTexts::tr("複製題目與答案(&A)"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
               QStringLiteral("Copy the board as shown, puzzle and answer, as a nine-line grid"),
               &PuzzleTransfer::copyPuzzleAndAnswer);
    addCommand(QStringLiteral("pastePuzzle"), TransferTexts::tr("貼上題目(&P)"), QKeySequence::Paste,
               QStringLiteral("Paste a puzzle: 81 cells, 1-9 a given, 0 or . empty"),
               &PuzzleTransfer::pastePuzzle);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    actions_.append(separator);
    addCommand(QStringLiteral("openPuzzleFile"), TransferTexts::tr("開啟題目檔(&O)…"), QKeySequence::Open,
               QStringLiteral("Open a file of one or more puzzles"), &PuzzleTransfer::openPuzzleFile);
    addCommand(QStringLiteral("savePuzzle"), TransferTexts::tr("另存題目(&S)…"), QKeySequence::Save,
               QStringLiteral("Save the puzzle (the blue givens) as an 81-character line"),
               &PuzzleTransfer::savePuzzle);
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

PuzzleTransfer::~PuzzleTransfer() = default;

QAction* PuzzleTransfer::addCommand(const QString& name, const QString& text, const QKeySequence& shortcut,
                                    const QString& tooltip, void (PuzzleTransfer::*command)()) {
    QAction* action = makeWindowCommand(this, text, {shortcut}, tooltip);
    action->setObjectName(name);
    actions_.append(action);
    connect(action, &QAction::triggered, this, [this, command] {
        if (!target_.commandRunning()) (this->*command)();
    });
    return action;
}

void PuzzleTransfer::copyPuzzle() {
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(writeLine(target_.shownBoard(), CellsWritten::Givens)));
    platform_.setClipboardData(std::move(data));
}

void PuzzleTransfer::copyPuzzleAndAnswer() {
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(writeGrid(target_.shownBoard(), CellsWritten::Shown)));
    platform_.setClipboardData(std::move(data));
}

void PuzzleTransfer::pastePuzzle() {
    takeMimeData(platform_.clipboardData(), pasteRefused());
}

void PuzzleTransfer::openPuzzleFile() {
    const QString path =
        platform_.openFileName(&window_, openCaption(), platform_.lastDirectory(), openFilter());
    if (path.isEmpty()) return;
    platform_.setLastDirectory(QFileInfo(path).absolutePath());
    takeFile(path);
}

void PuzzleTransfer::savePuzzle() {
    const QString path = platform_.saveFileName(
        &window_, saveCaption(), platform_.lastDirectory() + QLatin1Char('/') + suggestedName(), fileFilter());
    if (path.isEmpty()) return;
    if (const QString why = savePuzzleFile(path, target_.shownBoard()); !why.isEmpty()) {
        refuse(saveFailed(QDir::toNativeSeparators(path)), why);
        return;
    }
    platform_.setLastDirectory(QFileInfo(path).absolutePath());
}

void PuzzleTransfer::takeMimeData(const QMimeData* data, const QString& refused) {
    if (const QString path = localFileOf(data); !path.isEmpty()) {
        takeFile(path);
        return;
    }
    if (data != nullptr && data->hasImage() && (!data->hasText() || data->text().trimmed().isEmpty())) {
        photo_->takeImage(qvariant_cast<QImage>(data->imageData()), refused);
        return;
    }
    if (data == nullptr || !data->hasText() || data->text().trimmed().isEmpty()) {
        refuse(refused, TransferTexts::tr("沒有文字可以讀成題目。"));
        return;
    }
    takeText(data->text().toUtf8(), refused);
}

void PuzzleTransfer::takeFile(const QString& path) {
    const QString heading = openRefused(QDir::toNativeSeparators(path));
    // Only a regular file, never waited on: a FIFO or a device is refused before it is opened.
    // A photo of a puzzle may be larger than any puzzle text: text is held to its own limit once read.
    const FileRead read = readRegularFile(QFile::encodeName(path).toStdString(),
                                          std::max(kMaxTextBytes, static_cast<qint64>(recognition::kMaxImageBytes)));
    if (!read.ok()) {
        refuse(heading, readFailure(read));
        return;
    }
    if (PhotoImport::isImageData(read.bytes)) {
        photo_->takeImageData(read.bytes, heading);
        return;
    }
    takeText(QByteArray::fromStdString(read.bytes), heading);
}

void PuzzleTransfer::takeText(const QByteArray& bytes, const QString& refused) {
    if (bytes.size() > kMaxTextBytes) {
        refuse(refused, tooLarge(bytes.size()));
        return;
    }
    const auto read =
        readPuzzleText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* error = std::get_if<TextError>(&read)) {
        refuse(refused, describe(*error));
        return;
    }
    takePuzzles(std::get<std::vector<PuzzleText>>(read));
}

void PuzzleTransfer::takePuzzles(const std::vector<PuzzleText>& puzzles) {
    std::size_t chosen = 0;
    if (puzzles.size() > 1) {
        QStringList entries;
        entries.reserve(static_cast<qsizetype>(puzzles.size()));
        for (std::size_t i = 0; i < puzzles.size(); ++i)
            //: An entry of the list a puzzle is picked from: its number (%1) and its number of givens (%2).
            entries << TransferTexts::tr("第 %1 題　提示數 %2").arg(i + 1).arg(puzzles[i].clueCount());
        const auto picked = platform_.pickPuzzle(&window_, entries);
        if (!picked || *picked < 0 || static_cast<std::size_t>(*picked) >= puzzles.size()) return;
        chosen = static_cast<std::size_t>(*picked);
    }
    // The picker runs an event loop of its own: a command may have started meanwhile.
    if (target_.commandRunning()) return;
    target_.setUpPuzzle(puzzles[chosen].givens());
}

void PuzzleTransfer::refuse(const QString& heading, const QString& reason) {
    messageBoxes_.show(&window_, heading + QLatin1Char('\n') + reason, MessageButtons::Ok,
                       MessageIcon::Warning);
}

bool PuzzleTransfer::acceptsDrop(const QMimeData* data) const {
    return data != nullptr && !target_.commandRunning() &&
           (data->hasText() || data->hasImage() || !localFileOf(data).isEmpty());
}

bool PuzzleTransfer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!acceptsDrop(drag->mimeData())) return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!acceptsDrop(drop->mimeData())) return false;
        drop->acceptProposedAction();
        // The drop ends before the puzzle is read: a message or the list of puzzles must not hold up the
        // program the text came from.
        auto copy = std::make_shared<QMimeData>();
        if (const QString path = localFileOf(drop->mimeData()); !path.isEmpty())
            copy->setUrls({QUrl::fromLocalFile(path)});
        else if (drop->mimeData()->hasImage() && !drop->mimeData()->hasText())
            copy->setImageData(drop->mimeData()->imageData());
        else
            copy->setText(drop->mimeData()->text());
        QMetaObject::invokeMethod(
            this, [this, copy] { takeMimeData(copy.get(), dropRefused()); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

} // namespace dodoru
