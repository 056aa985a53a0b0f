#include "generator.h"

#include <utility>

namespace dodoru {

namespace {

constexpr int kSeedShuffleSwaps = 100;
constexpr int kLevelOnePicks = 20;
constexpr int kPickBound = 500;  // removal picks per try of levels 2-5

std::int16_t i16(int value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

GenerationResult Generator::generate(int level) {
    const LevelRules& rules = rulesForLevel(level);
    GenerationResult result;
    result.level = level;
    BoardSnapshot snapshot{};
    WindowState& state = engine_.state();
    state.SolutionCount = 0;
    engine_.board().message().hide();

    auto interrupted = [&]() {
        state.GenerateFlag = 0;
        result.outcome = GenerationOutcome::Interrupted;
        return result;
    };

    for (;;) {
        if (!beginFullGrid(snapshot, result)) return interrupted();
        Step step = Step::Continue;
        while (step == Step::Continue) step = carveTry(rules, snapshot, result);
        if (step == Step::Interrupted) return interrupted();
        if (step == Step::Accepted) break;
    }

    result.solution = snapshot;
    for (std::size_t c = 0; c < result.puzzleSolution.size(); ++c)
        result.puzzleSolution[c] = static_cast<std::uint8_t>(state.FirstSolution[c]);
    if (log_ != nullptr) {
        LogRecord record;
        record.level = level;
        record.clueCount = result.clueCount;
        record.solutionCount = state.SolutionCount;
        record.tally = result.tally;
        result.log = log_->append(record);
    }
    showAcceptedPuzzle(result);
    result.outcome = GenerationOutcome::Accepted;
    return result;
}

// A new full grid: two shuffled seed boxes completed by the seed solve, begun again while that solve
// finds no solution. False when interrupted.
bool Generator::beginFullGrid(BoardSnapshot& snapshot, GenerationResult& result) {
    WindowState& state = engine_.state();
    Board& board = engine_.board();
    for (;;) {
        ++result.grids;
        tryCount_ = 0;
        state.CellMark.fill(0);
        random_.reseedFromClock();
        for (int c = 0; c < kCellCount; ++c) board.cell(c).clear();
        if (observer_ != nullptr) observer_->fullGridBegun(result.grids);

        shuffleDigitMap();
        fillSeedBox(0, 0);
        shuffleDigitMap();
        fillSeedBox(3, 6);

        state.GenerateFlag = 0;
        const SolveReport report = engine_.SolveBoard(snapshot);
        if (report.verdict == SolveVerdict::Interrupted) return false;
        if (state.SolutionCount <= 0) {
            board.message().hide();
            continue;
        }
        if (observer_ != nullptr) observer_->fullGridReady(snapshot);
        return true;
    }
}

void Generator::shuffleDigitMap() {
    auto& map = engine_.state().DigitMap;
    for (int k = 1; k <= 9; ++k) map[static_cast<std::size_t>(k)] = i16(k);
    for (int n = 0; n < kSeedShuffleSwaps; ++n) {
        const float u1 = random_.next();
        const float u2 = random_.next();
        const int a = scaledDraw(u1, 9) + 1;
        const int b = scaledDraw(u2, 9) + 1;
        std::swap(map[static_cast<std::size_t>(a)], map[static_cast<std::size_t>(b)]);
    }
}

void Generator::fillSeedBox(int topRow, int leftColumn) {
    WindowState& state = engine_.state();
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            const int cell = 9 * (topRow + r) + (leftColumn + c);
            state.RandomCell = i16(cell);
            engine_.board().cell(cell).makeGiven(state.DigitMap[static_cast<std::size_t>(3 * r + c + 1)]);
        }
    }
}

void Generator::restore(const BoardSnapshot& snapshot) {
    Board& board = engine_.board();
    for (int c = 0; c < kCellCount; ++c) board.cell(c).makeGiven(snapshot[static_cast<std::size_t>(c)]);
}

// Level 1: one cell per box, then 20 picks; marked cells are never emptied.
int Generator::levelOneRemoval() {
    WindowState& state = engine_.state();
    Board& board = engine_.board();
    int emptied = 0;
    auto pick = [&](int cell) {
        state.RandomCell = i16(cell);
        Cell& target = board.cell(cell);
        if (state.CellMark[static_cast<std::size_t>(cell)] != 0) return;
        if (target.isGiven()) ++emptied;  // a cell emptied earlier in this try is emptied again: no change
        target.clear();
    };
    for (int s = 0; s < 3; ++s) {
        for (int b = 0; b < 3; ++b) {
            const float u1 = random_.next();
            const float u2 = random_.next();
            pick(9 * (3 * b + scaledDraw(u1, 3)) + 3 * s + scaledDraw(u2, 3));
        }
    }
    for (int n = 0; n < kLevelOnePicks; ++n) pick(scaledDraw(random_.next(), 81));
    return emptied;
}

// Levels 2-5: empties up to removalCount distinct unmarked givens; stops after 500 picks. Returns the
// number of cells emptied; `picks` gets the number of picks made.
int Generator::removeCells(int removalCount, int& picks) {
    WindowState& state = engine_.state();
    Board& board = engine_.board();
    picks = 0;
    int k = 1;
    while (k <= removalCount) {
        const int cell = scaledDraw(random_.next(), 81);
        ++picks;
        state.RandomCell = i16(cell);
        Cell& target = board.cell(cell);
        if (state.CellMark[static_cast<std::size_t>(cell)] == 0 && target.isGiven()) {
            target.clear();
            ++k;
        }
        if (picks >= kPickBound) break;
    }
    return k - 1;
}

bool Generator::check() {
    engine_.state().GenerateFlag = -1;
    return engine_.SolveBoard(checkSnapshot_).verdict != SolveVerdict::Interrupted;
}

bool Generator::singlePass() {
    WindowState& state = engine_.state();
    Board& board = engine_.board();
    for (int c = 0; c < kCellCount; ++c) {
        Cell& cell = board.cell(c);
        if (state.CellMark[static_cast<std::size_t>(c)] != 0 || !cell.isGiven()) continue;
        const int value = cell.value();
        cell.clear();
        if (!check()) return false;
        if (state.SolutionCount != 1) cell.makeGiven(value);
    }
    return true;
}

bool Generator::pairPass() {
    WindowState& state = engine_.state();
    Board& board = engine_.board();
    auto qualifies = [&](int c) {
        return state.CellMark[static_cast<std::size_t>(c)] == 0 && board.cell(c).isGiven();
    };
    for (int i = 0; i < kCellCount - 1; ++i) {
        Cell& first = board.cell(i);
        for (int j = i + 1; j < kCellCount; ++j) {
            // Only a check can change a cell or a mark, and none runs while cell i does not qualify:
            // the rest of row i of the pass is then skipped as a whole.
            if (!qualifies(i)) break;
            if (!qualifies(j)) continue;
            Cell& second = board.cell(j);
            const int firstValue = first.value();
            const int secondValue = second.value();
            first.clear();
            second.clear();
            if (!check()) return false;
            if (state.SolutionCount != 1) {
                first.makeGiven(firstValue);
                second.makeGiven(secondValue);
            }
        }
    }
    return true;
}

// One try of clue removal on the current full grid.
Generator::Step Generator::carveTry(const LevelRules& rules, const BoardSnapshot& snapshot,
                                    GenerationResult& result) {
    WindowState& state = engine_.state();
    TryReport report;
    report.level = rules.level;

    if (rules.tryLimit == 0) {
        restore(snapshot);
        report.emptied = levelOneRemoval();
        report.picks = kLevelOnePicks;
    } else {
        report.removalCount = scaledDraw(random_.next(), 6) + rules.removalBase;
        if (tryCount_ >= rules.tryLimit) return Step::NewGrid;
        ++tryCount_;
        restore(snapshot);
        report.emptied = removeCells(report.removalCount, report.picks);
    }
    ++result.tries;
    report.tryCount = tryCount_;
    if (observer_ != nullptr) observer_->cellsRemoved(report);

    if (!check()) return Step::Interrupted;
    if (rules.passes && state.SolutionCount == 1) {
        if (!singlePass() || !pairPass()) return Step::Interrupted;
    }

    report.tally = tallyCandidates(rules, state.Candidates);
    report.clueCount = engine_.board().givenCount();
    report.solutionCount = state.SolutionCount;
    report.accepted = acceptsTry(rules, report.solutionCount, report.tally, report.clueCount);
    if (observer_ != nullptr) observer_->tryJudged(report);
    if (report.accepted) {
        result.tally = report.tally;
        result.clueCount = report.clueCount;
        return Step::Accepted;
    }
    if (engine_.pump().pollNow() == PumpResult::Unwind) return Step::Interrupted;
    return Step::Continue;
}

// "Show the accepted puzzle", after the log record.
void Generator::showAcceptedPuzzle(GenerationResult& result) {
    Board& board = engine_.board();
    int clueCount = 0;
    for (int c = 0; c < kCellCount; ++c) {
        Cell& cell = board.cell(c);
        // Cells the removal inked black are emptied; every other one is a given.
        if (!cell.isGiven() && !cell.defaultInk()) {
            cell.setValue(0);
        } else {
            cell.setGiven(true);
            ++clueCount;
        }
    }
    result.clueCount = clueCount;
    engine_.state().GenerateFlag = 0;
    if (observer_ != nullptr) observer_->puzzleShown();
}

}  // namespace dodoru
