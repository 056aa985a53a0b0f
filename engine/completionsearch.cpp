#include "completionsearch.h"

#include <bit>

namespace dodoru {

namespace {

using Digits = CompletionSearch::Digits;
constexpr Digits kAllDigits = 0x3FE;

// Digits in a set, looked up: the build targets processors without a population-count instruction.
constexpr std::array<std::uint8_t, 1024> makeDigitCounts() {
    std::array<std::uint8_t, 1024> counts{};
    for (std::size_t m = 1; m < counts.size(); ++m)
        counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
    return counts;
}
constexpr std::array<std::uint8_t, 1024> kDigitCounts = makeDigitCounts();

bool single(Digits d) {
    return (d & (d - 1)) == 0;
}
Digits bitOf(int digit) {
    return static_cast<Digits>(1u << digit);
}
Digits below(int digit) {
    return static_cast<Digits>(bitOf(digit) - 1u) & kAllDigits;
}
Digits above(int digit) {
    return static_cast<Digits>(~((bitOf(digit) << 1) - 1u)) & kAllDigits;
}
int digitOf(Digits single) {
    return std::countr_zero(static_cast<unsigned>(single));
}

} // namespace

bool CompletionSearch::tick() {
    ++nodes_;
    return pump_.tick() != PumpResult::Unwind;
}

// Takes every new single-digit cell out of its peers and places every digit that has one place left
// in a unit, until nothing changes. `pending` holds the cells that became single and `dirty` the units
// (bit u: rows 0-8, columns 9-17, boxes 18-26) whose cells changed since they were last looked at.
// False when some cell, or some digit of a unit, has no place left.
bool CompletionSearch::propagate(Marks& marks, Pending& pending, int pendingCount, std::uint32_t dirty) {
    auto& digits = marks.digits;
    for (;;) {
        while (pendingCount > 0) {
            const int c = pending[static_cast<std::size_t>(--pendingCount)];
            const Digits d = digits[static_cast<std::size_t>(c)];
            for (const std::uint8_t p : peersOf(c)) {
                Digits& other = digits[p];
                if ((other & d) == 0) continue;
                other = static_cast<Digits>(other & ~d);
                if (other == 0) return false;
                dirty |= unitMaskOf(p);
                if (single(other)) pending[static_cast<std::size_t>(pendingCount++)] = p;
            }
        }
        if (dirty == 0) return true;
        const int u = std::countr_zero(dirty);
        dirty &= dirty - 1;
        const auto& unit = unitCells(u);
        Digits once = 0, twice = 0;
        for (const std::uint8_t c : unit) {
            twice = static_cast<Digits>(twice | (once & digits[c]));
            once = static_cast<Digits>(once | digits[c]);
        }
        if (once != kAllDigits) return false;
        Digits hidden = static_cast<Digits>(once & ~twice);
        while (hidden != 0) {
            const Digits bit = static_cast<Digits>(hidden & (0u - hidden));
            hidden = static_cast<Digits>(hidden ^ bit);
            for (const std::uint8_t c : unit) {
                if ((digits[c] & bit) == 0) continue;
                if (digits[c] != bit) {
                    digits[c] = bit;
                    dirty |= unitMaskOf(c);
                    pending[static_cast<std::size_t>(pendingCount++)] = c;
                }
                break;
            }
        }
    }
}

bool CompletionSearch::settleAll(Marks& marks) {
    Pending pending;
    int count = 0;
    for (int c = 0; c < kCellCount; ++c) {
        const Digits d = marks.digits[static_cast<std::size_t>(c)];
        if (d == 0) return false;
        if (single(d)) pending[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(c);
    }
    return propagate(marks, pending, count, (1u << 27) - 1);
}

bool CompletionSearch::place(Marks& marks, int cell, Digits digit) {
    marks.digits[static_cast<std::size_t>(cell)] = digit;
    Pending pending;
    pending[0] = static_cast<std::uint8_t>(cell);
    return propagate(marks, pending, 1, unitMaskOf(cell));
}

bool CompletionSearch::complete(const Marks& marks, int limit) {
    if (!tick()) return false;
    // Branch on the cell with fewest digits left, the earliest step among equals.
    int branch = -1, fewest = 10;
    for (const Step& step : steps_) {
        const int n = kDigitCounts[marks.digits[static_cast<std::size_t>(step.cell)] & 0x3FFu];
        if (n > 1 && n < fewest) {
            branch = step.cell;
            fewest = n;
            if (n == 2) break;
        }
    }
    if (branch < 0) {
        Grid& grid = found_[static_cast<std::size_t>(foundCount_++)];
        for (int c = 0; c < kCellCount; ++c)
            grid[static_cast<std::size_t>(c)] =
                static_cast<std::int16_t>(digitOf(marks.digits[static_cast<std::size_t>(c)]));
        return true;
    }
    Digits left = marks.digits[static_cast<std::size_t>(branch)];
    while (left != 0) {
        const Digits bit = static_cast<Digits>(left & (0u - left));
        left = static_cast<Digits>(left ^ bit);
        Marks child = marks;
        if (!place(child, branch, bit)) continue;
        if (!complete(child, limit)) return false;
        if (foundCount_ >= limit) return true;
    }
    return true;
}

bool CompletionSearch::smallestWithCompletion(const Marks& marks, int cell, Digits digits, Grid& known) {
    // One digit at a time, ascending: no digit's proof of having no completion is made twice.
    while (digits != 0) {
        const Digits bit = static_cast<Digits>(digits & (0u - digits));
        digits = static_cast<Digits>(digits ^ bit);
        Marks placed = marks;
        foundCount_ = 0;
        if (place(placed, cell, bit) && !complete(placed, 1)) return false;
        if (foundCount_ > 0) {
            known = found_[0];
            return true;
        }
    }
    return true;
}

bool CompletionSearch::fixSmallest(int from, Marks marks, Grid& known) {
    for (int s = from; s < kCellCount; ++s) {
        if (!tick()) return false;
        const int cell = steps_[static_cast<std::size_t>(s)].cell;
        atStep_[static_cast<std::size_t>(s)] = marks;
        const Digits smaller = static_cast<Digits>(marks.digits[static_cast<std::size_t>(cell)] &
                                                   below(known[static_cast<std::size_t>(cell)]));
        if (!smallestWithCompletion(marks, cell, smaller, known)) return false;
        const int digit = known[static_cast<std::size_t>(cell)];
        if (marks.digits[static_cast<std::size_t>(cell)] != bitOf(digit))
            place(marks, cell, bitOf(digit)); // holds: `known` is a completion
        progress_[static_cast<std::size_t>(cell)] = static_cast<std::int16_t>(digit);
    }
    return true;
}

CompletionSearch::Result CompletionSearch::run() {
    Result result;
    auto interrupted = [&] {
        result.interrupted = true;
        result.nodes = nodes_;
        return result;
    };
    Marks root;
    root.digits.fill(0);
    for (const Step& step : steps_)
        root.digits[static_cast<std::size_t>(step.cell)] = static_cast<Digits>(step.candidates & kAllDigits);

    // How many completions, up to two.
    foundCount_ = 0;
    if (settleAll(root) && !complete(root, 2)) return interrupted();
    result.count = foundCount_;
    if (foundCount_ == 1) result.first = found_[0];
    if (foundCount_ < 2) {
        result.nodes = nodes_;
        return result;
    }

    // The first: start from the earlier of the two completions found.
    Grid known = found_[0];
    for (const Step& step : steps_) {
        const auto c = static_cast<std::size_t>(step.cell);
        if (found_[0][c] != found_[1][c]) {
            if (found_[1][c] < found_[0][c]) known = found_[1];
            break;
        }
    }
    if (!fixSmallest(0, root, known)) return interrupted();
    result.first = known;

    // The second: the deepest step where a larger digit has a completion with the steps above fixed.
    for (int s = kCellCount - 1; s >= 0; --s) {
        if (!tick()) return interrupted();
        const int cell = steps_[static_cast<std::size_t>(s)].cell;
        const Marks& before = atStep_[static_cast<std::size_t>(s)];
        const Digits larger = static_cast<Digits>(before.digits[static_cast<std::size_t>(cell)] &
                                                  above(result.first[static_cast<std::size_t>(cell)]));
        progress_[static_cast<std::size_t>(cell)] = 0;
        if (larger == 0) continue;
        Grid next{};
        if (!smallestWithCompletion(before, cell, larger, next)) return interrupted();
        if (next[static_cast<std::size_t>(cell)] == 0) continue;
        Marks marks = before;
        place(marks, cell, bitOf(next[static_cast<std::size_t>(cell)]));
        progress_[static_cast<std::size_t>(cell)] = next[static_cast<std::size_t>(cell)];
        if (!fixSmallest(s + 1, marks, next)) return interrupted();
        result.second = next;
        result.nodes = nodes_;
        return result;
    }
    // Unreachable: a second completion exists, and it is larger than the first at some step.
    result.count = 1;
    result.nodes = nodes_;
    return result;
}

} // namespace dodoru
