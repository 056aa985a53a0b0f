#include "boardsession.h"

namespace dodoru {

namespace {

// The generator's news about the board, passed on as the session's signals.
class SignallingObserver final : public GenerationObserver {
public:
    explicit SignallingObserver(BoardSession& session) : session_(session) {}
    void fullGridBegun(long /*grids*/) override { emit session_.boardHidden(); }
    void puzzleShown() override { emit session_.puzzleShown(); }

private:
    BoardSession& session_;
};

} // namespace

BoardSession::BoardSession(EventPump& pump, QObject* parent)
    : QObject(parent), engine_(board_, state_, pump) {}

void BoardSession::setMode(Mode mode, int level) {
    mode_ = mode;
    level_ = mode == Mode::Generate ? level : 0;
    emit modeChanged();
}

void BoardSession::beginCommand() {
    board_.message().hide();
    state_.SolutionCount = 0;
}

void BoardSession::setDigit(int index, int digit) {
    Cell& cell = board_.cell(index);
    if (digit == 0)
        cell.clear();
    else
        cell.makeGiven(digit);
    emit cellChanged(index);
}

void BoardSession::clearCell(int index) {
    setDigit(index, 0);
}

void BoardSession::clearAllCells() {
    for (int c = 0; c < kCellCount; ++c) board_.cell(c).clear();
    emit boardChanged();
}

SolveReport BoardSession::solve() {
    state_.GenerateFlag = 0;
    BoardSnapshot snapshot{};
    const SolveReport report = engine_.SolveBoard(snapshot);
    emit boardChanged();
    return report;
}

GenerationResult BoardSession::generate(int level, RandomSource& random, PuzzleLog* log) {
    Generator generator(engine_, random, log);
    SignallingObserver observer(*this);
    generator.setObserver(&observer);
    GenerationResult result = generator.generate(level);
    if (result.outcome == GenerationOutcome::Accepted) emit boardChanged();
    return result;
}

void BoardSession::showSearchGrid() {
    engine_.showGrid();
    emit boardChanged();
}

void BoardSession::restore(const Board& board, Mode mode, int level) {
    board_ = board;
    for (int c = 0; c < kCellCount; ++c)
        state_.Grid[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(board_.cell(c).value());
    setMode(mode, level);
    emit boardChanged();
}

} // namespace dodoru
