#include "conflictmarks.h"

#include "boardsession.h"

namespace dodoru {

ConflictMarks::ConflictMarks(BoardSession& session) : session_(session) {
    connect(&session_, &BoardSession::playingChanged, this, [this] { mark(); });
    connect(&session_, &BoardSession::cellChanged, this, [this] { mark(); });
    connect(&session_, &BoardSession::boardChanged, this, [this] { mark(); });
    connect(&session_, &BoardSession::modeChanged, this, [this] { mark(); });
}

void ConflictMarks::mark() {
    const PuzzleState& puzzle = session_.puzzle();
    if (session_.playing()) {
        session_.setMarks(CellMark::Conflict, puzzle.clashingDigits(true));
        return;
    }
    // Digits that are no givens are never counted outside the play state: they are no part of the puzzle.
    const Mode mode = session_.mode();
    const bool shown = mode == Mode::ManualSetUp || mode == Mode::Solve;
    session_.setMarks(CellMark::Conflict, shown ? puzzle.clashingDigits(false) : std::bitset<kCellCount>());
}

} // namespace dodoru
