#pragma once

#include <QObject>

#include "board.h"
#include "engine.h"
#include "generator.h"

namespace dodoru {

// What the command panel is set to: the command given last. The window highlights that command's
// button; None (a button index that names no command) highlights none.
enum class Mode { None, ManualSetUp, Solve, Clear, Generate };

// The board behind the main window: the model, the engine over it and the engine's state, the mode,
// the generation level, and the cell the digit chooser edits. Edits made through the session are
// announced (a cell or the whole board); the engine's own writes during a long command are not — the
// window brings those on screen through its event pump.
class BoardSession : public QObject {
    Q_OBJECT
public:
    explicit BoardSession(EventPump& pump, QObject* parent = nullptr);

    Board& board() { return board_; }
    const Board& board() const { return board_; }
    WindowState& state() { return state_; }
    Engine& engine() { return engine_; }

    Mode mode() const { return mode_; }
    // The level (1..5) while the mode is Generate, else 0.
    int level() const { return level_; }
    void setMode(Mode mode, int level = 0);

    int selectedCell() const { return selectedCell_; }
    void selectCell(int index) { selectedCell_ = index; }

    // A command begins: the message label is hidden and the solution count starts again at zero.
    void beginCommand();

    // 0 empties the cell, 1..9 makes it a given.
    void setDigit(int index, int digit);
    void clearCell(int index);
    void clearAllCells();

    // The solve routine with the verdict on the board.
    SolveReport solve();
    // A puzzle of `level` on the board, announced with boardHidden() at every full grid begun and
    // puzzleShown() once accepted; the board is announced only when the puzzle was accepted.
    GenerationResult generate(int level, RandomSource& random, PuzzleLog* log);
    // The search's digits into every cell that is not a given (the live display).
    void showSearchGrid();

    // A board and mode kept from before (undo and redo). The search's grid takes the board's digits, so
    // that the live display shows the board as it is.
    void restore(const Board& board, Mode mode, int level);

signals:
    void modeChanged();
    void cellChanged(int index);
    // Every cell and the message label.
    void boardChanged();
    // A generation emptied the board for a new full grid; the puzzle it accepted is on the board.
    void boardHidden();
    void puzzleShown();

private:
    Board board_;
    WindowState state_;
    Engine engine_;
    Mode mode_ = Mode::ManualSetUp;
    int level_ = 0;
    int selectedCell_ = 0;
};

} // namespace dodoru
