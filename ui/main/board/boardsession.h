#pragma once

#include <QObject>

#include <bitset>
#include <optional>
#include <string>

#include "board.h"
#include "engine.h"
#include "game.h"
#include "generator.h"
#include "position.h"
#include "puzzlestate.h"

namespace dodoru {

// The one door to the game behind the main window: the game (puzzle state, marks, undo history, the
// game played and its clock), the engine and its state, the mode and the generation level, the
// selected cell, and whether a solve or a generation runs. Every change is announced. The engine works
// on a board of its own, taken from the puzzle state when a command starts and brought back into it
// after the command and before each event pass.
class BoardSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kNoCell = -1;

    // `now` times the game played.
    BoardSession(EventPump& pump, TimeSource now, QObject* parent = nullptr);

    const Game& game() const { return game_; }
    const PuzzleState& puzzle() const { return game_.puzzle(); }
    // The puzzle the save file keeps: during a generation the one from before it began, since the
    // generator's working givens are not the user's.
    const PuzzleState& puzzleToKeep() const {
        return beforeGeneration_ ? *beforeGeneration_ : game_.puzzle();
    }
    // The engine's state as the last command left it.
    const WindowState& engineState() const { return state_; }

    Mode mode() const { return mode_; }
    // The level (1..5) while the mode is Generate, else 0.
    int level() const { return level_; }
    void setMode(Mode mode, int level = 0);

    // The cell being edited, kNoCell when none is.
    int selectedCell() const { return selectedCell_; }
    void selectCell(int index);

    // How the solve routine searches (the node-by-node reference, for tests and measurements).
    void setSearchMethod(SearchMethod method) { engine_.setSearchMethod(method); }

    // True while a solve or a generation runs: nothing else may change the board meanwhile.
    bool running() const { return running_; }

    // The play state: the givens are a puzzle the player solves with digits of their own. A generation
    // that ends enters it, and so does 作答 (Mode::Play); every command of the panel leaves it.
    bool playing() const { return playing_; }
    void setPlaying(bool playing);
    // Whether a digit typed now edits the board: in manual set-up (givens) or while playing (the
    // player's digits), never while a command runs.
    bool editable() const { return !running_ && (mode_ == Mode::ManualSetUp || playing_); }
    // Whether a digit entered into the cell takes: the board is editable, and while playing the cell
    // holds no given.
    bool takesDigit(int index) const;

    // A command begins: no verdict, no cell selected, and the solution count starts again at zero.
    void beginCommand();

    // 0 empties the cell, 1..9 makes it a given.
    void setDigit(int index, int digit);
    // A digit typed or picked for a cell, as the state allows: in manual set-up as setDigit(); while
    // playing the player's digit (0 clears it, and an empty cell's pencil marks), givens untouched.
    // Does nothing when the board is not editable.
    void enterDigit(int index, int digit);
    // While playing enterDigit(index, 0), else setDigit(index, 0).
    void clearCell(int index);
    // While playing: the pencil mark of `digit` in an empty cell on or off.
    void togglePencilMark(int index, int digit);
    // While playing: a change of many cells at once (marks filled in, a hint carried out), announced
    // with boardChanged(). The givens stay as they are.
    void changeWhilePlaying(const PuzzleState& puzzle);
    void clearAllCells();
    // The message label over the board says `verdict` (hidden for None); the cells stay as they are.
    void showVerdict(Verdict verdict);
    // The puzzle read at start-up, or read in: these cells, no verdict.
    void replacePuzzle(const PuzzleState& puzzle);

    // The solve routine with its verdict.
    SolveReport solve();
    // A puzzle of `level`, announced with boardHidden() at every full grid begun and puzzleShown() once
    // accepted; the board is announced only when the puzzle was accepted.
    GenerationResult generate(int level, RandomSource& random, PuzzleLog* log);
    // A puzzle made away from the window (by solving technique) with its rating: the givens alone on
    // the board, announced as a generation's end with puzzleShown(), and played.
    void showGeneratedPuzzle(const logic::DigitGrid& givens, int ratingTenths);
    // The logical solver's rating of the givens on the board, in tenths (0 when they have no single
    // solution); worked out once for each puzzle.
    int ratingTenths() const;
    // The search's digits into every cell that is not a given (the live display).
    void showSearchGrid();
    // During a long command: the board as the engine has it now, announced.
    void announceProgress();

    // A puzzle and mode kept from before (undo and redo). The search's grid takes the puzzle's digits,
    // so that the live display shows the board as it is. A cell stays selected only where cells are
    // editable.
    void restore(const PuzzleState& puzzle, Mode mode, int level, bool playing = false);

    // The marks on the cells, announced with marksChanged() when they change: `mark` on exactly
    // `cells`, on one more cell, or on none.
    void setMarks(CellMark mark, const std::bitset<kCellCount>& cells);
    void addMark(int cell, CellMark mark);
    void clearMarks(CellMark mark);

    // The game played (Game::begin, Game::resume), its clock, and whether it is solved
    // (Game::updateSolved) and was told so.
    void beginGame(const CellDigits& givens, const CellDigits& solution) { game_.begin(givens, solution); }
    void resumeGame(const CellDigits& givens, const CellDigits& solution, std::int64_t seconds, bool solved) {
        game_.resume(givens, solution, seconds, solved);
    }
    void startGameClock() { game_.startClock(); }
    void stopGameClock() { game_.stopClock(); }
    bool updateSolved() { return game_.updateSolved(); }
    void setCongratulated() { game_.setCongratulated(); }

    // The undo history: a step made, and the snapshots undo and redo go to (none at either end).
    void recordStep(GameSnapshot before, GameSnapshot after, std::string text, int cell) {
        game_.history().push(std::move(before), std::move(after), std::move(text), cell);
    }
    std::optional<GameSnapshot> undoStep() { return game_.history().undo(); }
    std::optional<GameSnapshot> redoStep() { return game_.history().redo(); }

signals:
    void modeChanged();
    void cellChanged(int index);
    // A cell's pencil marks alone changed.
    void pencilMarksChanged(int index);
    void playingChanged(bool playing);
    // Every cell and the verdict.
    void boardChanged();
    void selectionChanged();
    // A solve or a generation starts (true) or ends (false).
    void runningChanged(bool running);
    // A generation emptied the board for a new full grid; the puzzle it accepted is on the board.
    void boardHidden();
    void puzzleShown();
    // The puzzle and mode were put back by restore(): the window shows the mode as its command left it.
    void restored();
    // The marks of one or more cells changed.
    void marksChanged();

private:
    void setRunning(bool running);
    void takeEngineBoard();

    Game game_;
    PuzzleState& puzzle_; // the game's
    std::optional<PuzzleState> beforeGeneration_;
    struct KnownRating {
        logic::DigitGrid givens{};
        int tenths = 0;
    };
    mutable std::optional<KnownRating> rating_;
    Board board_; // the engine's
    WindowState state_;
    Engine engine_;
    Mode mode_ = Mode::ManualSetUp;
    int level_ = 0;
    int selectedCell_ = kNoCell;
    bool running_ = false;
    bool playing_ = false;
};

} // namespace dodoru
