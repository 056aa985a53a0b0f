#pragma once

#include <vector>

#include "position.h"
#include "technique.h"

namespace dodoru::logic {

// One step of reasoning, as a value: the words, the highlight and the JSON are views of it.
struct Step {
    Technique technique = Technique::FullHouse;
    Unit unit;                           // the unit the step lives in, where it has one
    std::vector<int> cells;              // the cells it rests on (what a window highlights)
    Digits digits = 0;                   // the digits it rests on
    std::vector<CellDigit> placements;   // digits it puts into cells
    std::vector<CellDigit> eliminations; // candidates it removes

    int ratingTenths() const { return techniqueRatingTenths(technique); }
    bool operator==(const Step&) const = default;
};

// Applies the step's placements (each removing its digit from the peers) and eliminations.
void applyStep(Position& position, const Step& step);

} // namespace dodoru::logic
