#include "conflictmarks.h"

#include "boardsession.h"
#include "celllabel.h"

namespace dodoru {

ConflictMarks::ConflictMarks(BoardSession& session, const std::array<CellLabel*, kCellCount>& cells)
    : session_(session), cells_(cells) {
    const auto mark = [this] {
        if (session_.playing()) {
            show(session_.puzzle().clashingDigits(true));
            return;
        }
        const Mode mode = session_.mode();
        update(session_.puzzle(), mode == Mode::ManualSetUp || mode == Mode::Solve);
    };
    connect(&session_, &BoardSession::playingChanged, this, mark);
    connect(&session_, &BoardSession::cellChanged, this, mark);
    connect(&session_, &BoardSession::boardChanged, this, mark);
    connect(&session_, &BoardSession::modeChanged, this, mark);
}

void ConflictMarks::update(const PuzzleState& puzzle, bool shown) {
    // Digits that are no givens are never counted outside the play state: they are no part of the puzzle.
    show(shown ? puzzle.clashingDigits(false) : std::bitset<kCellCount>());
}

void ConflictMarks::show(const std::bitset<kCellCount>& marked) {
    for (std::size_t c = 0; c < marked.size(); ++c) cells_[c]->setConflictMark(marked.test(c));
}

} // namespace dodoru
