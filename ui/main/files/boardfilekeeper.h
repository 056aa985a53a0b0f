#pragma once

#include <QString>

#include <memory>

#include "board.h"
#include "savefile.h"

class QWidget;

namespace dodoru {

class MessageBoxes;
class SaveLocationChooser;

// How the shutdown left the givens.
enum class ShutdownSave {
    Saved,          // in the save file
    KeptOldFile,    // the user kept a save file that could not be read; the givens were not saved
    SavedElsewhere, // the save file could not be written; the user saved them to another file
    Lost,           // the save file could not be written and the user declined another file
};

// Keeps the board's givens in the save file from one run to the next, and tells the user in a message
// box (over `parent`, titled with the application title) whenever it cannot. It never replaces a file
// it could not read without asking, says at start-up when the next save cannot succeed, and offers
// another file when the shutdown save fails.
class BoardFileKeeper {
public:
    BoardFileKeeper(std::unique_ptr<SaveFile> file, MessageBoxes& boxes, SaveLocationChooser& chooser);

    const SaveFile& file() const { return *file_; }

    // Start-up: reads the givens into `board`; on failure the board is left as it was (empty at
    // start-up). After a successful read, warns once if the file cannot be written where it lies.
    SaveFileResult loadAtStartUp(Board& board, QWidget* parent);

    // Shutdown: saves the givens of `board`. A file that could not be read at start-up is replaced only
    // when the user agrees (覆寫); keeping it (保留原檔) is the default, and what Escape does.
    ShutdownSave saveAtShutdown(const Board& board, QWidget* parent);

    // The session manager's request before a logout, or an end nobody is there to answer (a signal, a
    // lost display): saves as the shutdown does, but asks nothing when `mayAsk` is false. A file that
    // could not be read is then kept, and what was not saved is said on standard error.
    ShutdownSave saveForSessionEnd(const Board& board, bool mayAsk, QWidget* parent);

    // A confirmed clear: removes the file; an absent file is fine.
    SaveFileResult deleteForClear(QWidget* parent);

private:
    enum class UnreadFile { None, Ask, Keep, Replace };

    ShutdownSave save(const Board& board, bool mayAsk, QWidget* parent);
    bool saveElsewhere(const Board& board, QWidget* parent);

    std::unique_ptr<SaveFile> file_;
    MessageBoxes& boxes_;
    SaveLocationChooser& chooser_;
    UnreadFile unread_ = UnreadFile::None;
};

// Message box texts (the box's title is the application title).
QString startupLoadFailedText(const SaveFileResult& result);
QString startupNotWritableText(const SaveFileResult& result);
QString replaceUnreadFileQuestion(const QString& path);
QString shutdownSaveFailedQuestion(const SaveFileResult& result);
QString clearDeleteFailedText(const SaveFileResult& result);

} // namespace dodoru
