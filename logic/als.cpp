// Almost locked sets: n cells of one unit that hold n + 1 digits between them. Take one digit away and
// the rest are locked. ALS-XZ joins two of them by a restricted common digit, ALS-XY-wing three.
#include <algorithm>
#include <bitset>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// A digit of both sets whose cells in one all see its cells in the other: it is in one set at most.
bool restricted(const Als& a, const Als& b, int d) {
    return (a.digits & b.digits & digitBit(d)) != 0 && (b.with[at(d)] & ~a.seeing[at(d)]).none();
}

// Removes `z` from the cells that see every z of the sets, besides the sets' own cells.
void eliminateZ(const Position& p, int z, const std::vector<const Als*>& holders, const CellSet& besides, Step& step) {
    CellSet targets;
    targets.set();
    for (const Als* als : holders) targets &= als->seeing[at(z)];
    targets &= ~besides;
    for (int c = 0; c < kCellCount; ++c)
        if (targets.test(at(c)) && p.has(c, z)) step.eliminations.push_back({c, z});
}

Step alsStep(Technique technique, const std::vector<const Als*>& sets, int link) {
    Step step{technique, {}, {}, 0, {}, {}};
    for (const Als* als : sets) {
        step.sets.push_back(als->cells);
        step.cells.insert(step.cells.end(), als->cells.begin(), als->cells.end());
        step.digits |= als->digits;
    }
    step.linkDigit = link;
    return step;
}

} // namespace

const std::array<CellSet, kCellCount>& peerSets() {
    static const std::array<CellSet, kCellCount> sets = [] {
        std::array<CellSet, kCellCount> out{};
        for (int c = 0; c < kCellCount; ++c)
            for (const int p : peersOf(c)) out[at(c)].set(at(p));
        return out;
    }();
    return sets;
}

std::vector<Als> almostLockedSets(const Scan& scan, int smallest, int largest) {
    const Position& p = scan.position;
    std::vector<Als> out;
    std::vector<CellSet> seen;
    for (int n = 0; n < kUnitCount; ++n) {
        const int u = (n + 18) % kUnitCount;
        std::vector<int> open;
        for (const int c : unitCells(u))
            if (p.digit(c) == 0) open.push_back(c);
        for (int size = smallest; size <= largest && size < static_cast<int>(open.size()); ++size)
            forEachCombination(static_cast<int>(open.size()), size, [&](const std::array<int, 4>& pick) {
                Als als;
                for (int i = 0; i < size; ++i) {
                    const int c = open[at(pick[at(i)])];
                    als.cells.push_back(c);
                    als.all.set(at(c));
                    als.digits |= p.candidates(c);
                }
                if (digitCount(als.digits) != size + 1) return false;
                if (std::find(seen.begin(), seen.end(), als.all) != seen.end()) return false;
                seen.push_back(als.all);
                for (Digits ds = als.digits; ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                    const int d = lowestDigit(ds);
                    CellSet sees;
                    sees.set();
                    for (const int c : als.cells)
                        if (p.has(c, d)) {
                            als.with[at(d)].set(at(c));
                            sees &= peerSets()[at(c)];
                        }
                    als.seeing[at(d)] = sees;
                }
                out.push_back(std::move(als));
                return false;
            });
    }
    return out;
}

std::optional<Step> findAlsXZ(const Scan& scan) {
    const Position& p = scan.position;
    const std::vector<Als> sets = almostLockedSets(scan, 1, 4);
    for (std::size_t i = 0; i < sets.size(); ++i)
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            const Als& a = sets[i];
            const Als& b = sets[j];
            if ((a.all & b.all).any()) continue;
            const Digits common = a.digits & b.digits;
            if (digitCount(common) < 2) continue;
            for (Digits xs = common; xs != 0; xs &= static_cast<Digits>(xs - 1)) {
                const int x = lowestDigit(xs);
                if (!restricted(a, b, x)) continue;
                // x is in one set at most, so the other is locked without x: a digit z of both is in one
                // of them, and whatever sees all their z goes.
                Step step = alsStep(Technique::AlsXZ, {&a, &b}, x);
                for (Digits zs = static_cast<Digits>(common & ~digitBit(x)); zs != 0; zs &= static_cast<Digits>(zs - 1))
                    eliminateZ(p, lowestDigit(zs), {&a, &b}, a.all | b.all, step);
                if (auto found = finished(step)) return found;
            }
        }
    return std::nullopt;
}

std::optional<Step> findAlsXYWing(const Scan& scan) {
    const Position& p = scan.position;
    const std::vector<Als> sets = almostLockedSets(scan, 1, 4);
    for (const Als& pivot : sets) {
        // The sets linked to the pivot, each with its restricted common digit.
        std::vector<std::pair<const Als*, int>> linked;
        for (const Als& other : sets) {
            if (&other == &pivot || (other.all & pivot.all).any()) continue;
            for (Digits ds = other.digits & pivot.digits; ds != 0; ds &= static_cast<Digits>(ds - 1))
                if (restricted(pivot, other, lowestDigit(ds))) linked.emplace_back(&other, lowestDigit(ds));
        }
        for (std::size_t i = 0; i < linked.size(); ++i)
            for (std::size_t j = i + 1; j < linked.size(); ++j) {
                const auto [a, x] = linked[i];
                const auto [b, y] = linked[j];
                if (x == y || a == b || (a->all & b->all).any()) continue;
                // The pivot is locked without x or without y: so one of a and b is locked, and a digit z
                // that both hold is in one of them.
                const Digits zs = static_cast<Digits>(a->digits & b->digits & ~digitBit(x) & ~digitBit(y));
                if (zs == 0) continue;
                Step step = alsStep(Technique::AlsXYWing, {a, b, &pivot}, x);
                for (Digits z = zs; z != 0; z &= static_cast<Digits>(z - 1))
                    eliminateZ(p, lowestDigit(z), {a, b}, a->all | b->all | pivot.all, step);
                if (auto found = finished(step)) return found;
            }
    }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
