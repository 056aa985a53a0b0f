#include "engine.h"

#include <algorithm>
#include <utility>
#include <bit>

#include "completionsearch.h"

namespace dodoru {

namespace {

// Calls the solve routine's fast path first spends on 逐一填入 node by node (a few microseconds).
constexpr std::uint64_t kNodeByNodeBudget = 1000;

std::int16_t i16(int value) { return static_cast<std::int16_t>(value); }

// Bit v stands for digit v. Bit 0 is never used: an entry of 0 is an empty cell.
std::uint32_t digitBit(int value) { return (value > 0 && value < 32) ? (1u << value) : 0u; }

}  // namespace

void Engine::檢查合理性(std::int16_t& result) const {
    // A digit repeated in a row, a column or a box makes the board unreasonable.
    const auto& grid = state_.Grid;
    for (int c = 0; c < kCellCount; ++c) {
        const std::int16_t v = grid[static_cast<std::size_t>(c)];
        if (v == 0) continue;
        for (const std::uint8_t p : peersOf(c))
            if (grid[p] == v) { result = 0; return; }
    }
    result = -1;
}

bool Engine::fillTable() {
    // A digit is a candidate of an empty cell unless its row, column or box shows it; the masks give
    // exactly the result of testing the 27 cells one by one.
    std::array<std::uint32_t, 9> rowUsed{}, columnUsed{}, boxUsed{};
    for (int c = 0; c < kCellCount; ++c) {
        const std::uint32_t bit = digitBit(board_.cell(c).value());
        rowUsed[static_cast<std::size_t>(rowOf(c))] |= bit;
        columnUsed[static_cast<std::size_t>(columnOf(c))] |= bit;
        boxUsed[static_cast<std::size_t>(boxOf(c))] |= bit;
    }
    bool someCellWithout = false;
    for (int a = 0; a < 9; ++a) {
        for (int b = 0; b < 9; ++b) {
            const int c = 9 * b + a;
            state_.RandomCell = i16(c);
            CandidateRow& row = state_.Candidates[static_cast<std::size_t>(c)];
            row[10] = i16(c);
            const int value = board_.cell(c).value();
            if (value != 0) {
                row[0] = 1;
                row[1] = i16(value);
                continue;
            }
            const std::uint32_t used = rowUsed[static_cast<std::size_t>(b)] | columnUsed[static_cast<std::size_t>(a)] |
                                       boxUsed[static_cast<std::size_t>(boxOf(c))];
            std::int16_t count = 0;
            for (int d = 1; d <= 9; ++d)
                if ((used & digitBit(d)) == 0) row[static_cast<std::size_t>(++count)] = i16(d);
            row[0] = count;
            if (count == 0) someCellWithout = true;
        }
    }
    return someCellWithout;
}

void Engine::sortTable() {
    // The exchange sort is run on the row numbers; exchanging rows whole gives the same order. Row 81
    // ends holding the row last moved through it, as the exchanges through the scratch row leave it.
    auto& table = state_.Candidates;
    std::array<std::uint8_t, kCellCount> order{};
    std::array<std::int16_t, kCellCount> key{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<std::uint8_t>(i);
        key[i] = table[i][0];
    }
    // At position i the inner loop keeps the smallest count met so far at i, exchanging at every
    // strictly smaller one; once i holds the smallest count of positions i..80 no exchange can follow,
    // so the loop stops there. `left` tallies the counts of positions i..80.
    std::array<int, 10> left{};
    bool tallied = true;
    for (const std::int16_t k : key) {
        if (k < 0 || k > 9) tallied = false;
        else ++left[static_cast<std::size_t>(k)];
    }
    int lastScratch = -1;
    for (std::size_t i = 0; i < 80; ++i) {
        int smallest = -32768;
        if (tallied)
            for (smallest = 0; left[static_cast<std::size_t>(smallest)] == 0;) ++smallest;
        std::int16_t least = key[i];
        for (std::size_t j = i + 1; j < 81 && least != smallest; ++j) {
            if (key[j] < least) {
                lastScratch = order[i];
                key[j] = std::exchange(key[i], key[j]);
                std::swap(order[i], order[j]);
                least = key[i];
            }
        }
        if (tallied) --left[static_cast<std::size_t>(key[i])];
    }
    if (lastScratch < 0) return;
    std::array<CandidateRow, kCellCount> rows{};
    std::copy_n(table.begin(), kCellCount, rows.begin());
    for (std::size_t i = 0; i < order.size(); ++i) table[i] = rows[order[i]];
    table[81] = rows[static_cast<std::size_t>(lastScratch)];
}

void Engine::逐一填入(std::int16_t& step, std::int16_t& abort) {
    searchNodeByNode(step, abort, UINT64_MAX);
}

bool Engine::searchNodeByNode(int step, std::int16_t& abort, std::uint64_t budget) {
    // An explicit stack in place of the recursion, with the consistency check kept incrementally. The
    // grid below the current step is always consistent, so a placement passes the whole-grid check
    // exactly when its digit is not yet in its row, column or box; the candidates of a step are
    // distinct ascending digits (as the table fill leaves them), so trying them in order is taking the
    // lowest remaining bit. The calls counted are the calls the recursive procedure makes.
    const int first = step;
    auto& grid = state_.Grid;
    const auto& table = state_.Candidates;
    calls_ = 0;
    abort = 0;
    if (first < 0 || first > 80) return true;

    // used[0..8] rows, used[9..17] columns, used[18..26] boxes.
    std::array<std::uint32_t, 27> used{};
    struct Step {
        std::uint8_t cell, row, column, box;
        std::uint32_t candidates;
    };
    std::array<Step, 81> steps{};
    std::array<std::uint32_t, 81> remaining{};
    std::array<bool, kCellCount> searched{};
    for (int s = first; s <= 80; ++s) {
        const CandidateRow& row = table[static_cast<std::size_t>(s)];
        const int c = row[10];
        std::uint32_t candidates = 0;
        for (int k = 1; k <= row[0] && k <= 9; ++k) candidates |= digitBit(row[static_cast<std::size_t>(k)]);
        const CellUnits& units = unitsOfCell(c);
        steps[static_cast<std::size_t>(s)] = {static_cast<std::uint8_t>(c), units[0], units[1], units[2],
                                              candidates & 0x3FEu};
        searched[static_cast<std::size_t>(c)] = true;
    }
    // Entries of cells the search does not own take part in every check.
    bool prefixConsistent = true;
    for (int c = 0; c < kCellCount; ++c) {
        const std::uint32_t bit = digitBit(grid[static_cast<std::size_t>(c)]);
        if (searched[static_cast<std::size_t>(c)] || bit == 0) continue;
        const CellUnits& units = unitsOfCell(c);
        const std::size_t r = units[0], k = units[1], b = units[2];
        if ((used[r] | used[k] | used[b]) & bit) prefixConsistent = false;
        used[r] |= bit;
        used[k] |= bit;
        used[b] |= bit;
    }
    if (!prefixConsistent) {
        // Every placement fails the whole-grid check: one call that tries each candidate and gives up.
        calls_ = 1;
        if (pump_.tick() == PumpResult::Unwind) { abort = -1; return true; }
        grid[steps[static_cast<std::size_t>(first)].cell] = 0;
        return true;
    }

    std::uint64_t calls = 0;
    std::size_t s = static_cast<std::size_t>(first);
    for (;;) {
        // Entering the call for step s.
        if (calls == budget) {
            calls_ = calls;
            return false;
        }
        ++calls;
        if (pump_.tick() == PumpResult::Unwind) {
            abort = -1;
            break;
        }
        const Step& entered = steps[s];
        remaining[s] = entered.candidates & ~(used[entered.row] | used[entered.column] | used[entered.box]);
        for (;;) {
            const Step& current = steps[s];
            const std::uint32_t left = remaining[s];
            if (left != 0) {
                const std::uint32_t bit = left & (0u - left);
                remaining[s] = left ^ bit;
                grid[current.cell] = static_cast<std::int16_t>(std::countr_zero(bit));
                if (s < 80) {
                    used[current.row] |= bit;
                    used[current.column] |= bit;
                    used[current.box] |= bit;
                    ++s;
                    break;  // enter the call for the next step
                }
                if (++state_.SolutionCount == 1) {
                    state_.FirstSolution = grid;
                    continue;
                }
                abort = -1;
                noteFirstDifference();
                calls_ = calls;
                return true;
            }
            // Candidates exhausted: this call returns to its caller, which takes back its placement.
            grid[current.cell] = 0;
            if (s == static_cast<std::size_t>(first)) {
                calls_ = calls;
                return true;
            }
            --s;
            const Step& parent = steps[s];
            const std::uint32_t bit = digitBit(grid[parent.cell]);
            used[parent.row] &= ~bit;
            used[parent.column] &= ~bit;
            used[parent.box] &= ~bit;
        }
    }
    calls_ = calls;
    return true;
}

void Engine::searchFromFirstStep(std::int16_t& abort) {
    if (method_ == SearchMethod::Exact) {
        std::int16_t step = 0;
        逐一填入(step, abort);
        return;
    }
    if (method_ == SearchMethod::Completions) {
        searchCompletions(abort);
        return;
    }
    // A small tree is walked node by node, which is exact by definition and cheaper than the fast
    // path's proofs; past the budget the walk is undone and the fast path takes over.
    const auto grid = state_.Grid, firstSolution = state_.FirstSolution, cellMark = state_.CellMark;
    const auto diffCell = state_.DiffCell;
    const std::int16_t solutionCount = state_.SolutionCount;
    if (searchNodeByNode(0, abort, kNodeByNodeBudget)) return;
    const std::uint64_t walked = calls_;
    state_.Grid = grid;
    state_.FirstSolution = firstSolution;
    state_.CellMark = cellMark;
    state_.DiffCell = diffCell;
    state_.SolutionCount = solutionCount;
    searchCompletions(abort);
    calls_ += walked;
}

void Engine::searchCompletions(std::int16_t& abort) {
    std::array<CompletionSearch::Step, kCellCount> steps{};
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const CandidateRow& row = state_.Candidates[s];
        std::uint32_t candidates = 0;
        for (int k = 1; k <= row[0] && k <= 9; ++k) candidates |= digitBit(row[static_cast<std::size_t>(k)]);
        steps[s] = {row[10], static_cast<CompletionSearch::Digits>(candidates & 0x3FEu)};
    }
    CompletionSearch search(steps, pump_, state_.Grid);
    const CompletionSearch::Result result = search.run();
    calls_ = result.nodes;
    abort = 0;
    if (result.interrupted) {
        abort = -1;
        return;
    }
    // What 逐一填入 leaves: every placement undone unless it stopped at a second solution, where Grid
    // holds that solution and the first difference is marked.
    state_.Grid.fill(0);
    if (result.count >= 1) {
        ++state_.SolutionCount;
        state_.FirstSolution = result.first;
    }
    if (result.count == 2) {
        ++state_.SolutionCount;
        state_.Grid = result.second;
        noteFirstDifference();
        abort = -1;
    }
}

void Engine::noteFirstDifference() {
    // Column by column: the first cell in which the second solution differs from the first.
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const int c = 9 * j + i;
            if (state_.FirstSolution[static_cast<std::size_t>(c)] != state_.Grid[static_cast<std::size_t>(c)]) {
                state_.DiffCell = {i16(c), i16(i), i16(j)};
                state_.CellMark[static_cast<std::size_t>(c)] = -1;
                return;
            }
        }
    }
}

void Engine::showGrid() {
    for (int c = 0; c < kCellCount; ++c) {
        Cell& cell = board_.cell(c);
        if (!cell.isGiven()) cell.setValue(state_.Grid[static_cast<std::size_t>(c)]);
    }
}

SolveReport Engine::SolveBoard(BoardSnapshot& snapshot) {
    SolveReport report;
    int retries = 0;
    for (;;) {
        state_.SolutionCount = 0;
        state_.Grid.fill(0);
        for (auto& row : state_.Candidates) row.fill(0);
        for (int i = 0; i < kCellCount; ++i) {
            state_.Candidates[static_cast<std::size_t>(i)][10] = i16(i);
            Cell& cell = board_.cell(i);
            if (!cell.isGiven()) cell.setValue(0);
        }
        if (fillTable()) {
            board_.message().show(BoardMessage::PuzzleError);
            report.puzzleError = true;
        } else {
            board_.message().hide();
        }
        sortTable();
        std::int16_t abort = 0;
        searchFromFirstStep(abort);
        report.calls[static_cast<std::size_t>(report.searches++)] = calls_;
        if (pump_.unwinding()) {
            report.verdict = SolveVerdict::Interrupted;
            return report;
        }
        if (state_.SolutionCount != 2) break;
        const int diff = state_.DiffCell[0];
        board_.cell(diff).makeGiven(state_.Grid[static_cast<std::size_t>(diff)]);
        report.added[static_cast<std::size_t>(report.addedCount++)] = diff;
        if (retries >= 3) break;
        ++retries;
    }

    report.verdict = state_.SolutionCount == 0   ? SolveVerdict::NoSolution
                     : state_.SolutionCount == 1 ? SolveVerdict::Unique
                                                 : SolveVerdict::Several;
    if (state_.GenerateFlag != 0) return report;

    switch (report.verdict) {
    case SolveVerdict::NoSolution: board_.message().show(BoardMessage::NoSolution); break;
    case SolveVerdict::Unique:
        board_.message().hide();
        state_.Grid = state_.FirstSolution;
        break;
    default: board_.message().show(BoardMessage::SeveralSolutions); break;
    }
    showGrid();
    for (int i = 0; i < kCellCount; ++i)
        snapshot[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(board_.cell(i).value());
    return report;
}

}  // namespace dodoru
