#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "puzzlestate.h"

namespace dodoru {

// What the command panel is set to: the command given last. The window highlights that command's
// button; None (a button index that names no command) highlights none, and so does Play (作答: the
// givens of manual set-up locked as a puzzle to play).
enum class Mode { None, ManualSetUp, Solve, Clear, Generate, Play };

// All that undo takes back: the puzzle (cells and verdict), the mode and the play state.
struct GameSnapshot {
    PuzzleState puzzle;
    Mode mode = Mode::ManualSetUp;
    int level = 0;
    bool playing = false;
    bool operator==(const GameSnapshot&) const = default;
};

// The undo history as snapshots of the game before and after each step, up to a limit; the oldest
// steps go first. Edits of one cell in a row join into one step, and one typed and taken back is no step.
class GameHistory {
public:
    static constexpr std::size_t kLimit = 100;

    // A step that has been made. `cell` is the cell typed in (edits of one cell in a row join), -1 for
    // a step of its own. Steps undone before it are gone.
    void push(GameSnapshot before, GameSnapshot after, std::string text, int cell);
    // The snapshot to go back to, none when there is nothing to undo.
    std::optional<GameSnapshot> undo();
    // The snapshot to go forward to, none when there is nothing to redo.
    std::optional<GameSnapshot> redo();

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < steps_.size(); }
    // The name of the step undo or redo would take ("" for none, or for a step without a name).
    std::string undoText() const { return canUndo() ? steps_[index_ - 1].text : std::string(); }
    std::string redoText() const { return canRedo() ? steps_[index_].text : std::string(); }
    std::size_t size() const { return steps_.size(); }

private:
    struct Step {
        GameSnapshot before;
        GameSnapshot after;
        std::string text;
        int cell;
    };
    std::vector<Step> steps_;
    std::size_t index_ = 0; // steps before it are done, from it on undone
};

} // namespace dodoru
