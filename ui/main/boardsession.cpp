#include "boardsession.h"

#include "engineboard.h"

namespace dodoru {

namespace {

// The generator's news about the board, passed on as the session's signals.
class SignallingObserver final : public GenerationObserver {
public:
    SignallingObserver(std::function<void()> begun, std::function<void()> shown)
        : begun_(std::move(begun)), shown_(std::move(shown)) {}
    void fullGridBegun(long /*grids*/) override { begun_(); }
    void puzzleShown() override { shown_(); }

private:
    std::function<void()> begun_;
    std::function<void()> shown_;
};

} // namespace

BoardSession::BoardSession(EventPump& pump, QObject* parent)
    : QObject(parent), board_(toBoard(puzzle_)), engine_(board_, state_, pump) {}

void BoardSession::setMode(Mode mode, int level) {
    mode_ = mode;
    level_ = mode == Mode::Generate ? level : 0;
    emit modeChanged();
}

void BoardSession::selectCell(int index) {
    selectedCell_ = index >= 0 && index < kCellCount ? index : kNoCell;
    emit selectionChanged();
}

void BoardSession::setRunning(bool running) {
    running_ = running;
    emit runningChanged(running);
}

void BoardSession::takeEngineBoard() {
    puzzle_ = fromBoard(board_, puzzle_);
}

void BoardSession::beginCommand() {
    puzzle_.setVerdict(Verdict::None);
    state_.SolutionCount = 0;
    selectCell(kNoCell);
    emit boardChanged();
}

void BoardSession::setDigit(int index, int digit) {
    if (index < 0 || index >= kCellCount) return;
    if (digit == 0)
        puzzle_.clear(index);
    else
        puzzle_.setGiven(index, digit);
    emit cellChanged(index);
}

void BoardSession::clearCell(int index) {
    setDigit(index, 0);
}

void BoardSession::clearAllCells() {
    for (int c = 0; c < kCellCount; ++c) puzzle_.clear(c);
    emit boardChanged();
}

void BoardSession::replacePuzzle(const PuzzleState& puzzle) {
    puzzle_ = puzzle;
    puzzle_.setVerdict(Verdict::None);
    emit boardChanged();
}

SolveReport BoardSession::solve() {
    setRunning(true);
    board_ = toBoard(puzzle_);
    state_.GenerateFlag = 0;
    BoardSnapshot snapshot{};
    const SolveReport report = engine_.SolveBoard(snapshot);
    takeEngineBoard();
    emit boardChanged();
    setRunning(false);
    return report;
}

GenerationResult BoardSession::generate(int level, RandomSource& random, PuzzleLog* log) {
    beforeGeneration_ = puzzle_;
    setRunning(true);
    board_ = toBoard(puzzle_);
    Generator generator(engine_, random, log);
    SignallingObserver observer(
        [this] {
            takeEngineBoard();
            emit boardHidden();
        },
        [this] {
            takeEngineBoard();
            emit puzzleShown();
        });
    generator.setObserver(&observer);
    GenerationResult result = generator.generate(level);
    takeEngineBoard();
    if (result.outcome == GenerationOutcome::Accepted) emit boardChanged();
    setRunning(false);
    beforeGeneration_.reset();
    return result;
}

void BoardSession::showSearchGrid() {
    if (!running_) board_ = toBoard(puzzle_);
    engine_.showGrid();
    takeEngineBoard();
    emit boardChanged();
}

void BoardSession::announceProgress() {
    if (!running_) return;
    takeEngineBoard();
    emit boardChanged();
}

void BoardSession::restore(const PuzzleState& puzzle, Mode mode, int level) {
    puzzle_ = puzzle;
    for (int c = 0; c < kCellCount; ++c)
        state_.Grid[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(puzzle_.digit(c));
    setMode(mode, level);
    emit boardChanged();
    if (mode != Mode::ManualSetUp) selectedCell_ = kNoCell;
    emit selectionChanged();
    emit restored();
}

} // namespace dodoru
