#pragma once

#include <QString>

#include <cstdint>
#include <utility>

#include "board.h"

class QWidget;

namespace dodoru {

class MessageBoxes;

// Where the program keeps its two files, Default.dat and out.txt: the directory of the executable
// when files can be created there, otherwise the per-user data directory (created when needed), so
// that an installed program in a system directory still keeps its givens.
class FilesLocation {
public:
    // Applies the rule to the running program's directories.
    static FilesLocation forApplication();
    // Applies the rule to the given candidates; used by tests and by forApplication().
    static FilesLocation choose(const QString& executableDirectory, const QString& userDataDirectory);
    // A fixed directory, no rule applied.
    explicit FilesLocation(QString directory) : directory_(std::move(directory)) {}

    const QString& directory() const { return directory_; }
    QString saveFilePath() const; // Default.dat
    QString logFilePath() const;  // out.txt

private:
    QString directory_;
};

enum class SaveFileStatus {
    Loaded,        // the file was read
    CreatedEmpty,  // there was no file; an empty one now exists
    Saved,         // the givens are in the file
    Deleted,       // the file was removed
    AlreadyAbsent, // nothing to remove
    Failed,        // see reason
};

struct SaveFileResult {
    SaveFileStatus status = SaveFileStatus::Failed;
    QString reason; // why it failed, for the message box; empty otherwise

    bool ok() const { return status != SaveFileStatus::Failed; }
};

// The board save file: 81 raw bytes, byte c the given digit 1..9 of cell c or 0. Bytes after the
// 81st belong to nobody and are kept as they are.
class SaveFile {
public:
    static constexpr qint64 kByteCount = 81;

    explicit SaveFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // Start-up: creates a missing file empty, then reads byte c into FileByte and makes cell c a blue
    // given when it holds 1..9; other values leave the cell as it is. Past the end of a short file
    // FileByte is 0. On failure the board is left untouched.
    SaveFileResult load(Board& board, std::uint8_t& FileByte) const;

    // Shutdown: writes the value of every blue cell, 0 for the others, through FileByte, keeping bytes
    // 81.. of a longer file. The old file is replaced only once the new one is complete.
    SaveFileResult save(const Board& board, std::uint8_t& FileByte) const;

    // The clear command: removes the file; an absent file is not an error.
    SaveFileResult remove() const;

private:
    QString path_;
};

// The window's three uses of the save file. Each shows a failure in a message box over `parent` (titled
// with the application title) and returns what happened; none of them stops the program.
// Start-up: on failure the board is left as it was (empty at start-up).
SaveFileResult loadGivensAtStartUp(const SaveFile& file, Board& board, std::uint8_t& FileByte,
                                   MessageBoxes& boxes, QWidget* parent);
// Shutdown: on failure the user is told that the givens were not saved.
SaveFileResult saveGivensAtShutdown(const SaveFile& file, const Board& board, std::uint8_t& FileByte,
                                    MessageBoxes& boxes, QWidget* parent);
// A confirmed clear: an absent file is fine.
SaveFileResult deleteForClear(const SaveFile& file, MessageBoxes& boxes, QWidget* parent);

// Message box texts for the window (the box's title is the application title).
QString startupLoadFailedText(const SaveFileResult& result);
QString shutdownSaveFailedText(const SaveFileResult& result);
QString clearDeleteFailedText(const SaveFileResult& result);

} // namespace dodoru
