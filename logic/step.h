#pragma once

#include <optional>
#include <vector>

#include "position.h"
#include "technique.h"

namespace dodoru::logic {

// One node of a chain: a digit in a cell (or in a group of cells of one unit, read as "somewhere in
// them"), and whether the chain makes it true there or false.
struct ChainNode {
    std::vector<int> cells;
    int digit = 0;
    bool on = false;
    bool operator==(const ChainNode&) const = default;
};

// The two colours of a colouring step and the rule it used: two cells of one colour see each other
// (that colour is false), or a candidate sees both colours (it is false).
enum class ColourRule { None, Wrap, Trap };

// Where an assumption fails: a cell without candidates, or a digit without a place in a unit.
struct Contradiction {
    CellDigit assume;                  // the candidate assumed true
    std::vector<CellDigit> placements; // the singles that follow, in order
    int failCell = -1;                 // the cell left without candidates, or -1
    Unit failUnit;                     // else the unit with no place for failDigit
    int failDigit = 0;
    bool operator==(const Contradiction&) const = default;
};

struct Step;

// One branch of a forcing chain: a candidate assumed true and the singles that follow from it, in order;
// in a forcing net, then the steps (locked candidates, pairs and the singles they open) that follow.
struct Branch {
    CellDigit assume;
    std::vector<CellDigit> placements;
    std::vector<Step> inner;
    bool operator==(const Branch&) const;
};

// One step of reasoning, as a value: the words, the highlight and the JSON are views of it.
struct Step {
    Technique technique = Technique::FullHouse;
    Unit unit;                           // the unit the step lives in, where it has one
    std::vector<int> cells;              // the cells it rests on (what a window highlights)
    Digits digits = 0;                   // the digits it rests on
    std::vector<CellDigit> placements;   // digits it puts into cells
    std::vector<CellDigit> eliminations; // candidates it removes

    // A chain read as implications: the first node is off, the last is on, and each node follows from
    // the one before it (off to on by a strong link, on to off by a weak one). What is eliminated sees
    // both ends; a chain that ends where it began with the start on places it.
    std::vector<ChainNode> chain;
    std::vector<Unit> baseLines, coverLines; // a fish: the lines it stands on and the lines it covers
    int linkDigit = 0;                       // a wing: the digit that links its cells
    std::array<std::vector<int>, 2> colours; // a colouring: its two colours
    std::array<std::vector<CellDigit>, 2> candidateColours; // 3D Medusa: its two colours of candidates
    ColourRule colourRule = ColourRule::None;
    std::vector<std::vector<int>> sets; // almost locked sets: the cells of each, the pivot last
    std::optional<Contradiction> contradiction; // the assumption that fails, and how
    std::vector<Step> inner; // steps needed between the singles of a contradiction, in order
    // A cell or unit forcing chain: one branch for each candidate of the cell (or each place of the digit
    // in the unit); every branch ends with what the step places and removes.
    std::vector<Branch> branches;

    int ratingTenths() const;
    bool operator==(const Step&) const = default;
};

inline bool Branch::operator==(const Branch&) const = default;

// Applies the step's placements (each removing its digit from the peers) and eliminations.
void applyStep(Position& position, const Step& step);

} // namespace dodoru::logic
