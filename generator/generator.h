#pragma once

#include <array>
#include <cstdint>

#include "engine.h"
#include "generationobserver.h"
#include "levelrules.h"
#include "puzzlelog.h"
#include "random.h"

namespace dodoru {

enum class GenerationOutcome { Accepted, Interrupted };

struct GenerationResult {
    GenerationOutcome outcome = GenerationOutcome::Interrupted;
    int level = 0;
    BoardSnapshot solution{};      // the full grid the puzzle was carved from
    int clueCount = 0;             // ClueCount: blue cells of the accepted puzzle
    CandidateTally tally{};        // CandidateTally of the accepted try
    long tries = 0;                // tries on all full grids
    long grids = 0;                // full grids begun
    LogWriteResult log;            // how the log record went (ok when no log is attached)
    // The puzzle's one solution. It differs from `solution` in the cells where a check added a given
    // with the digit of its second solution; each such cell is marked in CellMark.
    BoardSnapshot puzzleSolution{};
};

// Generates puzzles of levels 1..5 on the engine's board: a full grid from two shuffled boxes, clue
// removal by level with every try checked by the solve routine, the log record, and the puzzle shown.
// The board (givens in blue, everything else empty) holds the puzzle afterwards.
//
// Each generation starts with SolutionCount at 0 and the message label hidden. The engine's pump runs
// pollNow() once after every rejected try. When the pump unwinds, generate() returns Interrupted at
// once: no record is logged, the observer is not told puzzleShown(), GenerateFlag is back at 0, and the
// board holds only givens and empty cells (the try in progress).
//
// A level outside 1..5 throws std::out_of_range.
class Generator {
public:
    Generator(Engine& engine, RandomSource& random, PuzzleLog* log = nullptr)
        : engine_(engine), random_(random), log_(log) {}

    GenerationResult generate(int level);

    void setObserver(GenerationObserver* observer) { observer_ = observer; }
    // TryCount of the current full grid.
    int tryCount() const { return tryCount_; }

private:
    enum class Step { Continue, NewGrid, Accepted, Interrupted };

    bool beginFullGrid(BoardSnapshot& snapshot, GenerationResult& result);
    Step carveTry(const LevelRules& rules, const BoardSnapshot& snapshot, GenerationResult& result);
    void restore(const BoardSnapshot& snapshot);
    void shuffleDigitMap();
    void fillSeedBox(int topRow, int leftColumn);
    int levelOneRemoval();
    int removeCells(int removalCount, int& picks);
    // Check: the solve routine with GenerateFlag -1; false when it was interrupted.
    bool check();
    bool singlePass();
    bool pairPass();
    void showAcceptedPuzzle(GenerationResult& result);

    Engine& engine_;
    RandomSource& random_;
    PuzzleLog* log_;
    GenerationObserver* observer_ = nullptr;
    std::int16_t tryCount_ = 0;
    BoardSnapshot checkSnapshot_{};  // handed to checks, which never write it
};

}  // namespace dodoru
