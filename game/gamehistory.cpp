#include "gamehistory.h"

namespace dodoru {

void GameHistory::push(GameSnapshot before, GameSnapshot after, std::string text, int cell) {
    const bool joins = cell >= 0 && index_ > 0 && steps_[index_ - 1].cell == cell;
    steps_.resize(index_);
    if (joins) {
        Step& last = steps_.back();
        last.after = std::move(after);
        // Typed and taken back: no step at all. The verdict alone makes no step.
        if (last.before.puzzle.sameCells(last.after.puzzle)) {
            steps_.pop_back();
            --index_;
        }
        return;
    }
    steps_.push_back(Step{std::move(before), std::move(after), std::move(text), cell});
    if (steps_.size() > kLimit) steps_.erase(steps_.begin());
    index_ = steps_.size();
}

std::optional<GameSnapshot> GameHistory::undo() {
    if (!canUndo()) return std::nullopt;
    return steps_[--index_].before;
}

std::optional<GameSnapshot> GameHistory::redo() {
    if (!canRedo()) return std::nullopt;
    return steps_[index_++].after;
}

} // namespace dodoru
