#include "conflictmarks.h"

#include "boardsession.h"
#include "celllabel.h"

namespace dodoru {

std::bitset<kCellCount> clashingGivens(const PuzzleState& puzzle) {
    std::bitset<kCellCount> clashing;
    for (int a = 0; a < kCellCount; ++a) {
        if (!puzzle.isGiven(a)) continue;
        for (int b = a + 1; b < kCellCount; ++b) {
            if (!puzzle.isGiven(b) || puzzle.digit(b) != puzzle.digit(a)) continue;
            if (rowOf(a) == rowOf(b) || columnOf(a) == columnOf(b) || boxOf(a) == boxOf(b)) {
                clashing.set(static_cast<std::size_t>(a));
                clashing.set(static_cast<std::size_t>(b));
            }
        }
    }
    return clashing;
}

ConflictMarks::ConflictMarks(BoardSession& session, const std::array<CellLabel*, kCellCount>& cells)
    : session_(session), cells_(cells) {
    const auto mark = [this] {
        if (session_.playing()) {
            show(session_.puzzle().clashingDigits());
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
    const std::bitset<kCellCount> clashing = shown ? clashingGivens(puzzle) : std::bitset<kCellCount>();
    std::array<bool, kCellCount> marked{};
    for (std::size_t c = 0; c < marked.size(); ++c) marked[c] = clashing.test(c);
    show(marked);
}

void ConflictMarks::show(const std::array<bool, kCellCount>& marked) {
    for (std::size_t c = 0; c < marked.size(); ++c) cells_[c]->setConflictMark(marked[c]);
}

} // namespace dodoru
