#include "carving.h"

#include <array>
#include <bit>
#include <vector>

#include "seededrandom.h"

namespace dodoru {

namespace {

using logic::DigitGrid;

// A number 0..n-1 from the draw's own sequence.
int below(SeededRandom& random, int n) {
    return static_cast<int>(random.nextBits() % static_cast<std::uint64_t>(n));
}

// Fills the grid by a search that takes the cell with fewest digits left and tries them in random order.
class GridFiller {
public:
    explicit GridFiller(SeededRandom& random) : random_(random) {}

    DigitGrid fill() {
        search();
        return grid_;
    }

private:
    unsigned open(int cell) const {
        return 0x3FEu & ~(rows_[static_cast<std::size_t>(rowOf(cell))] |
                          columns_[static_cast<std::size_t>(columnOf(cell))] |
                          boxes_[static_cast<std::size_t>(boxOf(cell))]);
    }

    void set(int cell, int digit, bool on) {
        const unsigned bit = 1u << digit;
        auto flip = [&](unsigned& mask) { mask = on ? mask | bit : mask & ~bit; };
        flip(rows_[static_cast<std::size_t>(rowOf(cell))]);
        flip(columns_[static_cast<std::size_t>(columnOf(cell))]);
        flip(boxes_[static_cast<std::size_t>(boxOf(cell))]);
        grid_[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(on ? digit : 0);
    }

    bool search() {
        int best = -1;
        int fewest = 10;
        for (int c = 0; c < 81; ++c) {
            if (grid_[static_cast<std::size_t>(c)] != 0) continue;
            const int count = std::popcount(open(c));
            if (count < fewest) {
                fewest = count;
                best = c;
                if (count <= 1) break;
            }
        }
        if (best < 0) return true;
        if (fewest == 0) return false;
        std::array<int, 9> digits{};
        int n = 0;
        for (unsigned left = open(best); left != 0; left &= left - 1) digits[static_cast<std::size_t>(n++)] = std::countr_zero(left);
        for (int i = n - 1; i > 0; --i) std::swap(digits[static_cast<std::size_t>(i)], digits[static_cast<std::size_t>(below(random_, i + 1))]);
        for (int i = 0; i < n; ++i) {
            set(best, digits[static_cast<std::size_t>(i)], true);
            if (search()) return true;
            set(best, digits[static_cast<std::size_t>(i)], false);
        }
        return false;
    }

    SeededRandom& random_;
    DigitGrid grid_{};
    std::array<unsigned, 9> rows_{}, columns_{}, boxes_{};
};

// Whether naked and hidden singles alone fill every cell. Singles are sound, so a puzzle they fill has
// one solution; and they never need a guess, so taking them in any order fills the same cells.
bool solvedBySingles(DigitGrid grid) {
    std::array<unsigned, 9> rows{}, columns{}, boxes{};
    int empty = 0;
    for (int c = 0; c < 81; ++c) {
        const unsigned bit = 1u << grid[static_cast<std::size_t>(c)];
        if (grid[static_cast<std::size_t>(c)] == 0) {
            ++empty;
            continue;
        }
        rows[static_cast<std::size_t>(rowOf(c))] |= bit;
        columns[static_cast<std::size_t>(columnOf(c))] |= bit;
        boxes[static_cast<std::size_t>(boxOf(c))] |= bit;
    }
    const auto open = [&](int c) {
        return 0x3FEu &
               ~(rows[static_cast<std::size_t>(rowOf(c))] | columns[static_cast<std::size_t>(columnOf(c))] |
                 boxes[static_cast<std::size_t>(boxOf(c))]);
    };
    const auto place = [&](int c, int digit) {
        const unsigned bit = 1u << digit;
        grid[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(digit);
        rows[static_cast<std::size_t>(rowOf(c))] |= bit;
        columns[static_cast<std::size_t>(columnOf(c))] |= bit;
        boxes[static_cast<std::size_t>(boxOf(c))] |= bit;
        --empty;
    };
    // The i-th cell of unit u: rows 0..8, columns 9..17, boxes 18..26.
    const auto cellOf = [](int u, int i) { return int{unitCells(u)[static_cast<std::size_t>(i)]}; };
    for (bool progress = true; progress && empty > 0;) {
        progress = false;
        for (int c = 0; c < 81; ++c) {
            if (grid[static_cast<std::size_t>(c)] != 0) continue;
            const unsigned digits = open(c);
            if (digits == 0) return false;
            if (std::popcount(digits) == 1) {
                place(c, std::countr_zero(digits));
                progress = true;
            }
        }
        for (int u = 0; u < 27; ++u) {
            unsigned once = 0, twice = 0, placed = 0;
            for (int i = 0; i < 9; ++i) {
                const int c = cellOf(u, i);
                if (grid[static_cast<std::size_t>(c)] != 0) {
                    placed |= 1u << grid[static_cast<std::size_t>(c)];
                    continue;
                }
                const unsigned digits = open(c);
                twice |= once & digits;
                once |= digits;
            }
            for (unsigned lone = once & ~twice & ~placed; lone != 0; lone &= lone - 1) {
                const int digit = std::countr_zero(lone);
                for (int i = 0; i < 9; ++i) {
                    const int c = cellOf(u, i);
                    if (grid[static_cast<std::size_t>(c)] == 0 && (open(c) & (1u << digit)) != 0) {
                        place(c, digit);
                        progress = true;
                        break;
                    }
                }
            }
        }
    }
    return empty == 0;
}

} // namespace

DigitGrid randomFullGrid(std::uint64_t seed) {
    SeededRandom random(seed);
    return GridFiller(random).fill();
}

std::optional<CarvedPuzzle> carvePuzzle(std::uint64_t seed, const RatingBounds& bounds,
                                        const std::function<bool()>& stop) {
    SeededRandom random(seed);
    CarvedPuzzle out;
    out.solution = GridFiller(random).fill();
    out.puzzle = out.solution;

    // Cells c and 80 - c; the centre (40) alone.
    std::array<int, 41> pairs{};
    for (int i = 0; i < 41; ++i) pairs[static_cast<std::size_t>(i)] = i;
    for (int i = 40; i > 0; --i) std::swap(pairs[static_cast<std::size_t>(i)], pairs[static_cast<std::size_t>(below(random, i + 1))]);

    // Every removal is checked for one solution. With an upper end the puzzle is rated too, but not
    // after every removal: removals are taken in runs of a few and the run is rated at its end; a run
    // that goes past the upper end is put back and taken again one removal at a time.
    const bool capped = bounds.most < kTopRating;
    bool rated = false; // out.rating is the rating of out.puzzle
    std::vector<int> run;
    const auto remove = [&out](int cell, bool gone) {
        out.puzzle[static_cast<std::size_t>(cell)] = gone ? 0 : out.solution[static_cast<std::size_t>(cell)];
        out.puzzle[static_cast<std::size_t>(80 - cell)] = gone ? 0 : out.solution[static_cast<std::size_t>(80 - cell)];
    };
    const auto unique = [&out] { return logic::checkPuzzle(out.puzzle).verdict == logic::PuzzleVerdict::Unique; };
    // Rates the puzzle; false, and the run put back, when it passes the upper end.
    const auto runHolds = [&] {
        const logic::Rating rating = logic::rate(out.puzzle);
        if (rating.ratingTenths > bounds.most) return false;
        out.rating = rating;
        rated = true;
        return true;
    };
    const auto endRun = [&] {
        if (run.empty() || runHolds()) {
            run.clear();
            return;
        }
        for (const int cell : run) remove(cell, false);
        for (const int cell : run) {
            remove(cell, true);
            if (!unique() || !runHolds()) remove(cell, false);
        }
        run.clear();
    };
    constexpr std::size_t kRun = 4;
    for (const int cell : pairs) {
        if (stop()) return std::nullopt;
        remove(cell, true);
        // Filled by singles: one solution and a rating of singles, below any upper end; not so once a
        // run is pending (the puzzle held more givens then and singles did not fill it).
        if (run.empty() && solvedBySingles(out.puzzle)) {
            rated = false;
            continue;
        }
        if (!unique()) {
            remove(cell, false);
            continue;
        }
        rated = false;
        if (!capped) continue;
        run.push_back(cell);
        if (run.size() == kRun) endRun();
    }
    if (capped) endRun();
    if (!rated) out.rating = logic::rate(out.puzzle);
    if (out.rating.ratingTenths < bounds.least) return std::nullopt;
    return out;
}

} // namespace dodoru
