// Patterns of a few cells: XY-wing, XYZ-wing, W-wing, WXYZ-wing, unique rectangles (types 1, 2 and 4),
// BUG+1 and simple colouring.
#include <algorithm>
#include <bit>
#include <span>

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

// Calls `visit(corners)`, corners r1c1, r1c2, r2c1, r2c2, for each rectangle of empty cells in exactly
// two boxes (its rows in one band or its columns in one stack, not both), rows before columns in order,
// until it gives a step.
template <typename Visit> std::optional<Step> forEachTwoBoxRectangle(const Position& p, Visit&& visit) {
    std::array<unsigned, 9> emptyColumns{}; // per row
    for (int c = 0; c < kCellCount; ++c)
        if (p.digit(c) == 0) emptyColumns[at(rowOf(c))] |= 1u << columnOf(c);
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const unsigned columns = (1u << c1) | (1u << c2);
                    if ((emptyColumns[at(r1)] & emptyColumns[at(r2)] & columns) != columns) continue;
                    if ((bandOf(r1) == bandOf(r2)) == (stackOf(c1) == stackOf(c2))) continue;
                    const std::array<int, 4> corners = {cellAt(r1, c1), cellAt(r1, c2), cellAt(r2, c1),
                                                        cellAt(r2, c2)};
                    if (auto step = visit(corners)) return step;
                }
    return std::nullopt;
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
                const int x = lowestDigit(static_cast<Digits>(az & xy));
                Step step{Technique::XYWing, {}, {pivot, a, b}, static_cast<Digits>(xy | z), {}, {}};
                step.linkDigit = d;
                step.chain = {node(a, d, false), node(a, x, true), node(pivot, x, false),
                              node(pivot, lowestDigit(y), true), node(b, lowestDigit(y), false), node(b, d, true)};
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
                step.linkDigit = lowestDigit(z);
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
                    if (placeCount(mask) != 2) continue;
                    const int e1 = unitCells(u)[at(std::countr_zero(mask))];
                    const int e2 = unitCells(u)[at(31 - std::countl_zero(mask))];
                    if (e1 == first || e1 == second || e2 == first || e2 == second) continue;
                    // One end of the strong link on x sees each bivalue cell: one of them is y.
                    if (!((sees(e1, first) && sees(e2, second)) || (sees(e2, first) && sees(e1, second))))
                        continue;
                    Step step{Technique::WWing, unitOf(u), {first, second, e1, e2}, xy, {}, {}};
                    step.linkDigit = x;
                    const bool straight = sees(e1, first) && sees(e2, second);
                    step.chain = {node(first, y, false), node(first, x, true), node(straight ? e1 : e2, x, false),
                                  node(straight ? e2 : e1, x, true), node(second, x, false), node(second, y, true)};
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
    return forEachTwoBoxRectangle(p, [&](const std::array<int, 4>& corners) -> std::optional<Step> {
        int extra = -1;
        Digits pair = 0;
        int bivalue = 0;
        for (const int c : corners) {
            if (digitCount(p.candidates(c)) == 2) {
                if (pair != 0 && pair != p.candidates(c)) break;
                pair = p.candidates(c);
                ++bivalue;
            } else {
                extra = c;
            }
        }
        if (bivalue != 3 || extra < 0 || (p.candidates(extra) & pair) != pair) return std::nullopt;
        // The four corners holding only the pair would let its two digits swap: a second
        // solution. So the fourth corner holds neither.
        Step step{Technique::UniqueRectangle, {}, {corners.begin(), corners.end()}, pair, {}, {}};
        for (Digits ds = pair; ds != 0; ds &= static_cast<Digits>(ds - 1))
            step.eliminations.push_back({extra, lowestDigit(ds)});
        return finished(step);
    });
}

std::optional<Step> findSimpleColouring(const Scan& scan) {
    const Position& p = scan.position;
    for (int d = 1; d <= 9; ++d) {
        // The conjugate pairs of d: units where it has exactly two places.
        std::array<std::vector<int>, kCellCount> links;
        for (int u = 0; u < kUnitCount; ++u) {
            const unsigned mask = scan.where[at(u)][at(d)];
            if (placeCount(mask) != 2) continue;
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
            for (const int c : chain) step.colours[at(colour[at(c)])].push_back(c);
            // Two cells of one colour that see each other: that colour is false throughout.
            for (int wrong = 0; wrong < 2 && step.eliminations.empty(); ++wrong)
                for (const int a : chain)
                    for (const int b : chain)
                        if (a < b && colour[at(a)] == wrong && colour[at(b)] == wrong && sees(a, b) &&
                            step.eliminations.empty()) {
                            step.colourRule = ColourRule::Wrap;
                            for (const int c : chain)
                                if (colour[at(c)] == wrong) step.eliminations.push_back({c, d});
                        }
            // A cell outside the chain that sees both colours cannot hold d.
            if (step.eliminations.empty())
                for (int c = 0; c < kCellCount; ++c) {
                    if (chainOf[at(c)] == start || !p.has(c, d)) continue;
                    int seen[2] = {-1, -1};
                    for (const int o : chain)
                        if (sees(c, o) && seen[colour[at(o)]] < 0) seen[colour[at(o)]] = o;
                    if (seen[0] < 0 || seen[1] < 0) continue;
                    step.eliminations.push_back({c, d});
                    if (step.chain.empty()) {
                        // The chain from the one colour to the other along the strong links.
                        step.colourRule = ColourRule::Trap;
                        std::array<int, kCellCount> from;
                        from.fill(-2);
                        from[at(seen[0])] = -1;
                        std::vector<int> queue = {seen[0]};
                        for (std::size_t q = 0; q < queue.size(); ++q)
                            for (const int o : links[at(queue[q])])
                                if (from[at(o)] == -2) {
                                    from[at(o)] = queue[q];
                                    queue.push_back(o);
                                }
                        std::vector<int> path;
                        for (int o = seen[1]; o >= 0; o = from[at(o)]) path.push_back(o);
                        std::reverse(path.begin(), path.end());
                        for (std::size_t i = 0; i < path.size(); ++i) step.chain.push_back(node(path[i], d, i % 2 == 1));
                    }
                }
            if (auto found = finished(step)) return found;
        }
    }
    return std::nullopt;
}

namespace {

// Calls `visit(floor, roof, pair)` for each rectangle of four empty cells in two boxes whose two floor
// corners (in one row or one column) hold just the same two digits and whose roof corners hold both.
template <typename Visit> std::optional<Step> forEachRectangle(const Scan& scan, Visit&& visit) {
    const Position& p = scan.position;
    return forEachTwoBoxRectangle(p, [&](const std::array<int, 4>& square) -> std::optional<Step> {
        // The corners as a cycle: r1c1, r1c2, r2c2, r2c1.
        const std::array<int, 4> corners = {square[0], square[1], square[3], square[2]};
        // Floors: two neighbouring corners of the cycle.
        for (int i = 0; i < 4; ++i) {
            const std::array<int, 2> floor = {corners[at(i)], corners[at((i + 1) % 4)]};
            const std::array<int, 2> roof = {corners[at((i + 3) % 4)], corners[at((i + 2) % 4)]};
            const Digits pair = p.candidates(floor[0]);
            if (digitCount(pair) != 2 || p.candidates(floor[1]) != pair) continue;
            if ((p.candidates(roof[0]) & pair) != pair || (p.candidates(roof[1]) & pair) != pair) continue;
            if (p.candidates(roof[0]) == pair || p.candidates(roof[1]) == pair) continue;
            if (auto step = visit(floor, roof, pair)) return step;
        }
        return std::nullopt;
    });
}

Step rectangleStep(Technique technique, const std::array<int, 2>& floor, const std::array<int, 2>& roof,
                   Digits pair) {
    return Step{technique, {}, {floor[0], floor[1], roof[0], roof[1]}, pair, {}, {}};
}

} // namespace

std::optional<Step> findUniqueRectangle2(const Scan& scan) {
    if (!scan.uniqueSolution) return std::nullopt;
    const Position& p = scan.position;
    return forEachRectangle(scan, [&](const std::array<int, 2>& floor, const std::array<int, 2>& roof,
                                      Digits pair) -> std::optional<Step> {
        // Both roof corners hold the pair and one same extra digit: the extra is in one of them.
        const Digits extra = static_cast<Digits>(p.candidates(roof[0]) & ~pair);
        if (digitCount(extra) != 1 || p.candidates(roof[1]) != p.candidates(roof[0])) return std::nullopt;
        Step step = rectangleStep(Technique::UniqueRectangle2, floor, roof, pair);
        step.digits |= extra;
        step.linkDigit = lowestDigit(extra);
        eliminateSeeingAll(scan, lowestDigit(extra), {roof[0], roof[1]}, {floor[0], floor[1]}, step);
        return finished(step);
    });
}

std::optional<Step> findUniqueRectangle4(const Scan& scan) {
    if (!scan.uniqueSolution) return std::nullopt;
    return forEachRectangle(scan, [&](const std::array<int, 2>& floor, const std::array<int, 2>& roof,
                                      Digits pair) -> std::optional<Step> {
        // One digit of the pair has no other place than the roof in a unit of both roof corners: the
        // other digit of the pair cannot be in the roof.
        for (const int u : unitsOfCell(roof[0])) {
            const auto& cells = unitCells(u);
            if (std::find(cells.begin(), cells.end(), roof[1]) == cells.end()) continue;
            for (Digits ds = pair; ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                const int a = lowestDigit(ds);
                const int b = lowestDigit(static_cast<Digits>(pair & ~digitBit(a)));
                if (placeCount(scan.where[at(u)][at(a)]) != 2) continue;
                Step step = rectangleStep(Technique::UniqueRectangle4, floor, roof, pair);
                step.unit = unitOf(u);
                step.linkDigit = a;
                step.eliminations = {{roof[0], b}, {roof[1], b}};
                if (auto found = finished(step)) return found;
            }
        }
        return std::nullopt;
    });
}

std::optional<Step> findBugPlusOne(const Scan& scan) {
    if (!scan.uniqueSolution) return std::nullopt;
    const Position& p = scan.position;
    // Every empty cell holds two candidates but one that holds three.
    int odd = -1;
    for (int c = 0; c < kCellCount; ++c) {
        if (p.digit(c) != 0) continue;
        const int count = digitCount(p.candidates(c));
        if (count == 2) continue;
        if (count != 3 || odd >= 0) return std::nullopt;
        odd = c;
    }
    if (odd < 0) return std::nullopt;
    // Without the odd cell's extra digit every digit would have two places in every unit: a deadly
    // pattern. The extra digit is the one with three places in the odd cell's units.
    for (Digits ds = p.candidates(odd); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
        const int d = lowestDigit(ds);
        bool fits = true;
        for (int u = 0; u < kUnitCount && fits; ++u) {
            const bool mine = unitsOfCell(odd)[0] == u || unitsOfCell(odd)[1] == u || unitsOfCell(odd)[2] == u;
            for (int e = 1; e <= 9 && fits; ++e) {
                const int places = placeCount(scan.where[at(u)][at(e)]);
                if (places == 0) continue;
                fits = places == (mine && e == d ? 3 : 2);
            }
        }
        if (fits) return Step{Technique::BugPlusOne, {}, {odd}, digitBit(d), {{odd, d}}, {}};
    }
    return std::nullopt;
}

std::optional<Step> findWXYZWing(const Scan& scan) {
    const Position& p = scan.position;
    const std::array<CellSet, 10> places = digitPlaces(p);
    // The step of the pivot and three wings with four digits between them, when it removes something.
    const auto wingStep = [&](const std::array<int, 4>& cells, Digits all) -> std::optional<Step> {
        // Exactly one digit whose cells do not all see each other: the four cells need four digits, so
        // that digit is in one of its cells. Such a digit is one that two cells apart both hold.
        Digits apart = 0;
        for (std::size_t a = 0; a < cells.size(); ++a)
            for (std::size_t b = a + 1; b < cells.size(); ++b)
                if (!sees(cells[a], cells[b]))
                    apart |= static_cast<Digits>(p.candidates(cells[a]) & p.candidates(cells[b]));
        if (digitCount(apart) != 1) return std::nullopt;
        const int loose = lowestDigit(apart);
        // What goes: the loose digit wherever it sees each of the cells that hold it.
        CellSet targets = places[at(loose)];
        for (const int c : cells) {
            if (p.has(c, loose)) targets &= peerSets()[at(c)];
            targets.reset(at(c));
        }
        if (targets.none()) return std::nullopt;
        Step step{Technique::WXYZWing, {}, {cells.begin(), cells.end()}, all, {}, {}};
        step.linkDigit = loose;
        for (int c = 0; c < kCellCount; ++c)
            if (targets.test(at(c))) step.eliminations.push_back({c, loose});
        return finished(step);
    };
    for (int pivot = 0; pivot < kCellCount; ++pivot) {
        const Digits mine = p.candidates(pivot);
        if (p.digit(pivot) != 0 || digitCount(mine) < 2 || digitCount(mine) > 4) continue;
        std::array<int, kPeerCount> wings{};
        int wingCount = 0;
        for (const int c : peersOf(pivot)) {
            const Digits theirs = p.candidates(c);
            if (p.digit(c) == 0 && digitCount(theirs) >= 2 && digitCount(static_cast<Digits>(theirs | mine)) <= 4)
                wings[at(wingCount++)] = c;
        }
        // Three wings in the order of the peers; two wings that already bring a fifth digit take no third.
        for (int i = 0; i < wingCount; ++i)
            for (int j = i + 1; j < wingCount; ++j) {
                const Digits two = mine | p.candidates(wings[at(i)]) | p.candidates(wings[at(j)]);
                if (digitCount(two) > 4) continue;
                for (int k = j + 1; k < wingCount; ++k) {
                    const Digits all = two | p.candidates(wings[at(k)]);
                    if (digitCount(all) != 4) continue;
                    if (auto step = wingStep({pivot, wings[at(i)], wings[at(j)], wings[at(k)]}, all))
                        return step;
                }
            }
    }
    return std::nullopt;
}

} // namespace dodoru::logic::detail

namespace dodoru::logic::detail {

std::optional<Step> findMedusa(const Scan& scan) {
    const Position& p = scan.position;
    constexpr int kCandidates = kCellCount * 9;
    const auto candidate = [](int cell, int d) { return cell * 9 + d - 1; };
    // The strong links between candidates: the two of a bivalue cell, the two places of a digit in a unit.
    // A candidate has four at most: the other one of its cell and one in each of its units.
    std::array<std::array<int, 4>, kCandidates> links;
    std::array<int, kCandidates> linkCount{};
    const auto linksOf = [&](int n) {
        return std::span<const int>(links[at(n)].data(), at(linkCount[at(n)]));
    };
    const auto link = [&](int a, int b) {
        links[at(a)][at(linkCount[at(a)]++)] = b;
        links[at(b)][at(linkCount[at(b)]++)] = a;
    };
    for (int c = 0; c < kCellCount; ++c)
        if (p.digit(c) == 0 && digitCount(p.candidates(c)) == 2) {
            const int a = lowestDigit(p.candidates(c));
            const int b = lowestDigit(static_cast<Digits>(p.candidates(c) & ~digitBit(a)));
            link(candidate(c, a), candidate(c, b));
        }
    for (int u = 0; u < kUnitCount; ++u)
        for (int d = 1; d <= 9; ++d) {
            const unsigned mask = scan.where[at(u)][at(d)];
            if (placeCount(mask) != 2) continue;
            const int a = candidate(unitCells(u)[at(std::countr_zero(mask))], d);
            const int b = candidate(unitCells(u)[at(31 - std::countl_zero(mask))], d);
            const std::span<const int> known = linksOf(a);
            if (std::find(known.begin(), known.end(), b) == known.end()) link(a, b);
        }
    std::array<int, kCandidates> colour;
    std::array<int, kCandidates> clusterOf; // the candidate its cluster started from
    colour.fill(-1);
    clusterOf.fill(-1);
    std::vector<int> cluster;
    for (int start = 0; start < kCandidates; ++start) {
        if (colour[at(start)] >= 0 || linkCount[at(start)] == 0) continue;
        cluster.assign(1, start);
        colour[at(start)] = 0;
        clusterOf[at(start)] = start;
        for (std::size_t next = 0; next < cluster.size(); ++next)
            for (const int o : linksOf(cluster[next]))
                if (colour[at(o)] < 0) {
                    colour[at(o)] = 1 - colour[at(cluster[next])];
                    clusterOf[at(o)] = start;
                    cluster.push_back(o);
                }
        Digits digits = 0;
        for (const int n : cluster) digits |= digitBit(n % 9 + 1);
        if (digitCount(digits) < 2) continue; // one digit: simple colouring
        const auto coloured = [&](int cell, int d) {
            const int n = candidate(cell, d);
            return p.has(cell, d) && clusterOf[at(n)] == start ? colour[at(n)] : -1;
        };
        // A colour that puts two digits in one cell, or one digit twice in a unit, is false.
        int wrong = -1;
        for (int w = 0; w < 2 && wrong < 0; ++w) {
            std::array<Digits, kCellCount> inCell{};
            std::array<Digits, kUnitCount> inUnit{};
            for (const int n : cluster) {
                if (colour[at(n)] != w) continue;
                const int cell = n / 9;
                const Digits bit = digitBit(n % 9 + 1);
                bool clash = inCell[at(cell)] != 0;
                inCell[at(cell)] |= bit;
                for (const int u : unitsOfCell(cell)) {
                    clash = clash || (inUnit[at(u)] & bit) != 0;
                    inUnit[at(u)] |= bit;
                }
                if (clash) wrong = w;
            }
        }
        // Else an uncoloured candidate that is false whichever colour is true: it sees both colours of
        // its digit, its cell holds both colours, or its cell holds one colour and it sees its digit in
        // the other. The first one found goes, with the chain between the two colours it meets.
        // Where each colour lies: the cells of each digit, and the digits of each cell.
        std::array<std::array<CellSet, 10>, 2> colourCells{};
        std::array<std::array<Digits, kCellCount>, 2> colourDigits{};
        for (const int n : cluster) {
            colourCells[at(colour[at(n)])][at(n % 9 + 1)].set(at(n / 9));
            colourDigits[at(colour[at(n)])][at(n / 9)] |= digitBit(n % 9 + 1);
        }
        CellDigit trapped;
        int from = -1, to = -1;
        for (int c = 0; c < kCellCount && wrong < 0 && from < 0; ++c)
            for (Digits ds = p.candidates(c); ds != 0 && from < 0; ds &= static_cast<Digits>(ds - 1)) {
                const int d = lowestDigit(ds);
                if (coloured(c, d) >= 0) continue;
                const bool sees0 = (peerSets()[at(c)] & colourCells[0][at(d)]).any();
                const bool sees1 = (peerSets()[at(c)] & colourCells[1][at(d)]).any();
                const bool holds0 = colourDigits[0][at(c)] != 0, holds1 = colourDigits[1][at(c)] != 0;
                if (!((sees0 && sees1) || (holds0 && holds1) || (holds0 && sees1) || (holds1 && sees0)))
                    continue;
                std::array<int, 2> here{-1, -1}, there{-1, -1}; // a candidate of each colour in the cell, and seen
                for (Digits es = p.candidates(c); es != 0; es &= static_cast<Digits>(es - 1)) {
                    const int k = coloured(c, lowestDigit(es));
                    if (k >= 0) here[at(k)] = candidate(c, lowestDigit(es));
                }
                for (const int o : peersOf(c)) {
                    const int k = coloured(o, d);
                    if (k >= 0 && there[at(k)] < 0) there[at(k)] = candidate(o, d);
                }
                if (there[0] >= 0 && there[1] >= 0) from = there[0], to = there[1];
                else if (here[0] >= 0 && here[1] >= 0) from = here[0], to = here[1];
                else if (here[0] >= 0 && there[1] >= 0) from = here[0], to = there[1];
                else if (here[1] >= 0 && there[0] >= 0) from = here[1], to = there[0];
                if (from >= 0) trapped = {c, d};
            }
        if (wrong < 0 && from < 0) continue;
        Step step{Technique::Medusa3D, {}, {}, digits, {}, {}};
        for (const int n : cluster) {
            step.cells.push_back(n / 9);
            step.candidateColours[at(colour[at(n)])].push_back({n / 9, n % 9 + 1});
        }
        if (wrong >= 0) {
            step.colourRule = ColourRule::Wrap;
            for (const int n : cluster)
                if (colour[at(n)] == wrong) step.eliminations.push_back({n / 9, n % 9 + 1});
        } else {
            step.colourRule = ColourRule::Trap;
            step.eliminations.push_back(trapped);
            // The chain from one candidate to the other of the other colour, along the strong links.
            std::array<int, kCandidates> back;
            back.fill(-2);
            back[at(from)] = -1;
            std::vector<int> queue = {from};
            for (std::size_t q = 0; q < queue.size(); ++q)
                for (const int o : linksOf(queue[q]))
                    if (back[at(o)] == -2) {
                        back[at(o)] = queue[q];
                        queue.push_back(o);
                    }
            std::vector<int> path;
            for (int n = to; n >= 0; n = back[at(n)]) path.push_back(n);
            std::reverse(path.begin(), path.end());
            for (std::size_t i = 0; i < path.size(); ++i)
                step.chain.push_back(node(path[i] / 9, path[i] % 9 + 1, i % 2 == 1));
        }
        return finished(step);
    }
    return std::nullopt;
}

} // namespace dodoru::logic::detail

namespace dodoru::logic::detail {

std::optional<Step> findHiddenRectangle(const Scan& scan) {
    if (!scan.uniqueSolution) return std::nullopt;
    const Position& p = scan.position;
    return forEachTwoBoxRectangle(p, [&](const std::array<int, 4>& corners) -> std::optional<Step> {
        for (int i = 0; i < 4; ++i) {
            // A bivalue corner, and the corner across from it.
            const int floor = corners[at(i)], across = corners[at(3 - i)];
            const Digits pair = p.candidates(floor);
            if (p.digit(floor) != 0 || digitCount(pair) != 2) continue;
            bool all = true;
            for (const int c : corners) all = all && (p.candidates(c) & pair) == pair;
            if (!all) continue;
            for (Digits xs = pair; xs != 0; xs &= static_cast<Digits>(xs - 1)) {
                const int x = lowestDigit(xs);
                const int y = lowestDigit(static_cast<Digits>(pair & ~digitBit(x)));
                // x has no other place in the far corner's row and column than the rectangle: were
                // the far corner y, x would fill the two corners beside it and the pair the rest,
                // free to swap.
                if (placeCount(scan.where[at(rowOf(across))][at(x)]) != 2 ||
                    placeCount(scan.where[at(9 + columnOf(across))][at(x)]) != 2)
                    continue;
                Step step{Technique::HiddenRectangle, {}, {corners.begin(), corners.end()}, pair, {}, {{across, y}}};
                step.linkDigit = x;
                if (auto found = finished(step)) return found;
            }
        }
        return std::nullopt;
    });
}

} // namespace dodoru::logic::detail
