#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "logicsolver.h"
#include "techniquelevels.h"

namespace dodoru {

// A puzzle carved from a full grid, with its rating.
struct CarvedPuzzle {
    logic::DigitGrid puzzle{};
    logic::DigitGrid solution{};
    logic::Rating rating;
};

// A full grid drawn from `seed`: every cell filled, every row, column and box holding 1..9 once.
logic::DigitGrid randomFullGrid(std::uint64_t seed);

// One draw of a puzzle by solving technique: a full grid from `seed`, then the cells removed in pairs
// that a half turn swaps (the centre alone), in an order drawn from the same seed. A pair stays removed
// when the puzzle keeps one solution and its rating stays at or below bounds.most; so the puzzle ends
// with its givens symmetric under a half turn and no pair left that could go. Nothing when its rating
// is below bounds.least, or when `stop` says so between removals.
std::optional<CarvedPuzzle> carvePuzzle(std::uint64_t seed, const RatingBounds& bounds,
                                        const std::function<bool()>& stop);

} // namespace dodoru
