#pragma once

#include <QString>

#include <cstdint>
#include <utility>

#include "puzzlestate.h"

namespace dodoru {

// The most time a game counts, in seconds (100 000 hours): the clock keeps nanoseconds in 64 bits, and a
// file that says more is read as this much.
inline constexpr std::int64_t kMaxPlaySeconds = 360'000'000;

// A game in progress as it is kept between runs: the givens, the player's digits and pencil marks, the
// time played and whether it was solved.
struct PlayRecord {
    PuzzleState puzzle;       // givens, player's digits and marks; nothing else is kept
    std::int64_t seconds = 0; // 0 .. kMaxPlaySeconds
    bool solved = false;
    // Written by the close; false while the game is kept as it is played, so that a file still saying
    // so at the next start is a game whose run ended without its close (a kill, a crash, a power loss).
    bool atClose = true;
};

enum class PlayFileStatus {
    Loaded, // read and well formed
    Absent, // there is no file
    Unread, // a file is there but cannot be read or is no game in progress; it is left as it was
    Saved,
    Removed,
    Failed, // see reason
};

struct PlayFileResult {
    PlayFileStatus status = PlayFileStatus::Failed;
    QString reason; // the path and why, for the message box; empty otherwise
};

// The game in progress beside the board save file, as JSON (play.json), read and written by the same
// rules as the save file: written whole beside it and put in place once complete, so a failed save
// leaves the old one; only a regular file, or a link to one, is read, replaced or removed; anything else
// in its place is refused and left alone.
class PlayFile {
public:
    // Larger files are no game in progress and are not read.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    explicit PlayFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    PlayFileResult load(PlayRecord& record) const;
    PlayFileResult save(const PlayRecord& record) const;
    // An absent file is fine.
    PlayFileResult remove() const;

private:
    QString path_;
};

// The record as the file holds it, and back; false when `json` is no game in progress.
QByteArray playRecordJson(const PlayRecord& record);
bool parsePlayRecord(const QByteArray& json, PlayRecord& record);

} // namespace dodoru
