// Patterns of a few cells: XY-wing, XYZ-wing, W-wing, unique rectangle type 1 and simple colouring.
#include <algorithm>
#include <bit>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

bool listedIn(const std::vector<int>& cells, int cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

// Removes `d` from every cell that sees all of `targets` and is not one of `besides`.
void eliminateSeeingAll(const Scan& scan, int d, const std::vector<int>& targets,
                        const std::vector<int>& besides, Step& step) {
    for (const int c : peersOf(targets.front())) {
        if (listedIn(besides, c) || !scan.position.has(c, d)) continue;
        if (std::all_of(targets.begin(), targets.end(), [&](int t) { return t == c || sees(c, t); }) &&
            !listedIn(targets, c))
            step.eliminations.push_back({c, d});
    }
}

std::vector<int> cellsWithCount(const Position& position, int count) {
    std::vector<int> cells;
    for (int c = 0; c < kCellCount; ++c)
        if (position.digit(c) == 0 && digitCount(position.candidates(c)) == count) cells.push_back(c);
    return cells;
}

} // namespace

std::optional<Step> findXYWing(const Scan& scan) {
    const Position& p = scan.position;
    const std::vector<int> pairs = cellsWithCount(p, 2);
    for (const int pivot : pairs) {
        const Digits xy = p.candidates(pivot);
        for (const int a : pairs) {
            const Digits az = p.candidates(a);
            if (!sees(pivot, a) || digitCount(az & xy) != 1) continue;
            const Digits z = az & static_cast<Digits>(~xy);
            const Digits y = xy & static_cast<Digits>(~az);
            for (const int b : pairs) {
                if (b == a || !sees(pivot, b) || p.candidates(b) != (y | z)) continue;
                const int d = lowestDigit(z);
                Step step{Technique::XYWing, {}, {pivot, a, b}, static_cast<Digits>(xy | z), {}, {}};
                eliminateSeeingAll(scan, d, {a, b}, {pivot}, step);
                if (auto found = finished(step)) return found;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findXYZWing(const Scan& scan) {
    const Position& p = scan.position;
    const std::vector<int> pairs = cellsWithCount(p, 2);
    for (const int pivot : cellsWithCount(p, 3)) {
        const Digits xyz = p.candidates(pivot);
        for (const int a : pairs) {
            if (!sees(pivot, a) || (p.candidates(a) & ~xyz) != 0) continue;
            for (const int b : pairs) {
                if (b <= a || !sees(pivot, b) || (p.candidates(b) & ~xyz) != 0) continue;
                const Digits z = p.candidates(a) & p.candidates(b);
                if (digitCount(z) != 1 || (p.candidates(a) | p.candidates(b)) != xyz) continue;
                Step step{Technique::XYZWing, {}, {pivot, a, b}, xyz, {}, {}};
                eliminateSeeingAll(scan, lowestDigit(z), {pivot, a, b}, {}, step);
                if (auto found = finished(step)) return found;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findWWing(const Scan& scan) {
    const Position& p = scan.position;
    const std::vector<int> pairs = cellsWithCount(p, 2);
    for (std::size_t i = 0; i < pairs.size(); ++i)
        for (std::size_t j = i + 1; j < pairs.size(); ++j) {
            const int first = pairs[i], second = pairs[j];
            const Digits xy = p.candidates(first);
            if (p.candidates(second) != xy || sees(first, second)) continue;
            for (Digits link = xy; link != 0; link &= static_cast<Digits>(link - 1)) {
                const int x = lowestDigit(link);
                const int y = lowestDigit(static_cast<Digits>(xy & ~digitBit(x)));
                for (int u = 0; u < kUnitCount; ++u) {
                    const unsigned mask = scan.where[at(u)][at(x)];
                    if (std::popcount(mask) != 2) continue;
                    const int e1 = unitCells(u)[at(std::countr_zero(mask))];
                    const int e2 = unitCells(u)[at(31 - std::countl_zero(mask))];
                    if (e1 == first || e1 == second || e2 == first || e2 == second) continue;
                    // One end of the strong link on x sees each bivalue cell: one of them is y.
                    if (!((sees(e1, first) && sees(e2, second)) || (sees(e2, first) && sees(e1, second))))
                        continue;
                    Step step{Technique::WWing, unitOf(u), {first, second, e1, e2}, xy, {}, {}};
                    eliminateSeeingAll(scan, y, {first, second}, {}, step);
                    if (auto found = finished(step)) return found;
                }
            }
        }
    return std::nullopt;
}

std::optional<Step> findUniqueRectangle(const Scan& scan) {
    if (!scan.uniqueSolution) return std::nullopt;
    const Position& p = scan.position;
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    // Two boxes exactly: the rows in one band or the columns in one stack, not both.
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;
                    const std::array<int, 4> corners = {9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1, 9 * r2 + c2};
                    int extra = -1;
                    Digits pair = 0;
                    int bivalue = 0;
                    for (const int c : corners) {
                        if (p.digit(c) != 0) break;
                        if (digitCount(p.candidates(c)) == 2) {
                            if (pair != 0 && pair != p.candidates(c)) break;
                            pair = p.candidates(c);
                            ++bivalue;
                        } else {
                            extra = c;
                        }
                    }
                    if (bivalue != 3 || extra < 0 || (p.candidates(extra) & pair) != pair) continue;
                    // The four corners holding only the pair would let its two digits swap: a second
                    // solution. So the fourth corner holds neither.
                    Step step{Technique::UniqueRectangle, {}, {corners.begin(), corners.end()}, pair, {}, {}};
                    for (Digits ds = pair; ds != 0; ds &= static_cast<Digits>(ds - 1))
                        step.eliminations.push_back({extra, lowestDigit(ds)});
                    if (auto found = finished(step)) return found;
                }
    return std::nullopt;
}

std::optional<Step> findSimpleColouring(const Scan& scan) {
    const Position& p = scan.position;
    for (int d = 1; d <= 9; ++d) {
        // The conjugate pairs of d: units where it has exactly two places.
        std::array<std::vector<int>, kCellCount> links;
        for (int u = 0; u < kUnitCount; ++u) {
            const unsigned mask = scan.where[at(u)][at(d)];
            if (std::popcount(mask) != 2) continue;
            const int a = unitCells(u)[at(std::countr_zero(mask))];
            const int b = unitCells(u)[at(31 - std::countl_zero(mask))];
            links[at(a)].push_back(b);
            links[at(b)].push_back(a);
        }
        std::array<int, kCellCount> colour; // 0 or 1 within its chain, -1 when in none
        std::array<int, kCellCount> chainOf;
        colour.fill(-1);
        chainOf.fill(-1);
        for (int start = 0; start < kCellCount; ++start) {
            if (colour[at(start)] >= 0 || links[at(start)].empty()) continue;
            std::vector<int> chain = {start};
            colour[at(start)] = 0;
            chainOf[at(start)] = start;
            for (std::size_t next = 0; next < chain.size(); ++next)
                for (const int o : links[at(chain[next])])
                    if (colour[at(o)] < 0) {
                        colour[at(o)] = 1 - colour[at(chain[next])];
                        chainOf[at(o)] = start;
                        chain.push_back(o);
                    }
            if (chain.size() < 3) continue;
            Step step{Technique::SimpleColouring, {}, chain, digitBit(d), {}, {}};
            // Two cells of one colour that see each other: that colour is false throughout.
            for (int wrong = 0; wrong < 2 && step.eliminations.empty(); ++wrong)
                for (const int a : chain)
                    for (const int b : chain)
                        if (a < b && colour[at(a)] == wrong && colour[at(b)] == wrong && sees(a, b)) {
                            for (const int c : chain)
                                if (colour[at(c)] == wrong) step.eliminations.push_back({c, d});
                        }
            // A cell outside the chain that sees both colours cannot hold d.
            if (step.eliminations.empty())
                for (int c = 0; c < kCellCount; ++c) {
                    if (chainOf[at(c)] == start || !p.has(c, d)) continue;
                    bool seesColour[2] = {false, false};
                    for (const int o : chain)
                        if (sees(c, o)) seesColour[colour[at(o)] == 0 ? 0 : 1] = true;
                    if (seesColour[0] && seesColour[1]) step.eliminations.push_back({c, d});
                }
            if (auto found = finished(step)) return found;
        }
    }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
