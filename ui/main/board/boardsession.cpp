#include "boardsession.h"

#include "engineboard.h"
#include "logicsolver.h"

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

BoardSession::BoardSession(EventPump& pump, TimeSource now, QObject* parent)
    : QObject(parent), game_(std::move(now)), puzzle_(game_.puzzle()), board_(toBoard(puzzle_)),
      engine_(board_, state_, pump) {}

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

void BoardSession::setPlaying(bool playing) {
    if (playing_ == playing) return;
    playing_ = playing;
    emit playingChanged(playing);
}

void BoardSession::beginCommand() {
    setPlaying(false);
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

bool BoardSession::takesDigit(int index) const {
    return index >= 0 && index < kCellCount && editable() && !(playing_ && puzzle_.isGiven(index));
}

void BoardSession::enterDigit(int index, int digit) {
    if (digit < 0 || digit > 9 || !takesDigit(index)) return;
    if (!playing_) {
        setDigit(index, digit);
        return;
    }
    const PuzzleState before = puzzle_;
    if (digit != 0) {
        puzzle_.placePlayerDigit(index, digit);
    } else if (puzzle_.digit(index) != 0) {
        puzzle_.setCell(index, 0, CellKind::Empty);
    } else {
        puzzle_.setPencilMarks(index, 0);
    }
    if (puzzle_ == before) return;
    // The cell first: undo takes the whole change as an edit of this cell.
    emit cellChanged(index);
    for (int c = 0; c < kCellCount; ++c)
        if (c != index && puzzle_.pencilMarks(c) != before.pencilMarks(c)) emit pencilMarksChanged(c);
}

void BoardSession::clearCell(int index) {
    if (playing_)
        enterDigit(index, 0);
    else
        setDigit(index, 0);
}

void BoardSession::togglePencilMark(int index, int digit) {
    if (!playing_ || running_ || index < 0 || index >= kCellCount || digit < 1 || digit > 9) return;
    if (puzzle_.digit(index) != 0) return;
    puzzle_.setPencilMarks(index, static_cast<PencilMarks>(puzzle_.pencilMarks(index) ^ (1u << (digit - 1))));
    emit pencilMarksChanged(index);
}

void BoardSession::changeWhilePlaying(const PuzzleState& puzzle) {
    if (!playing_ || running_) return;
    PuzzleState next = puzzle;
    for (int c = 0; c < kCellCount; ++c) {
        if (puzzle_.isGiven(c))
            next.setCell(c, puzzle_.digit(c), CellKind::Given);
        else if (next.isGiven(c))
            next.setCell(c, 0, CellKind::Empty);
    }
    if (next == puzzle_) return;
    puzzle_ = next;
    emit boardChanged();
}

void BoardSession::clearAllCells() {
    for (int c = 0; c < kCellCount; ++c) {
        puzzle_.clear(c);
        puzzle_.setPencilMarks(c, 0);
    }
    emit boardChanged();
}

void BoardSession::showVerdict(Verdict verdict) {
    puzzle_.setVerdict(verdict);
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
    if (result.outcome == GenerationOutcome::Accepted) {
        // The marks were the last puzzle's.
        for (int c = 0; c < kCellCount; ++c) puzzle_.setPencilMarks(c, 0);
        emit boardChanged();
    }
    setRunning(false);
    beforeGeneration_.reset();
    // The puzzle is there to be played.
    if (result.outcome == GenerationOutcome::Accepted) setPlaying(true);
    return result;
}

void BoardSession::showGeneratedPuzzle(const logic::DigitGrid& givens, int ratingTenths) {
    for (int c = 0; c < kCellCount; ++c) {
        const int digit = givens[static_cast<std::size_t>(c)];
        if (digit != 0)
            puzzle_.setCell(c, digit, CellKind::Given);
        else
            puzzle_.clear(c);
        puzzle_.setPencilMarks(c, 0);
        state_.Grid[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(digit);
    }
    puzzle_.setVerdict(Verdict::None);
    rating_ = KnownRating{givens, ratingTenths};
    emit boardChanged();
    emit puzzleShown();
    setPlaying(true);
}

int BoardSession::ratingTenths() const {
    logic::DigitGrid givens{};
    for (int c = 0; c < kCellCount; ++c)
        if (puzzle_.isGiven(c)) givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(puzzle_.digit(c));
    if (!rating_ || rating_->givens != givens) {
        const logic::Rating rating = logic::rate(givens);
        rating_ = KnownRating{givens, rating.verdict == logic::PuzzleVerdict::Unique ? rating.ratingTenths : 0};
    }
    return rating_->tenths;
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

void BoardSession::restore(const PuzzleState& puzzle, Mode mode, int level, bool playing) {
    puzzle_ = puzzle;
    for (int c = 0; c < kCellCount; ++c)
        state_.Grid[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(puzzle_.digit(c));
    setPlaying(playing);
    setMode(mode, level);
    emit boardChanged();
    if (!editable()) selectedCell_ = kNoCell;
    emit selectionChanged();
    emit restored();
}

void BoardSession::setMarks(CellMark mark, const std::bitset<kCellCount>& cells) {
    if (game_.setMarks(mark, cells)) emit marksChanged();
}

void BoardSession::addMark(int cell, CellMark mark) {
    if (cell >= 0 && cell < kCellCount && game_.addMark(cell, mark)) emit marksChanged();
}

void BoardSession::clearMarks(CellMark mark) {
    if (game_.clearMarks(mark)) emit marksChanged();
}

} // namespace dodoru
