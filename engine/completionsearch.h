#pragma once

#include <array>
#include <cstdint>

#include "board.h"
#include "eventpump.h"

namespace dodoru {

// Finds the first two complete grids of the search order without visiting the search tree node by
// node. The order: steps in table order, each step's candidates ascending; a complete grid holds one
// candidate per step with no digit repeated in a row, column or box.
//
// The first grid is fixed step by step: at each step, the smallest digit under which some completion
// of the steps fixed so far exists. The second is the next grid in the order: it agrees with the first
// up to the deepest step at which a larger digit still has a completion, takes the smallest such
// digit there, and is the smallest completion from there on. Whether a completion exists is decided
// by a complete search over digit sets (forced cells, most-constrained cell first) that only drops
// digits no completion can hold. So the grids found are exactly those the node-by-node search reaches
// first and second, and a count of 0 or 1 is exactly what that search proves by walking its tree.
class CompletionSearch {
public:
    using Digits = std::uint16_t;                      // bit d for digit d, 1..9
    using Grid = std::array<std::int16_t, kCellCount>; // a digit per cell, 0 for none

    struct Step {
        int cell = 0;
        Digits candidates = 0;
    };

    struct Result {
        bool interrupted = false; // the pump asked to unwind; nothing below is meaningful
        int count = 0;            // complete grids, counted up to 2
        Grid first{};             // when count >= 1
        Grid second{};            // when count == 2
        std::uint64_t nodes = 0;  // steps fixed plus nodes of the completion tests, one pump tick each
    };

    // `progress` shows the work while it runs: the steps fixed so far hold their digits, the other
    // cells are left as they are (the caller starts it at all 0).
    CompletionSearch(const std::array<Step, kCellCount>& steps, EventPump& pump, Grid& progress)
        : steps_(steps), pump_(pump), progress_(progress) {}

    Result run();

private:
    // The digits still possible in each cell. Marks that the search keeps are settled: every
    // single-digit cell is out of its peers and every digit with one place left in a unit is placed.
    struct Marks {
        std::array<Digits, kCellCount> digits; // left unset until a copy or a fill
    };
    using Pending = std::array<std::uint8_t, kCellCount>;

    bool tick();
    static bool propagate(Marks& marks, Pending& pending, int pendingCount, std::uint32_t dirty);
    // Settles marks from scratch; false when they hold no completion.
    static bool settleAll(Marks& marks);
    // Fixes `cell` of settled marks to `digit` and settles them again; false when no completion is left.
    static bool place(Marks& marks, int cell, Digits digit);
    // Complete search below settled marks: appends up to `limit` complete grids to found_. False
    // when interrupted.
    bool complete(const Marks& marks, int limit);
    // Tries the digits at `cell` in ascending order; at the first with a completion of `marks`, that
    // completion goes to `known`. `known` is left as it is when none has one.
    bool smallestWithCompletion(const Marks& marks, int cell, Digits digits, Grid& known);
    // Fixes steps from..80 to the smallest completion of `marks`, starting from the completion `known`.
    bool fixSmallest(int from, Marks marks, Grid& known);

    const std::array<Step, kCellCount>& steps_;
    EventPump& pump_;
    Grid& progress_;
    std::uint64_t nodes_ = 0;
    std::array<Grid, 2> found_{};
    int foundCount_ = 0;
    std::array<Marks, kCellCount> atStep_; // the marks before each step was fixed (set before read)
};

} // namespace dodoru
