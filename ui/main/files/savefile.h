#pragma once

#include <QString>

#include <utility>

#include "board.h"

namespace dodoru {


enum class SaveFileStatus {
    Loaded,        // the file was read
    CreatedEmpty,  // there was no file; an empty one now exists
    Writable,      // the file and its folder accept the next save
    Saved,         // the givens are in the file
    Deleted,       // the file was removed
    AlreadyAbsent, // nothing to remove
    Unread,        // a file is there but could not be read; it is left as it was (see reason)
    Failed,        // see reason
};

struct SaveFileResult {
    SaveFileStatus status = SaveFileStatus::Failed;
    QString reason; // the path and why it failed, for the message box; empty otherwise

    bool ok() const { return status != SaveFileStatus::Failed && status != SaveFileStatus::Unread; }
};

// What a save does with an existing file's bytes past the 81st.
enum class OldFileTail {
    Keep,    // carried over; a tail that cannot be read fails the save
    Replace, // the user agreed to replace a file that could not be read: the new file is the 81 bytes
};

// The board save file: 81 raw bytes, byte c the given digit 1..9 of cell c or 0. Bytes after the
// 81st belong to nobody and are kept as they are. Only a regular file, or a link to one, is read or
// written: its kind is looked at before anything opens it, so a FIFO, a device, a socket or a
// directory in its place is refused without blocking and left alone, and a link that points nowhere
// is reported instead of followed.
class SaveFile {
public:
    static constexpr qint64 kByteCount = 81;

    explicit SaveFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // Start-up: creates a missing file empty, then makes cell c a blue given when byte c holds 1..9;
    // other values leave the cell as it is, and so do the cells past the end of a short file. On
    // failure the board is left untouched.
    SaveFileResult load(Board& board) const;

    // Whether the next save can replace the file where it lies (Writable), or why not.
    SaveFileResult checkWritable() const;

    // Shutdown: writes the value of every blue cell, 0 for the others. The old file is replaced only
    // once the new one is complete.
    SaveFileResult save(const Board& board, OldFileTail tail = OldFileTail::Keep) const;

    // The clear command: removes the file (a link itself, not what it points to); an absent file is not
    // an error, anything but a file or a link is refused.
    SaveFileResult remove() const;

private:
    QString path_;
};

} // namespace dodoru
