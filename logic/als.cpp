// Almost locked sets: n cells of one unit that hold n + 1 digits between them. Take one digit away and
// the rest are locked. ALS-XZ joins two of them by a restricted common digit, ALS-XY-wing three.
#include <bit>
#include <initializer_list>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

using DigitPlaces = std::array<CellSet, 10>;

// A digit of both sets whose cells in one all see its cells in the other: it is in one set at most.
bool restricted(const Als& a, const Als& b, int d) {
    return (a.digits & b.digits & digitBit(d)) != 0 && (b.with[at(d)] & ~a.seeing[at(d)]).none();
}

// The candidates of `z` in the cells that see every z of both sets, besides `besides`.
CellSet zTargets(const DigitPlaces& places, int z, const Als& a, const Als& b, const CellSet& besides) {
    return places[at(z)] & a.seeing[at(z)] & b.seeing[at(z)] & ~besides;
}

// What each of the digits `zs` loses; nothing when none loses anything.
std::optional<DigitPlaces> zEliminations(const DigitPlaces& places, Digits zs, const Als& a, const Als& b,
                                         const CellSet& besides) {
    DigitPlaces gone{};
    bool any = false;
    for (Digits z = zs; z != 0; z &= static_cast<Digits>(z - 1)) {
        const int d = lowestDigit(z);
        gone[at(d)] = zTargets(places, d, a, b, besides);
        any = any || gone[at(d)].any();
    }
    if (!any) return std::nullopt;
    return gone;
}

Step alsStep(Technique technique, std::initializer_list<const Als*> sets, int link, const DigitPlaces& gone) {
    Step step{technique, {}, {}, 0, {}, {}};
    for (const Als* als : sets) {
        step.sets.push_back(als->cells);
        step.cells.insert(step.cells.end(), als->cells.begin(), als->cells.end());
        step.digits |= als->digits;
    }
    step.linkDigit = link;
    for (int d = 1; d <= 9; ++d)
        for (int c = 0; c < kCellCount; ++c)
            if (gone[at(d)].test(at(c))) step.eliminations.push_back({c, d});
    return step;
}

// What the loops over pairs of sets read first, packed close together.
struct AlsKey {
    CellSet all;
    Digits digits = 0;
    CellSet reach; // the cells that see every cell of the set holding one of its digits
};

std::vector<AlsKey> keysOf(const std::vector<Als>& sets) {
    std::vector<AlsKey> keys;
    keys.reserve(sets.size());
    for (const Als& als : sets) {
        CellSet reach;
        for (Digits ds = als.digits; ds != 0; ds &= static_cast<Digits>(ds - 1))
            reach |= als.seeing[at(lowestDigit(ds))];
        keys.push_back({als.all, als.digits, reach});
    }
    return keys;
}

// The units in the order the sets are listed: boxes, then rows, then columns.
int unitRank(int unit) {
    return unit >= 18 ? 0 : unit < 9 ? 1 : 2;
}

std::vector<Als> findAlmostLockedSets(const Position& p) {
    std::array<std::array<int, 9>, kUnitCount> open{};
    std::array<int, kUnitCount> openCount{};
    for (int u = 0; u < kUnitCount; ++u)
        for (const int c : unitCells(u))
            if (p.digit(c) == 0) open[at(u)][at(openCount[at(u)]++)] = c;
    const std::array<CellSet, kCellCount>& peers = peerSets();
    std::vector<Als> out;
    for (int n = 0; n < kUnitCount; ++n) {
        const int u = (n + 18) % kUnitCount;
        for (int size = 1; size <= 4 && size < openCount[at(u)]; ++size) {
            // A cell with more than size + 1 candidates is in no set of this size: the combinations of the
            // others come in the same order.
            std::array<int, 9> cells{};
            int cellCount = 0;
            for (int i = 0; i < openCount[at(u)]; ++i)
                if (digitCount(p.candidates(open[at(u)][at(i)])) <= size + 1)
                    cells[at(cellCount++)] = open[at(u)][at(i)];
            forEachCombination(cellCount, size, [&](const std::array<int, 4>& pick) {
                Digits digits = 0;
                std::uint32_t units = ~0u;
                for (int i = 0; i < size; ++i) {
                    const int c = cells[at(pick[at(i)])];
                    digits |= p.candidates(c);
                    units &= unitMaskOf(c);
                }
                if (digitCount(digits) != size + 1) return false;
                // A set that an earlier unit holds with more open cells besides was listed there.
                for (std::uint32_t us = units & ~(1u << u); us != 0; us &= us - 1) {
                    const int other = std::countr_zero(us);
                    if (unitRank(other) < unitRank(u) && openCount[at(other)] > size) return false;
                }
                Als als;
                als.digits = digits;
                for (int i = 0; i < size; ++i) {
                    const int c = cells[at(pick[at(i)])];
                    als.cells.push_back(c);
                    als.all.set(at(c));
                }
                for (Digits ds = digits; ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                    const int d = lowestDigit(ds);
                    CellSet sees;
                    sees.set();
                    for (const int c : als.cells)
                        if (p.has(c, d)) {
                            als.with[at(d)].set(at(c));
                            sees &= peers[at(c)];
                        }
                    als.seeing[at(d)] = sees;
                }
                out.push_back(std::move(als));
                return false;
            });
        }
    }
    return out;
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

std::array<CellSet, 10> digitPlaces(const Position& p) {
    std::array<CellSet, 10> places{};
    for (int c = 0; c < kCellCount; ++c)
        for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1))
            places[at(lowestDigit(ds))].set(at(c));
    return places;
}

const std::vector<Als>& almostLockedSets(const Scan& scan) {
    if (!scan.knownAls) scan.knownAls = findAlmostLockedSets(scan.position);
    return *scan.knownAls;
}

std::vector<Als> almostLockedSets(const Scan& scan, int smallest, int largest) {
    std::vector<Als> out;
    for (const Als& als : almostLockedSets(scan)) {
        const int size = static_cast<int>(als.cells.size());
        if (size >= smallest && size <= largest) out.push_back(als);
    }
    return out;
}

const AlsLinks& almostLockedSetLinks(const Scan& scan) {
    if (scan.knownAlsLinks) return *scan.knownAlsLinks;
    const std::vector<Als>& sets = almostLockedSets(scan);
    const std::vector<AlsKey> keys = keysOf(sets);
    // Each pair once, the first set before the second; then each set's links in the order of the pairs,
    // which is the order of the other set.
    struct Pair {
        int first, second, digit;
    };
    std::vector<Pair> pairs;
    pairs.reserve(8 * sets.size()); // about as many as a hard position has
    std::vector<int> count(sets.size() + 1, 0);
    for (std::size_t i = 0; i < sets.size(); ++i)
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            // A linked set has its cells of the digit, so some cell, where the first set reaches.
            const Digits common = keys[i].digits & keys[j].digits;
            if (common == 0 || (keys[i].all & keys[j].all).any() || (keys[i].reach & keys[j].all).none())
                continue;
            for (Digits ds = common; ds != 0; ds &= static_cast<Digits>(ds - 1))
                if (restricted(sets[i], sets[j], lowestDigit(ds))) {
                    pairs.push_back({static_cast<int>(i), static_cast<int>(j), lowestDigit(ds)});
                    ++count[i];
                    ++count[j];
                }
        }
    AlsLinks& out = scan.knownAlsLinks.emplace();
    out.first.assign(sets.size() + 1, 0);
    for (std::size_t n = 0; n < sets.size(); ++n) out.first[n + 1] = out.first[n] + count[n];
    out.links.resize(2 * pairs.size());
    std::vector<int> next(out.first.begin(), out.first.end() - 1);
    for (const Pair& pair : pairs) {
        out.links[at(next[at(pair.first)]++)] = {pair.second, pair.digit};
        out.links[at(next[at(pair.second)]++)] = {pair.first, pair.digit};
    }
    return out;
}

std::optional<Step> findAlsXZ(const Scan& scan) {
    const std::vector<Als>& sets = almostLockedSets(scan);
    const AlsLinks& links = almostLockedSetLinks(scan);
    const DigitPlaces places = digitPlaces(scan.position);
    for (std::size_t i = 0; i < sets.size(); ++i)
        for (const AlsLink& link : links.of(i)) {
            const Als& a = sets[i];
            const Als& b = sets[at(link.other)];
            const Digits common = a.digits & b.digits;
            if (at(link.other) <= i || digitCount(common) < 2) continue;
            // x is in one set at most, so the other is locked without x: a digit z of both is in one of them,
            // and whatever sees all their z goes.
            const int x = link.digit;
            const auto gone =
                zEliminations(places, static_cast<Digits>(common & ~digitBit(x)), a, b, a.all | b.all);
            if (gone) return finished(alsStep(Technique::AlsXZ, {&a, &b}, x, *gone));
        }
    return std::nullopt;
}

std::optional<Step> findAlsXYWing(const Scan& scan) {
    const std::vector<Als>& sets = almostLockedSets(scan);
    const AlsLinks& links = almostLockedSetLinks(scan);
    const std::vector<AlsKey> keys = keysOf(sets);
    const DigitPlaces places = digitPlaces(scan.position);
    for (std::size_t n = 0; n < sets.size(); ++n) {
        // The sets linked to the pivot, each by a restricted common digit.
        const Als& pivot = sets[n];
        const std::span<const AlsLink> linked = links.of(n);
        for (std::size_t i = 0; i < linked.size(); ++i)
            for (std::size_t j = i + 1; j < linked.size(); ++j) {
                const int x = linked[i].digit, y = linked[j].digit;
                const AlsKey& a = keys[at(linked[i].other)];
                const AlsKey& b = keys[at(linked[j].other)];
                if (x == y || linked[i].other == linked[j].other) continue;
                // The pivot is locked without x or without y: so one of a and b is locked, and a digit z
                // that both hold is in one of them.
                const Digits zs = static_cast<Digits>(a.digits & b.digits & ~digitBit(x) & ~digitBit(y));
                if (zs == 0 || (a.all & b.all).any()) continue;
                const Als& first = sets[at(linked[i].other)];
                const Als& second = sets[at(linked[j].other)];
                const auto gone = zEliminations(places, zs, first, second, a.all | b.all | pivot.all);
                if (gone) return finished(alsStep(Technique::AlsXYWing, {&first, &second, &pivot}, x, *gone));
            }
    }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
