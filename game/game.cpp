#include "game.h"

namespace dodoru {

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;

CellMarks bitOf(CellMark mark) {
    return static_cast<CellMarks>(mark);
}

} // namespace

CellDigits givensOf(const PuzzleState& puzzle) {
    CellDigits givens{};
    for (int c = 0; c < kCellCount; ++c)
        givens[static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>(puzzle.isGiven(c) ? puzzle.digit(c) : 0);
    return givens;
}

Game::Game(TimeSource now) : now_(std::move(now)) {}

bool Game::hasMark(int cell, CellMark mark) const {
    return (marks(cell) & bitOf(mark)) != 0;
}

bool Game::setMarks(CellMark mark, const std::bitset<kCellCount>& cells) {
    bool changed = false;
    for (std::size_t c = 0; c < marks_.size(); ++c) {
        const auto next =
            static_cast<CellMarks>(cells.test(c) ? marks_[c] | bitOf(mark) : marks_[c] & ~bitOf(mark));
        changed = changed || next != marks_[c];
        marks_[c] = next;
    }
    return changed;
}

bool Game::addMark(int cell, CellMark mark) {
    if (hasMark(cell, mark)) return false;
    marks_[static_cast<std::size_t>(cell)] = static_cast<CellMarks>(marks(cell) | bitOf(mark));
    return true;
}

bool Game::clearMarks(CellMark mark) {
    return setMarks(mark, {});
}

void Game::begin(const CellDigits& givens, const CellDigits& solution) {
    gameGivens_ = givens;
    solution_ = solution;
    playedNs_ = 0;
    runningSince_.reset();
    solved_ = false;
    congratulated_ = false;
}

void Game::resume(const CellDigits& givens, const CellDigits& solution, std::int64_t seconds, bool solved) {
    gameGivens_ = givens;
    solution_ = solution;
    playedNs_ = seconds * kNsPerSecond;
    runningSince_.reset();
    solved_ = solved;
    congratulated_ = solved;
}

bool Game::updateSolved() {
    if (!gameGivens_) return false;
    bool solvedNow = true;
    for (int c = 0; c < kCellCount && solvedNow; ++c)
        solvedNow = puzzle_.digit(c) == solution_[static_cast<std::size_t>(c)];
    if (solvedNow == solved_) return false;
    solved_ = solvedNow;
    if (solved_)
        stopClock();
    else
        startClock();
    return true;
}

void Game::startClock() {
    if (!runningSince_) runningSince_ = now_();
}

void Game::stopClock() {
    if (!runningSince_) return;
    playedNs_ += now_() - *runningSince_;
    runningSince_.reset();
}

std::int64_t Game::elapsedSeconds() const {
    std::int64_t ns = playedNs_;
    if (runningSince_) ns += now_() - *runningSince_;
    return ns / kNsPerSecond;
}

} // namespace dodoru
