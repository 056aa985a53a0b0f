#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine.h"
#include "puzzlelog.h"
#include "random.h"

namespace dodoru {

using CandidateTally = std::array<std::int16_t, 10>;

enum class GenerationOutcome { Accepted, Interrupted };

struct GenerationResult {
    GenerationOutcome outcome = GenerationOutcome::Interrupted;
    int level = 0;
    BoardSnapshot solution{};      // the full grid the puzzle was carved from
    int clueCount = 0;             // ClueCount: blue cells of the accepted puzzle
    CandidateTally tally{};        // CandidateTally of the accepted try
    long tries = 0;                // tries on all full grids
    long grids = 0;                // full grids begun
    std::string countLabel;        // Label3's text, "空格" + ClueCount
    LogWriteResult log;            // how the log record went (ok when no log is attached)
};

// Generates puzzles of levels 1..5 on the engine's board: a full grid from two shuffled boxes, clue
// removal by level with every try checked by the solve routine, the log record, and the puzzle shown.
// The board (givens in blue, everything else empty) holds the puzzle afterwards.
class Generator {
public:
    Generator(Engine& engine, RandomSource& random, PuzzleLog* log = nullptr)
        : engine_(engine), random_(random), log_(log) {}

    GenerationResult generate(int level);

private:
    Engine& engine_;
    RandomSource& random_;
    PuzzleLog* log_;
};

}  // namespace dodoru
