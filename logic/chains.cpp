// Chains and trial: XY-chains, alternating inference chains (forcing chains) and, as the last resort,
// trial: assume a candidate and reach a contradiction.
#include <algorithm>
#include <bit>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// A candidate is cell * 9 + digit - 1; a literal is a candidate with its truth: 2 * candidate + (on ? 1 : 0).
constexpr int kCandidates = kCellCount * 9;
int candidateOf(int cell, int digit) {
    return cell * 9 + digit - 1;
}
int cellOfCandidate(int candidate) {
    return candidate / 9;
}
int digitOfCandidate(int candidate) {
    return candidate % 9 + 1;
}

enum class ChainKind {
    XY,  // strong links inside bivalue cells, weak links between bivalue cells on one digit
    Any, // strong links inside bivalue cells and between a digit's two places in a unit; every weak link
};

class ChainSearch {
public:
    ChainSearch(const Scan& scan, ChainKind kind) : scan_(scan), kind_(kind) {}

    std::optional<Step> find() {
        const Position& p = scan_.position;
        // Starts in the order of the cells with fewest candidates, so that short chains come first.
        for (int count = 2; count <= 9; ++count)
            for (int cell = 0; cell < kCellCount; ++cell) {
                if (p.digit(cell) != 0 || digitCount(p.candidates(cell)) != count) continue;
                if (kind_ == ChainKind::XY && count != 2) continue;
                for (Digits ds = p.candidates(cell); ds != 0; ds &= static_cast<Digits>(ds - 1))
                    if (auto step = fromStart(candidateOf(cell, lowestDigit(ds)))) return step;
            }
        return std::nullopt;
    }

private:
    // Breadth first from "start is off": each strong link turns an off into an on, each weak link an on
    // into an off. At the first "end is on" that lets something go: start or end is true, so whatever
    // sees both is false; reaching "start is on" proves start.
    std::optional<Step> fromStart(int start) {
        parent_.fill(-2);
        queue_.clear();
        const int first = 2 * start;
        parent_[at(first)] = -1;
        queue_.push_back(first);
        for (std::size_t next = 0; next < queue_.size(); ++next) {
            const int literal = queue_[next];
            const int candidate = literal / 2;
            const bool on = (literal & 1) != 0;
            if (on) {
                if (candidate == start) {
                    if (kind_ == ChainKind::XY) continue;
                    Step step = chainStep(literal);
                    step.placements.push_back({cellOfCandidate(start), digitOfCandidate(start)});
                    return finished(step);
                }
                Step step = chainStep(literal);
                addEliminations(start, candidate, step);
                if (auto found = finished(step)) return found;
                forEachWeak(candidate, [&](int o) { visit(2 * o, literal); });
            } else {
                forEachStrong(candidate, [&](int o) { visit(2 * o + 1, literal); });
            }
        }
        return std::nullopt;
    }

    void visit(int literal, int from) {
        if (parent_[at(literal)] != -2) return;
        parent_[at(literal)] = from;
        queue_.push_back(literal);
    }

    template <typename F> void forEachStrong(int candidate, F&& f) const {
        const Position& p = scan_.position;
        const int cell = cellOfCandidate(candidate), d = digitOfCandidate(candidate);
        const Digits ds = p.candidates(cell);
        if (digitCount(ds) == 2) f(candidateOf(cell, lowestDigit(static_cast<Digits>(ds & ~digitBit(d)))));
        if (kind_ == ChainKind::XY) return;
        int seen[3] = {-1, -1, -1};
        for (int i = 0; i < 3; ++i) {
            const int u = unitsOfCell(cell)[at(i)];
            const unsigned mask = scan_.where[at(u)][at(d)];
            if (std::popcount(mask) != 2) continue;
            const int a = unitCells(u)[at(std::countr_zero(mask))];
            const int other = a != cell ? a : unitCells(u)[at(31 - std::countl_zero(mask))];
            if (other == seen[0] || other == seen[1]) continue; // a row pair that is also a box pair
            seen[i] = other;
            f(candidateOf(other, d));
        }
    }

    template <typename F> void forEachWeak(int candidate, F&& f) const {
        const Position& p = scan_.position;
        const int cell = cellOfCandidate(candidate), d = digitOfCandidate(candidate);
        if (kind_ == ChainKind::Any)
            for (Digits ds = static_cast<Digits>(p.candidates(cell) & ~digitBit(d)); ds != 0;
                 ds &= static_cast<Digits>(ds - 1))
                f(candidateOf(cell, lowestDigit(ds)));
        for (const int peer : peersOf(cell))
            if (p.has(peer, d) && (kind_ == ChainKind::Any || digitCount(p.candidates(peer)) == 2))
                f(candidateOf(peer, d));
    }

    // Candidates that are false when `a` or `b` is true: those that see both.
    void addEliminations(int a, int b, Step& step) const {
        const Position& p = scan_.position;
        const int ca = cellOfCandidate(a), da = digitOfCandidate(a);
        const int cb = cellOfCandidate(b), db = digitOfCandidate(b);
        if (kind_ == ChainKind::XY && (da != db || ca == cb)) return;
        if (ca == cb) {
            for (Digits ds = static_cast<Digits>(p.candidates(ca) & ~digitBit(da) & ~digitBit(db)); ds != 0;
                 ds &= static_cast<Digits>(ds - 1))
                step.eliminations.push_back({ca, lowestDigit(ds)});
        } else if (da == db) {
            for (const int c : peersOf(ca))
                if (c != cb && sees(c, cb) && p.has(c, da)) step.eliminations.push_back({c, da});
        } else if (sees(ca, cb)) {
            if (p.has(ca, db)) step.eliminations.push_back({ca, db});
            if (p.has(cb, da)) step.eliminations.push_back({cb, da});
        }
    }

    // The step whose cells and digits are the chain that ends at `literal`.
    Step chainStep(int literal) const {
        Step step{kind_ == ChainKind::XY ? Technique::XYChain : Technique::ForcingChain, {}, {}, 0, {}, {}};
        for (int l = literal; l >= 0; l = parent_[at(l)]) {
            step.cells.push_back(cellOfCandidate(l / 2));
            step.digits |= digitBit(digitOfCandidate(l / 2));
        }
        return step;
    }

    const Scan& scan_;
    ChainKind kind_;
    std::array<int, 2 * kCandidates> parent_{}; // -2 unvisited, -1 the start
    std::vector<int> queue_;
};

// Fills in naked and hidden singles until none is left; false at a contradiction.
bool settleSingles(Position& p) {
    for (bool changed = true; changed;) {
        changed = false;
        for (int c = 0; c < kCellCount; ++c) {
            if (p.digit(c) != 0) continue;
            const Digits ds = p.candidates(c);
            if (ds == 0) return false;
            if (digitCount(ds) == 1) {
                p.place(c, lowestDigit(ds));
                changed = true;
            }
        }
        for (int u = 0; u < kUnitCount; ++u) {
            std::array<int, 10> places{};
            std::array<int, 10> where{};
            Digits placed = 0;
            for (const int c : unitCells(u)) {
                if (p.digit(c) != 0) {
                    if (placed & digitBit(p.digit(c))) return false;
                    placed |= digitBit(p.digit(c));
                }
                for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                    ++places[at(lowestDigit(ds))];
                    where[at(lowestDigit(ds))] = c;
                }
            }
            for (int d = 1; d <= 9; ++d) {
                if (placed & digitBit(d)) continue;
                if (places[at(d)] == 0) return false;
                if (places[at(d)] == 1 && p.has(where[at(d)], d)) {
                    p.place(where[at(d)], d);
                    changed = true;
                }
            }
        }
    }
    return true;
}

// Whether the position can still be completed: singles, then the cell with fewest candidates tried.
bool hasCompletion(Position p) {
    if (!settleSingles(p)) return false;
    int best = -1;
    for (int c = 0; c < kCellCount; ++c)
        if (p.digit(c) == 0 && (best < 0 || digitCount(p.candidates(c)) < digitCount(p.candidates(best))))
            best = c;
    if (best < 0) return true;
    for (Digits ds = p.candidates(best); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
        Position branch = p;
        branch.place(best, lowestDigit(ds));
        if (hasCompletion(branch)) return true;
    }
    return false;
}

// The empty cells, fewest candidates first.
std::vector<int> trialOrder(const Position& p) {
    std::vector<int> cells;
    for (int c = 0; c < kCellCount; ++c)
        if (p.digit(c) == 0) cells.push_back(c);
    std::stable_sort(cells.begin(), cells.end(),
                     [&](int a, int b) { return digitCount(p.candidates(a)) < digitCount(p.candidates(b)); });
    return cells;
}

} // namespace

std::optional<Step> findXYChain(const Scan& scan) {
    return ChainSearch(scan, ChainKind::XY).find();
}

std::optional<Step> findForcingChain(const Scan& scan) {
    return ChainSearch(scan, ChainKind::Any).find();
}

std::optional<Step> findTrial(const Scan& scan) {
    const Position& p = scan.position;
    const std::vector<int> cells = trialOrder(p);
    // First a candidate whose singles run into a contradiction, then one with no completion at all.
    for (int depth = 0; depth < 2; ++depth)
        for (const int cell : cells)
            for (Digits ds = p.candidates(cell); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                const int d = lowestDigit(ds);
                Position assumed = p;
                assumed.place(cell, d);
                const bool contradiction = depth == 0 ? !settleSingles(assumed) : !hasCompletion(assumed);
                if (contradiction) return Step{Technique::Trial, {}, {cell}, digitBit(d), {}, {{cell, d}}};
            }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
