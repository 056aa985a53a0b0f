#pragma once

#include <optional>
#include <vector>

#include "position.h"
#include "step.h"

namespace dodoru::logic {

struct StepOptions {
    // The puzzle is known to have exactly one solution; only then may unique rectangles be used.
    bool uniqueSolution = false;
};

// The easiest next step: the techniques are tried in their fixed order and the first that finds a step
// gives it. Nothing when the position is solved, or broken (a cell or a unit with nothing left).
std::optional<Step> nextStep(const Position& position, const StepOptions& options = {});

// The first step of one technique, in that technique's own scan order (for tests and tools).
std::optional<Step> findStep(const Position& position, Technique technique, const StepOptions& options = {});

// What the solve routine says of a board of digits (each digit taken as a given).
enum class PuzzleVerdict { Unique, NoSolution, Several, PuzzleError };

struct PuzzleCheck {
    PuzzleVerdict verdict = PuzzleVerdict::NoSolution;
    DigitGrid solution{}; // when Unique
};

// The engine's solve routine (its fast path) on the digits: Unique with the solution only when its
// first search finds exactly one; PuzzleError when an empty cell has no possible digit.
PuzzleCheck checkPuzzle(const DigitGrid& digits);

// The path from a position to the solution, and the rating of its hardest step.
struct Explanation {
    PuzzleVerdict verdict = PuzzleVerdict::NoSolution;
    DigitGrid solution{};
    std::vector<Step> steps;
    int ratingTenths = 0;             // the hardest step's rating; 1.0 for a full grid, 0 without a path
    std::optional<Technique> hardest; // its technique, the first of that rating on the path
    bool solved = false;              // the path ends with every cell filled
};

// Explains a puzzle of digits; only a puzzle with one solution (verdict Unique) gets a path.
Explanation explain(const DigitGrid& digits);

// The rating alone, without keeping the steps.
struct Rating {
    PuzzleVerdict verdict = PuzzleVerdict::NoSolution;
    int ratingTenths = 0;
    std::optional<Technique> hardest;
    int steps = 0;
    bool solved = false;
};
Rating rate(const DigitGrid& digits);

// The next step for a player: from the digits on the board (givens and the player's own), with the
// candidates computed or, when `marks` is given, the player's pencil marks as the candidates. The
// verdict says why there is no step: anything but Unique means the digits on the board do not lead to
// exactly one solution (a wrong digit, say).
// Marks that leave out a cell's solution digit would lead the solver astray: then the hint names those
// cells instead of giving a step.
struct Hint {
    PuzzleVerdict verdict = PuzzleVerdict::NoSolution;
    std::optional<Step> step;              // nothing when the board is full, the verdict is not Unique or
                                           // some marks leave out the solution's digit
    std::vector<int> marksWithoutSolution; // empty cells whose marks lack the solution's digit
};
Hint hint(const DigitGrid& digits, const CandidateGrid* marks = nullptr);

} // namespace dodoru::logic
