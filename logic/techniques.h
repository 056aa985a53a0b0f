#pragma once

// The finders of the techniques, one function each; the technique table (technique.cpp) holds them in
// the order of the Technique enum. Each returns the first step of its technique in a fixed scan order,
// or nothing.

#include <array>
#include <bitset>
#include <optional>
#include <span>
#include <vector>

#include "step.h"

namespace dodoru::logic::detail {

// The number of places in a mask of a unit's cells (bit k for its k-th cell), read from a table:
// std::popcount without a popcount instruction is a library call.
inline constexpr std::array<std::uint8_t, 512> kPlaceCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (std::size_t mask = 1; mask < counts.size(); ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask >> 1] + (mask & 1u));
    return counts;
}();
constexpr int placeCount(unsigned places) {
    return kPlaceCounts[places & 0x1FFu];
}

// A set of cells as bits, bit c for cell c.
using CellSet = std::bitset<kCellCount>;
// Each cell's 20 peers as a set.
const std::array<CellSet, kCellCount>& peerSets();
// The cells that hold each digit as a candidate.
std::array<CellSet, 10> digitPlaces(const Position& position);

// An almost locked set: n cells of one unit that hold n + 1 digits between them.
struct Als {
    std::vector<int> cells; // in the unit's order
    CellSet all;
    Digits digits = 0;
    std::array<CellSet, 10> with{};    // its cells that hold each digit
    std::array<CellSet, 10> seeing{};  // the cells that see every one of them
};

// A restricted common digit of two almost locked sets without a common cell: both hold it, and each cell
// of one that holds it sees each cell of the other that does, so it is in one of them at most.
struct AlsLink {
    int other = 0; // the other set, by its place in the list of sets
    int digit = 0;
};
// The links of each set, by the other set's place in the list and then by digit.
struct AlsLinks {
    std::vector<AlsLink> links;
    std::vector<int> first; // set n's links are links[first[n]] up to links[first[n + 1]]
    std::span<const AlsLink> of(std::size_t set) const {
        return std::span<const AlsLink>(links).subspan(static_cast<std::size_t>(first[set]),
                                                       static_cast<std::size_t>(first[set + 1] - first[set]));
    }
};

// Per unit and digit, where the digit can still go (bit k for the unit's k-th cell), and the digits
// already in each unit.
struct UnitPlaces {
    explicit UnitPlaces(const Position& position);
    std::array<std::array<std::uint16_t, 10>, kUnitCount> where{};
    std::array<Digits, kUnitCount> placed{};
};

// What every finder reads: the position and where each digit can still go in each unit.
struct Scan : UnitPlaces {
    explicit Scan(const Position& position, bool uniqueSolution);
    const Position& position;
    bool uniqueSolution; // the puzzle is known to have one solution (unique rectangles rely on it)
    // The almost locked sets of the position and their links, found when a finder first asks for them and
    // kept for the finders after it.
    mutable std::optional<std::vector<Als>> knownAls;
    mutable std::optional<AlsLinks> knownAlsLinks;
};

// Every almost locked set of one to four cells, each set of cells once, in the order of the units
// (boxes first, then rows, then columns) and then of their sizes.
const std::vector<Als>& almostLockedSets(const Scan& scan);
// Those of `smallest` to `largest` cells (within 1..4), in the same order.
std::vector<Als> almostLockedSets(const Scan& scan, int smallest, int largest);
// The links between the sets almostLockedSets(scan) lists.
const AlsLinks& almostLockedSetLinks(const Scan& scan);

// Sorts the step's cells and eliminations and drops repeats; nothing when it eliminates and places nothing.
std::optional<Step> finished(Step step);

// Calls `visit` with every k-subset of 0..n-1 (ascending indices) until it returns true.
template <typename Visit> bool forEachCombination(int n, int k, Visit&& visit) {
    std::array<int, 4> pick{};
    int depth = 0;
    pick[0] = 0;
    while (depth >= 0) {
        if (pick[static_cast<std::size_t>(depth)] > n - (k - depth)) {
            if (--depth >= 0) ++pick[static_cast<std::size_t>(depth)];
            continue;
        }
        if (depth == k - 1) {
            if (visit(pick)) return true;
            ++pick[static_cast<std::size_t>(depth)];
        } else {
            pick[static_cast<std::size_t>(depth + 1)] = pick[static_cast<std::size_t>(depth)] + 1;
            ++depth;
        }
    }
    return false;
}

// What a run of singles knows of its position, kept up to date as it places digits rather than read
// again from the whole grid: where each digit can go in each unit and, from that, the digits a unit has
// no place for and those with one place left; the cells with one candidate, and the first cell left
// with none.
class SinglesState {
public:
    explicit SinglesState(const Position& p);
    // The first empty cell without candidates, or -1.
    int emptyCell() const { return emptyCell_; }
    // The digits that unit `u` neither holds nor has a place for.
    Digits missing(int u) const { return missing_[static_cast<std::size_t>(u)]; }
    // The digits with one place left in unit `u`.
    Digits once(int u) const { return once_[static_cast<std::size_t>(u)]; }
    // The cell of unit `u` where `d` has its one place.
    int onlyPlace(int u, int d) const;
    // The first cell with one candidate, or -1.
    int firstNaked() const;
    // Places `d` in `cell` of `p`, the position this state follows.
    void place(Position& p, int cell, int d);

private:
    // `d` is no longer a candidate of `cell`: one place fewer for it in each of the cell's units.
    void take(int cell, int d);
    void setNaked(int cell, bool naked);

    UnitPlaces units_;
    std::array<Digits, kUnitCount> missing_{};
    std::array<Digits, kUnitCount> once_{};
    std::array<std::uint64_t, 2> naked_{}; // bit c for cell c
    int emptyCell_ = -1;
};

// Places singles one at a time, each a single at its turn (the first cell with one candidate, else the
// first digit with one place in a unit, boxes first), until the position fails or none is left or
// `limit` singles are placed; true when it fails. The placements and the failure go into `out`.
bool singlesFail(Position& p, Contradiction& out, std::size_t limit);
// The same, going on from `state`, the state of `p`.
bool singlesFail(SinglesState state, Position& p, Contradiction& out, std::size_t limit);
// The same after placing `assume` in `p`, a copy of the position `before` was made for: runs from many
// assumptions in one position read it once.
bool singlesFailAfter(const SinglesState& before, Position& p, const CellDigit& assume, Contradiction& out,
                      std::size_t limit);

// What a list of singles is kept for: digits it places, candidates it removes, or a failure.
struct SinglesTarget {
    std::vector<CellDigit> placed;
    std::vector<CellDigit> removed;
    int failCell = -1;
    Unit failUnit;
    int failDigit = 0;
};

// The singles, of those that followed `assume` from `start`, that the target rests on, in their order:
// each kept single is still a single at its turn with the others gone, since what made it one was an
// earlier kept placement.
std::vector<CellDigit> neededSingles(const Position& start, const CellDigit& assume,
                                     const std::vector<CellDigit>& placements, const SinglesTarget& target);

// The placement `x` as the single it is: the cell's last candidate, else the digit's last place in a unit;
// none when it is neither.
std::optional<Step> singleStep(const Position& p, const CellDigit& x);

// The finder of `technique` from the technique table.
std::optional<Step> findWith(const Scan& scan, Technique technique);

// A chain node of one cell.
inline ChainNode node(int cell, int digit, bool on) {
    return ChainNode{{cell}, digit, on};
}

std::optional<Step> findFullHouse(const Scan& scan);
std::optional<Step> findNakedSingle(const Scan& scan);
std::optional<Step> findHiddenSingle(const Scan& scan);
std::optional<Step> findPointing(const Scan& scan);
std::optional<Step> findClaiming(const Scan& scan);
std::optional<Step> findNakedSubset(const Scan& scan, int size);
std::optional<Step> findHiddenSubset(const Scan& scan, int size);
std::optional<Step> findFish(const Scan& scan, int size);
std::optional<Step> findFinnedFish(const Scan& scan, int size);
std::optional<Step> findSkyscraper(const Scan& scan);
std::optional<Step> findTwoStringKite(const Scan& scan);
std::optional<Step> findXYWing(const Scan& scan);
std::optional<Step> findEmptyRectangle(const Scan& scan);
std::optional<Step> findXYZWing(const Scan& scan);
std::optional<Step> findWWing(const Scan& scan);
std::optional<Step> findUniqueRectangle(const Scan& scan);
std::optional<Step> findUniqueRectangle2(const Scan& scan);
std::optional<Step> findUniqueRectangle4(const Scan& scan);
std::optional<Step> findHiddenRectangle(const Scan& scan);
std::optional<Step> findBugPlusOne(const Scan& scan);
std::optional<Step> findSimpleColouring(const Scan& scan);
std::optional<Step> findWXYZWing(const Scan& scan);
std::optional<Step> findMedusa(const Scan& scan);
std::optional<Step> findXYChain(const Scan& scan);
std::optional<Step> findAlsXZ(const Scan& scan);
std::optional<Step> findAlsXYWing(const Scan& scan);
std::optional<Step> findForcingChain(const Scan& scan);
std::optional<Step> findGroupedChain(const Scan& scan);
std::optional<Step> findAlsChain(const Scan& scan);
std::optional<Step> findCellForcingChain(const Scan& scan);
std::optional<Step> findUnitForcingChain(const Scan& scan);
std::optional<Step> findContradiction(const Scan& scan);
std::optional<Step> findGuess(const Scan& scan);

} // namespace dodoru::logic::detail
