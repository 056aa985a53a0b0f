#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "engine.h"

namespace dodoru {

// One puzzle of a manuscript: its givens (0 for an empty cell) and its one solution, cell by cell
// row by row, and the level it was made at (0 when it did not come from the generator).
struct ManuscriptPuzzle {
    int level = 0;
    BoardSnapshot givens{};
    BoardSnapshot solution{};
    int ratingTenths = 0; // the logical solver's rating in tenths (44 for 4.4); 0 when not rated

    int clueCount() const;
    bool operator==(const ManuscriptPuzzle&) const = default;
};

// The level's name, the one place it is written: the generate buttons, the manuscript dialog and the
// manuscript's captions show it ("1.極易" .. "5.極難"); level 0 is a puzzle of one's own ("自訂").
QString levelName(int level);

enum class SolutionVerdict { Unique, NoSolution, Several, PuzzleError };

struct SolvedGivens {
    SolutionVerdict verdict = SolutionVerdict::NoSolution;
    BoardSnapshot solution{}; // when Unique
};

// The solve routine on a board of its own holding only `givens`: Unique with the solution when the
// first search finds exactly one; the routine's added givens count as several solutions.
SolvedGivens solveGivens(const BoardSnapshot& givens);

// The logical solver's rating of a puzzle with one solution, in tenths.
int ratePuzzle(const BoardSnapshot& givens);

} // namespace dodoru
