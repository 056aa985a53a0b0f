#include "boardfilekeeper.h"

#include <QCoreApplication>
#include <QDir>

#include "messageboxes.h"
#include "puzzlefile.h"
#include "savelocationchooser.h"

namespace dodoru {

namespace {

// The texts about the board's save file, in the window's language.
struct SaveFileTexts {
    Q_DECLARE_TR_FUNCTIONS(dodoru::SaveFileTexts)
};

QString puzzleFileName() {
    //: The file name a saved puzzle is offered under.
    return SaveFileTexts::tr("題目.txt");
}

QString puzzleFileFilter() {
    //: The file dialog's filter for puzzle files; keep (*.txt) and (*) as they are.
    return SaveFileTexts::tr("題目檔 (*.txt);;所有檔案 (*)");
}

QString savePuzzleCaption() {
    //: The caption of the file dialog that saves the puzzle.
    return SaveFileTexts::tr("另存題目");
}

} // namespace

QString startupLoadFailedText(const SaveFileResult& result) {
    //: At start-up. %1: why the save file (the givens of the last run) cannot be read.
    return SaveFileTexts::tr("無法讀取題目存檔：\n%1\n\n程式將以空白的盤面開始。").arg(result.reason);
}

QString startupNotWritableText(const SaveFileResult& result) {
    //: At start-up. %1: why the save file cannot be written.
    return SaveFileTexts::tr(
               "題目存檔無法寫入：\n%1\n\n題目已經載入，但關閉程式時，盤面上的題目無法保存到這個檔案。")
        .arg(result.reason);
}

QString replaceUnreadFileQuestion(const QString& path) {
    //: At the close, about a save file that could not be read at start-up (%1: its path). 「保留原檔」
    //: is the button that keeps it: use the same words as that button.
    return SaveFileTexts::tr(
               "程式啟動時無法讀取題目存檔：\n%1\n\n要用目前盤面上的題目覆寫這個檔案嗎？\n選「保留原檔」，"
               "檔案會原封不動地保留，這次盤面上的題目則不會被保存。")
        .arg(QDir::toNativeSeparators(path));
}

QString shutdownSaveFailedQuestion(const SaveFileResult& result) {
    //: At the close. %1: why the save file cannot be written. 「否」 is the No button of Qt's message box.
    return SaveFileTexts::tr("無法儲存題目存檔：\n%1\n\n要把盤面上的題目另存到其他檔案嗎？\n選「否」，"
                             "這次盤面上的題目就不會被保存，程式即將結束。")
        .arg(result.reason);
}

QString clearDeleteFailedText(const SaveFileResult& result) {
    //: After the clear button. %1: why the save file cannot be deleted.
    return SaveFileTexts::tr("無法刪除題目存檔：\n%1\n\n盤面已清除；下次關閉程式時存檔會被覆寫。")
        .arg(result.reason);
}

BoardFileKeeper::BoardFileKeeper(std::unique_ptr<SaveFile> file, MessageBoxes& boxes,
                                 SaveLocationChooser& chooser)
    : file_(std::move(file)), boxes_(boxes), chooser_(chooser) {}

SaveFileResult BoardFileKeeper::loadAtStartUp(Board& board, QWidget* parent) {
    const SaveFileResult result = file_->load(board);
    if (result.status == SaveFileStatus::Unread) unread_ = UnreadFile::Ask;
    if (!result.ok()) {
        boxes_.show(parent, startupLoadFailedText(result), MessageButtons::Ok, MessageIcon::Warning);
        return result;
    }
    if (const SaveFileResult writable = file_->checkWritable(); !writable.ok())
        boxes_.show(parent, startupNotWritableText(writable), MessageButtons::Ok, MessageIcon::Warning);
    return result;
}

ShutdownSave BoardFileKeeper::saveAtShutdown(const Board& board, QWidget* parent) {
    return save(board, true, parent);
}

ShutdownSave BoardFileKeeper::saveForSessionEnd(const Board& board, bool mayAsk, QWidget* parent) {
    const ShutdownSave result = save(board, mayAsk, parent);
    if (!mayAsk && result == ShutdownSave::KeptOldFile)
        qWarning("dodoru: %s could not be read at start-up and is kept as it is; the givens on the board "
                 "were not saved.",
                 qPrintable(QDir::toNativeSeparators(file_->path())));
    return result;
}

ShutdownSave BoardFileKeeper::save(const Board& board, bool mayAsk, QWidget* parent) {
    if (unread_ == UnreadFile::Ask) {
        if (!mayAsk) return ShutdownSave::KeptOldFile;
        const MessageAnswer answer = boxes_.show(parent, replaceUnreadFileQuestion(file_->path()),
                                                 MessageButtons::ReplaceKeep, MessageIcon::Warning);
        unread_ = answer == MessageAnswer::Replace ? UnreadFile::Replace : UnreadFile::Keep;
    }
    if (unread_ == UnreadFile::Keep) return ShutdownSave::KeptOldFile;

    const SaveFileResult result =
        file_->save(board, unread_ == UnreadFile::Replace ? OldFileTail::Replace : OldFileTail::Keep);
    if (result.ok()) return ShutdownSave::Saved;
    if (!mayAsk) {
        qWarning("dodoru: the givens on the board could not be saved: %s",
                 qPrintable(QString(result.reason).replace(QLatin1Char('\n'), QStringLiteral(": "))));
        return ShutdownSave::Lost;
    }
    while (boxes_.show(parent, shutdownSaveFailedQuestion(result), MessageButtons::YesNo,
                       MessageIcon::Critical) == MessageAnswer::Yes) {
        if (saveElsewhere(board, parent)) return ShutdownSave::SavedElsewhere;
    }
    return ShutdownSave::Lost;
}

bool BoardFileKeeper::saveElsewhere(const Board& board, QWidget* parent) {
    const QString suggested = QDir::home().filePath(puzzleFileName());
    const QString path = chooser_.choose(parent, savePuzzleCaption(), suggested, puzzleFileFilter());
    if (path.isEmpty()) return false;
    const QString why = savePuzzleFile(path, board);
    if (why.isEmpty()) return true;
    //: %1: the file the puzzle was to be saved in, %2: why it could not.
    boxes_.show(parent,
                SaveFileTexts::tr("無法儲存題目到：\n%1\n%2").arg(QDir::toNativeSeparators(path), why),
                MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

SaveFileResult BoardFileKeeper::deleteForClear(QWidget* parent) {
    // A file that could not be read is not ours to remove: the shutdown asks about it.
    if (unread_ == UnreadFile::Ask) return {SaveFileStatus::Unread, {}};
    const SaveFileResult result = file_->remove();
    if (!result.ok())
        boxes_.show(parent, clearDeleteFailedText(result), MessageButtons::Ok, MessageIcon::Warning);
    return result;
}

} // namespace dodoru
