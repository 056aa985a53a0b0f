// Chains: XY-chains, alternating inference chains (forcing chains), the same with grouped nodes; then
// contradictions (assume a candidate and follow its consequences to a cell or a unit with nothing left)
// and, as the last resort, a guess: a candidate that a search shows leaves no solution.
#include <algorithm>
#include <bit>
#include <span>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// A node is a candidate, cell * 9 + digit - 1, or (in grouped chains) a group of two or three cells
// where a box meets a line, numbered after the candidates. A literal is a node with its truth:
// 2 * node + (on ? 1 : 0).
constexpr int kCandidates = kCellCount * 9;
constexpr int kGroups = 9 * 9 * 6; // digit, box, and the box's three rows and three columns
constexpr int kNodes = kCandidates + kGroups;

int candidateOf(int cell, int digit) {
    return cell * 9 + digit - 1;
}

// Calls `f` with each cell of `cells`, in ascending order.
template <typename F> void forEachCell(const CellSet& cells, F&& f) {
    static const CellSet low = CellSet{}.set() >> (kCellCount - 64); // cells 0..63
    const std::array<std::uint64_t, 2> words = {(cells & low).to_ullong(), (cells >> 64).to_ullong()};
    for (int w = 0; w < 2; ++w)
        for (std::uint64_t bits = words[at(w)]; bits != 0; bits &= bits - 1)
            f(64 * w + std::countr_zero(bits));
}

enum class ChainKind {
    XY,      // strong links inside bivalue cells, weak links between bivalue cells on one digit
    Any,     // strong links inside bivalue cells and between a digit's two places in a unit; every weak link
    Grouped, // as Any, where either side of a strong link in a unit may be a group
    Als,     // as Grouped, with almost locked sets: a digit out of the set locks each of its other digits in
};

// The cell of each candidate node, the same in every position, made once.
const std::array<std::vector<int>, kCandidates>& candidateCells() {
    static const std::array<std::vector<int>, kCandidates> cells = [] {
        std::array<std::vector<int>, kCandidates> made;
        for (int n = 0; n < kCandidates; ++n) made[at(n)] = {n / 9};
        return made;
    }();
    return cells;
}

class ChainSearch {
public:
    ChainSearch(const Scan& scan, ChainKind kind) : scan_(scan), kind_(kind) {
        const Position& p = scan_.position;
        digit_.assign(at(kNodes), 0);
        for (int n = 0; n < kCandidates; ++n) digit_[at(n)] = n % 9 + 1;
        withDigit_ = digitPlaces(p);
        if (grouped()) addGroups();
        if (kind_ == ChainKind::Als) addAlmostLockedSets();
        const std::size_t literals = 2 * digit_.size();
        parent_.assign(literals, -2);
        strong_.assign(digit_.size(), Links{});
        weak_.assign(digit_.size(), Links{});
    }

    bool grouped() const { return kind_ == ChainKind::Grouped || kind_ == ChainKind::Als; }
    bool isAls(int n) const { return n >= kNodes; }

    // The groups of each digit: two or three cells where a box meets a line that hold it.
    void addGroups() {
        const Position& p = scan_.position;
        for (int d = 1; d <= 9; ++d)
            for (int b = 0; b < 9; ++b)
                for (int k = 0; k < 6; ++k) {
                    const int n = kCandidates + ((d - 1) * 9 + b) * 6 + k;
                    digit_[at(n)] = d;
                    std::vector<int>& cells = groupCells_[at(n - kCandidates)];
                    for (const int c : unitCells(boxUnit(b))) {
                        const bool inLine =
                            k < 3 ? rowOf(c) == boxTopRow(b) + k : columnOf(c) == boxLeftColumn(b) + k - 3;
                        if (inLine && p.has(c, d)) cells.push_back(c);
                    }
                    if (cells.size() < 2) {
                        cells.clear();
                        continue;
                    }
                    groupsOf_[at(d)].push_back(n);
                    CellSet& seeing = groupSeeing_[at(n - kCandidates)];
                    seeing.set();
                    for (const int c : cells) {
                        groupSet_[at(n - kCandidates)].set(at(c));
                        seeing &= peerSets()[at(c)];
                    }
                }
    }

    // Almost locked sets of two or three cells of one unit: one node for each of their digits, the set's
    // cells that hold it. A candidate that sees all of a node's cells links to it weakly.
    void addAlmostLockedSets() {
        const Position& p = scan_.position;
        std::vector<std::pair<int, int>> seenBy; // (candidate, set node) in the order of the nodes
        for (const Als& als : almostLockedSets(scan_, 2, 3)) {
            const int set = static_cast<int>(alsSets_.size());
            alsSets_.push_back(als.cells);
            alsFirst_.push_back(static_cast<int>(digit_.size()));
            for (Digits ds = als.digits; ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                const int d = lowestDigit(ds);
                std::vector<int> with;
                CellSet withSet, seeing;
                seeing.set();
                for (const int c : als.cells)
                    if (p.has(c, d)) {
                        with.push_back(c);
                        withSet.set(at(c));
                        seeing &= peerSets()[at(c)];
                    }
                const int node = static_cast<int>(digit_.size());
                digit_.push_back(d);
                alsCells_.push_back(std::move(with));
                alsSet_.push_back(withSet);
                alsSeeing_.push_back(seeing);
                alsSetOf_.push_back(set);
                alsOfDigit_[at(d)].push_back(node);
                forEachCell(seeing & withDigit_[at(d)],
                            [&](int c) { seenBy.emplace_back(candidateOf(c, d), node); });
            }
        }
        // Each candidate's set nodes in one array, in the order of the nodes.
        weakAlsFirst_.assign(at(kCandidates + 1), 0);
        for (const auto& [candidate, node] : seenBy) ++weakAlsFirst_[at(candidate + 1)];
        for (int n = 0; n < kCandidates; ++n) weakAlsFirst_[at(n + 1)] += weakAlsFirst_[at(n)];
        weakAls_.resize(seenBy.size());
        std::vector<int> next(weakAlsFirst_.begin(), weakAlsFirst_.end() - 1);
        for (const auto& [candidate, node] : seenBy) weakAls_[at(next[at(candidate)]++)] = node;
    }

    // The set nodes whose cells all see the candidate `n`.
    std::span<const int> weakAlsOf(int n) const {
        return std::span<const int>(weakAls_).subspan(at(weakAlsFirst_[at(n)]),
                                                      at(weakAlsFirst_[at(n + 1)] - weakAlsFirst_[at(n)]));
    }

    // Whether the chain that ends at `literal` goes through an almost locked set.
    bool throughAls(int literal) const {
        for (int l = literal; l >= 0; l = parent_[at(l)])
            if (isAls(l / 2)) return true;
        return false;
    }

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
    // A node's links as a range of `links_`; `first` is -1 until they are made.
    struct Links {
        int first = -1;
        int count = 0;
    };

    // Breadth first from "start is off": each strong link turns an off into an on, each weak link an on
    // into an off. At the first "end is on" that lets something go: start or end is true, so whatever
    // sees both is false; reaching "start is on" proves start.
    std::optional<Step> fromStart(int start) {
        // Only what the last search visited is marked: clear just that.
        for (const int visited : queue_) parent_[at(visited)] = -2;
        queue_.clear();
        const int first = 2 * start;
        parent_[at(first)] = -1;
        queue_.push_back(first);
        for (std::size_t next = 0; next < queue_.size(); ++next) {
            const int literal = queue_[next];
            const int n = literal / 2;
            if ((literal & 1) != 0) {
                if (n == start) {
                    if (kind_ == ChainKind::XY || (kind_ == ChainKind::Als && !throughAls(literal))) continue;
                    Step step = chainStep(literal);
                    step.placements.push_back({cellsOf(start).front(), digit_[at(start)]});
                    return finished(step);
                }
                // The step is built only for a chain that lets something go.
                eliminations_.clear();
                addEliminations(start, n, eliminations_);
                if (!eliminations_.empty() && (kind_ != ChainKind::Als || throughAls(literal))) {
                    Step step = chainStep(literal);
                    step.eliminations = eliminations_;
                    if (auto found = finished(step)) return found;
                }
                for (const int o : weakLinks(n)) visit(2 * o, literal);
            } else {
                for (const int o : strongLinks(n)) visit(2 * o + 1, literal);
            }
        }
        return std::nullopt;
    }

    void visit(int literal, int from) {
        if (parent_[at(literal)] != -2) return;
        parent_[at(literal)] = from;
        queue_.push_back(literal);
    }

    // The strong and the weak links of `n`, in the order the search follows them, each made the first time
    // it is asked for: they depend only on the position, which stays as it is through a search.
    std::span<const int> strongLinks(int n) {
        return linksOf(strong_[at(n)], [&](auto&& add) { addStrongLinks(n, add); });
    }
    std::span<const int> weakLinks(int n) {
        return linksOf(weak_[at(n)], [&](auto&& add) { addWeakLinks(n, add); });
    }
    template <typename Make> std::span<const int> linksOf(Links& made, Make&& make) {
        if (made.first < 0) {
            made.first = static_cast<int>(links_.size());
            make([this](int o) { links_.push_back(o); });
            made.count = static_cast<int>(links_.size()) - made.first;
        }
        return std::span<const int>(links_).subspan(at(made.first), at(made.count));
    }

    // The group node whose cells are exactly `cells` (two or more cells of one box and one line), or -1.
    int groupWith(int d, const std::vector<int>& cells) const {
        for (const int g : groupsOf_[at(d)])
            if (cellsOf(g) == cells) return g;
        return -1;
    }

    template <typename F> void addStrongLinks(int n, F&& f) {
        const Position& p = scan_.position;
        const std::vector<int>& mine = cellsOf(n);
        const int d = digit_[at(n)];
        if (isAls(n)) {
            // Without d the set's other digits are locked in it: each of them is in its cells.
            const int set = alsSetOf_[at(n - kNodes)];
            for (int m = alsFirst_[at(set)]; m < static_cast<int>(digit_.size()) && alsSetOf_[at(m - kNodes)] == set; ++m)
                if (m != n) f(m);
            return;
        }
        if (mine.size() == 1) {
            const Digits ds = p.candidates(mine.front());
            if (digitCount(ds) == 2)
                f(candidateOf(mine.front(), lowestDigit(static_cast<Digits>(ds & ~digitBit(d)))));
        }
        if (kind_ == ChainKind::XY) return;
        const CellSet& mineSet = cellSetOf(n);
        std::vector<int>& rest = rest_;
        for (const int u : unitsOfCell(mine.front())) {
            if ((mineSet & ~unitSets()[at(u)]).any()) continue; // the unit does not hold all of the node
            const unsigned mask = scan_.where[at(u)][at(d)];
            rest.clear();
            for (int k = 0; k < 9; ++k) {
                const int c = unitCells(u)[at(k)];
                if (((mask >> k) & 1u) && !mineSet.test(at(c))) rest.push_back(c);
            }
            if (rest.empty()) continue;
            if (rest.size() == 1) {
                f(candidateOf(rest.front(), d));
            } else if (grouped()) {
                const int g = groupWith(d, rest);
                if (g >= 0) f(g);
            }
        }
    }

    const std::vector<int>& cellsOf(int n) const {
        return n < kCandidates ? candidateCells()[at(n)]
               : n < kNodes    ? groupCells_[at(n - kCandidates)]
                               : alsCells_[at(n - kNodes)];
    }

    // The node's cells as a set.
    const CellSet& cellSetOf(int n) const {
        return n < kCandidates ? cellSets()[at(n / 9)]
               : n < kNodes    ? groupSet_[at(n - kCandidates)]
                               : alsSet_[at(n - kNodes)];
    }

    // The cells that see every cell of the node (none of its own cells among them).
    const CellSet& seeingOf(int n) const {
        return n < kCandidates ? peerSets()[at(n / 9)]
               : n < kNodes    ? groupSeeing_[at(n - kCandidates)]
                               : alsSeeing_[at(n - kNodes)];
    }

    // Each unit's cells as a set.
    static const std::array<CellSet, kUnitCount>& unitSets() {
        static const std::array<CellSet, kUnitCount> sets = [] {
            std::array<CellSet, kUnitCount> made{};
            for (int u = 0; u < kUnitCount; ++u)
                for (const int c : unitCells(u)) made[at(u)].set(at(c));
            return made;
        }();
        return sets;
    }

    // Each cell alone as a set.
    static const std::array<CellSet, kCellCount>& cellSets() {
        static const std::array<CellSet, kCellCount> sets = [] {
            std::array<CellSet, kCellCount> made{};
            for (int c = 0; c < kCellCount; ++c) made[at(c)].set(at(c));
            return made;
        }();
        return sets;
    }

    // Whether every cell of node `m` sees every cell of node `n` (so none of them is one of n's).
    bool seesAllOf(int m, int n) const { return (cellSetOf(m) & ~seeingOf(n)).none(); }

    template <typename F> void addWeakLinks(int n, F&& f) const {
        const Position& p = scan_.position;
        const std::vector<int>& mine = cellsOf(n);
        const int d = digit_[at(n)];
        if (mine.size() == 1) {
            const int cell = mine.front();
            if (kind_ != ChainKind::XY)
                for (Digits ds = static_cast<Digits>(p.candidates(cell) & ~digitBit(d)); ds != 0;
                     ds &= static_cast<Digits>(ds - 1))
                    f(candidateOf(cell, lowestDigit(ds)));
            for (const int peer : peersOf(cell))
                if (p.has(peer, d) && (kind_ != ChainKind::XY || digitCount(p.candidates(peer)) == 2))
                    f(candidateOf(peer, d));
        } else {
            forEachCell(seeingOf(n) & withDigit_[at(d)], [&](int c) { f(candidateOf(c, d)); });
        }
        if (!grouped()) return;
        if (kind_ == ChainKind::Als) {
            if (mine.size() == 1) {
                for (const int m : weakAlsOf(candidateOf(mine.front(), d))) f(m);
            } else {
                for (const int m : alsOfDigit_[at(d)])
                    if (m != n && seesAllOf(m, n)) f(m);
            }
        }
        for (const int g : groupsOf_[at(d)])
            if (g != n && seesAllOf(g, n)) f(g);
    }

    // Candidates that are false when `a` or `b` is true: those that see both.
    void addEliminations(int a, int b, std::vector<CellDigit>& eliminations) const {
        const Position& p = scan_.position;
        const std::vector<int>& as = cellsOf(a);
        const std::vector<int>& bs = cellsOf(b);
        const int da = digit_[at(a)], db = digit_[at(b)];
        const bool singles = as.size() == 1 && bs.size() == 1;
        if (kind_ == ChainKind::XY && (da != db || as == bs)) return;
        if (singles && as == bs) {
            const int ca = as.front();
            for (Digits ds = static_cast<Digits>(p.candidates(ca) & ~digitBit(da) & ~digitBit(db)); ds != 0;
                 ds &= static_cast<Digits>(ds - 1))
                eliminations.push_back({ca, lowestDigit(ds)});
        } else if (da == db) {
            // A cell that sees all of a node's cells is none of them.
            forEachCell(seeingOf(a) & seeingOf(b) & withDigit_[at(da)], [&](int c) {
                eliminations.push_back({c, da});
            });
        } else if (singles && sees(as.front(), bs.front())) {
            if (p.has(as.front(), db)) eliminations.push_back({as.front(), db});
            if (p.has(bs.front(), da)) eliminations.push_back({bs.front(), da});
        }
    }

    // The step of the chain that ends at `literal`, its nodes in order from the start.
    Step chainStep(int literal) const {
        const Technique technique = kind_ == ChainKind::XY    ? Technique::XYChain
                                    : kind_ == ChainKind::Any ? Technique::ForcingChain
                                    : kind_ == ChainKind::Als ? Technique::AlsChain
                                                              : Technique::GroupedChain;
        Step step{technique, {}, {}, 0, {}, {}};
        for (int l = literal; l >= 0; l = parent_[at(l)]) {
            const int n = l / 2;
            step.chain.push_back(ChainNode{cellsOf(n), digit_[at(n)], (l & 1) != 0});
            for (const int c : cellsOf(n)) step.cells.push_back(c);
            step.digits |= digitBit(digit_[at(n)]);
        }
        std::reverse(step.chain.begin(), step.chain.end());
        // The almost locked sets the chain passes through, in its order.
        std::vector<int> path;
        for (int l = literal; l >= 0; l = parent_[at(l)]) path.push_back(l / 2);
        std::reverse(path.begin(), path.end());
        int last = -1;
        for (const int n : path) {
            if (!isAls(n) || alsSetOf_[at(n - kNodes)] == last) continue;
            last = alsSetOf_[at(n - kNodes)];
            step.sets.push_back(alsSets_[at(last)]);
        }
        return step;
    }

    const Scan& scan_;
    ChainKind kind_;
    std::array<std::vector<int>, kGroups> groupCells_{};
    std::array<CellSet, kGroups> groupSet_{};    // each group's cells as a set
    std::array<CellSet, kGroups> groupSeeing_{}; // the cells that see all of each group's cells
    std::array<CellSet, 10> withDigit_{};        // the cells that hold each digit
    std::vector<int> digit_;
    std::vector<std::vector<int>> alsSets_;  // each almost locked set's cells
    std::vector<int> alsFirst_;              // each set's first node
    std::vector<std::vector<int>> alsCells_; // each set node's cells, from kNodes on
    std::vector<CellSet> alsSet_;            // each set node's cells as a set
    std::vector<CellSet> alsSeeing_;         // the cells that see all of each set node's cells
    std::vector<int> alsSetOf_;              // each set node's set
    std::array<std::vector<int>, 10> alsOfDigit_{};
    std::vector<int> weakAls_;      // the set nodes each candidate sees entirely, candidate by candidate
    std::vector<int> weakAlsFirst_; // where each candidate's set nodes start in weakAls_
    std::array<std::vector<int>, 10> groupsOf_{};
    std::vector<int> parent_; // -2 unvisited, -1 the start
    std::vector<int> queue_;
    std::vector<CellDigit> eliminations_;
    std::vector<Links> strong_, weak_; // each node's links, once made
    std::vector<int> links_;           // the links of all nodes made so far
    std::vector<int> rest_;            // the other places of a digit in a unit, while linking strongly
};

// Where a position has nothing left: a cell without candidates, else a unit without a place for a
// digit it still needs. False when neither.
bool failure(const Position& p, Contradiction& out) {
    for (int c = 0; c < kCellCount; ++c)
        if (p.digit(c) == 0 && p.candidates(c) == 0) {
            out.failCell = c;
            return true;
        }
    for (int n = 0; n < kUnitCount; ++n) {
        const int u = (n + 18) % kUnitCount;
        Digits covered = 0;
        for (const int c : unitCells(u)) covered |= p.digit(c) != 0 ? digitBit(p.digit(c)) : p.candidates(c);
        if (covered != kAllDigits) {
            out.failUnit = unitOf(u);
            out.failDigit = lowestDigit(static_cast<Digits>(kAllDigits & ~covered));
            return true;
        }
    }
    return false;
}

// Where each cell stands in each of its three units (row, column, box): its bit in a unit's mask.
const std::array<std::array<int, 3>, kCellCount>& placesInUnits() {
    static const std::array<std::array<int, 3>, kCellCount> places = [] {
        std::array<std::array<int, 3>, kCellCount> made{};
        for (int c = 0; c < kCellCount; ++c)
            for (int j = 0; j < 3; ++j) {
                const UnitCells& cells = unitCells(unitsOfCell(c)[at(j)]);
                made[at(c)][at(j)] =
                    static_cast<int>(std::find(cells.begin(), cells.end(), c) - cells.begin());
            }
        return made;
    }();
    return places;
}

} // namespace

SinglesState::SinglesState(const Position& p) : units_(p) {
    for (int c = 0; c < kCellCount; ++c) {
        if (p.digit(c) != 0) continue;
        const Digits ds = p.candidates(c);
        if (ds == 0 && emptyCell_ < 0) emptyCell_ = c;
        if (digitCount(ds) == 1) setNaked(c, true);
    }
    for (int u = 0; u < kUnitCount; ++u)
        for (int d = 1; d <= 9; ++d) {
            const unsigned mask = units_.where[at(u)][at(d)];
            if (mask == 0 && (units_.placed[at(u)] & digitBit(d)) == 0) missing_[at(u)] |= digitBit(d);
            if (mask != 0 && (mask & (mask - 1)) == 0) once_[at(u)] |= digitBit(d);
        }
}

int SinglesState::onlyPlace(int u, int d) const {
    return unitCells(u)[at(std::countr_zero(static_cast<unsigned>(units_.where[at(u)][at(d)])))];
}

int SinglesState::firstNaked() const {
    if (naked_[0] != 0) return std::countr_zero(naked_[0]);
    if (naked_[1] != 0) return 64 + std::countr_zero(naked_[1]);
    return -1;
}

void SinglesState::place(Position& p, int cell, int d) {
    for (const int u : unitsOfCell(cell)) units_.placed[at(u)] |= digitBit(d);
    for (Digits ds = p.candidates(cell); ds != 0; ds &= static_cast<Digits>(ds - 1))
        take(cell, lowestDigit(ds));
    setNaked(cell, false);
    for (const int peer : peersOf(cell)) {
        if (!p.has(peer, d)) continue;
        take(peer, d);
        const Digits left = static_cast<Digits>(p.candidates(peer) & ~digitBit(d));
        if (left == 0 && (emptyCell_ < 0 || peer < emptyCell_)) emptyCell_ = peer;
        if (digitCount(left) == 1) setNaked(peer, true);
    }
    p.place(cell, d);
}

void SinglesState::take(int cell, int d) {
    for (int j = 0; j < 3; ++j) {
        const int u = unitsOfCell(cell)[at(j)];
        std::uint16_t& mask = units_.where[at(u)][at(d)];
        mask = static_cast<std::uint16_t>(mask & ~(1u << placesInUnits()[at(cell)][at(j)]));
        if (mask == 0) {
            once_[at(u)] &= static_cast<Digits>(~digitBit(d));
            if ((units_.placed[at(u)] & digitBit(d)) == 0) missing_[at(u)] |= digitBit(d);
        } else if ((mask & (mask - 1)) == 0) {
            once_[at(u)] |= digitBit(d);
        }
    }
}

void SinglesState::setNaked(int cell, bool naked) {
    const std::uint64_t bit = std::uint64_t{1} << (cell % 64);
    std::uint64_t& word = naked_[at(cell / 64)];
    word = naked ? (word | bit) : (word & ~bit);
}

bool singlesFail(Position& p, Contradiction& out, std::size_t limit) {
    return singlesFail(SinglesState(p), p, out, limit);
}

bool singlesFailAfter(const SinglesState& before, Position& p, const CellDigit& assume, Contradiction& out,
                      std::size_t limit) {
    SinglesState state = before;
    state.place(p, assume.cell, assume.digit);
    return singlesFail(state, p, out, limit);
}

bool singlesFail(SinglesState state, Position& p, Contradiction& out, std::size_t limit) {
    while (true) {
        // One pass: a cell without candidates or a unit without a place for a digit ends it; else the first
        // cell with one candidate, or the first digit with one place in a unit (boxes first), is placed.
        if (state.emptyCell() >= 0) {
            out.failCell = state.emptyCell();
            return true;
        }
        int hiddenUnit = -1;
        for (int n = 0; n < kUnitCount; ++n) {
            const int u = (n + 18) % kUnitCount;
            if (state.missing(u) != 0) {
                out.failUnit = unitOf(u);
                out.failDigit = lowestDigit(state.missing(u));
                return true;
            }
            if (hiddenUnit < 0 && state.once(u) != 0) hiddenUnit = u;
        }
        if (out.placements.size() >= limit) return false;
        CellDigit next;
        if (const int cell = state.firstNaked(); cell >= 0) {
            next = {cell, lowestDigit(p.candidates(cell))};
        } else if (hiddenUnit >= 0) {
            next.digit = lowestDigit(state.once(hiddenUnit));
            next.cell = state.onlyPlace(hiddenUnit, next.digit);
        } else {
            return false;
        }
        out.placements.push_back(next);
        state.place(p, next.cell, next.digit);
    }
}

namespace {

// Whether the position can still be completed: singles, then the cell with fewest candidates tried.
bool hasCompletion(Position p) {
    Contradiction ignored;
    if (singlesFail(p, ignored, kCellCount)) return false;
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

// The techniques a contradiction may use between its singles: everything below the chains.
constexpr Technique kHardestInner = Technique::WWing;

} // namespace

std::vector<CellDigit> neededSingles(const Position& start, const CellDigit& assume,
                                     const std::vector<CellDigit>& placements, const SinglesTarget& target) {
    std::vector<CellDigit> made = {assume};
    made.insert(made.end(), placements.begin(), placements.end());
    const int count = static_cast<int>(made.size());
    // The first placement before `before` that takes d from `cell`: d in a peer, or a digit in the cell.
    const auto takenBy = [&](int cell, int d, int before) {
        for (int i = 0; i < before; ++i)
            if (made[at(i)].cell == cell || (made[at(i)].digit == d && sees(made[at(i)].cell, cell))) return i;
        return -1;
    };
    std::vector<bool> needed(at(count), false);
    needed[0] = true;
    const auto need = [&](int i) {
        if (i >= 0) needed[at(i)] = true;
    };
    for (const CellDigit& x : target.placed)
        for (int k = 0; k < count; ++k)
            if (made[at(k)] == x) need(k);
    for (const CellDigit& x : target.removed) need(takenBy(x.cell, x.digit, count));
    if (target.failCell >= 0) {
        for (Digits ds = start.candidates(target.failCell); ds != 0; ds &= static_cast<Digits>(ds - 1))
            need(takenBy(target.failCell, lowestDigit(ds), count));
    } else if (target.failUnit.kind != UnitKind::None) {
        for (const int c : unitCells(unitNumber(target.failUnit)))
            if (start.has(c, target.failDigit)) need(takenBy(c, target.failDigit, count));
    }
    for (int k = count - 1; k >= 1; --k) {
        if (!needed[at(k)]) continue;
        const CellDigit x = made[at(k)];
        // A cell with one candidate left...
        bool naked = true;
        for (Digits ds = static_cast<Digits>(start.candidates(x.cell) & ~digitBit(x.digit)); ds != 0 && naked;
             ds &= static_cast<Digits>(ds - 1))
            naked = takenBy(x.cell, lowestDigit(ds), k) >= 0;
        if (naked) {
            for (Digits ds = static_cast<Digits>(start.candidates(x.cell) & ~digitBit(x.digit)); ds != 0;
                 ds &= static_cast<Digits>(ds - 1))
                need(takenBy(x.cell, lowestDigit(ds), k));
            continue;
        }
        // ...or a digit with one place left in a unit.
        for (const int u : unitsOfCell(x.cell)) {
            bool hidden = true;
            for (const int c : unitCells(u))
                if (c != x.cell && start.has(c, x.digit)) hidden = hidden && takenBy(c, x.digit, k) >= 0;
            if (!hidden) continue;
            for (const int c : unitCells(u))
                if (c != x.cell && start.has(c, x.digit)) need(takenBy(c, x.digit, k));
            break;
        }
    }
    std::vector<CellDigit> kept;
    for (int k = 1; k < count; ++k)
        if (needed[at(k)]) kept.push_back(made[at(k)]);
    return kept;
}

namespace {

// Keeps only the singles that the failure rests on, in their order: each kept single is still a single
// at its turn with the others gone, since what made it one was an earlier kept placement.
void keepNeeded(const Position& start, Contradiction& proof) {
    SinglesTarget target;
    target.failCell = proof.failCell;
    target.failUnit = proof.failUnit;
    target.failDigit = proof.failDigit;
    proof.placements = neededSingles(start, proof.assume, proof.placements, target);
}

// An assumption followed as far as it goes without failing: the position it leaves, its singles and
// the steps taken after them.
struct Followed {
    Position position;
    Contradiction proof;
    std::vector<Step> inner;
    bool stalled = false; // the steps find nothing in `position`
};

// The contradiction that singles alone prove with the fewest singles it needs (or, when not `shortest`,
// the first found), trying the empty cells fewest candidates first. When none fails, each assumption's
// singles go into `stalled` (if given) in that order.
std::optional<Step> singlesContradiction(const Position& p, bool shortest,
                                         std::vector<Followed>* stalled = nullptr) {
    std::optional<Step> best;
    const SinglesState before(p);
    for (const int cell : trialOrder(p))
        for (Digits ds = p.candidates(cell); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
            const int d = lowestDigit(ds);
            Position assumed = p;
            Contradiction proof{{cell, d}, {}};
            if (!singlesFailAfter(before, assumed, {cell, d}, proof, kCellCount)) {
                if (stalled && !best) stalled->push_back({assumed, std::move(proof), {}});
                continue;
            }
            keepNeeded(p, proof);
            if (best && best->contradiction->placements.size() <= proof.placements.size()) continue;
            best = Step{Technique::Contradiction, {}, {cell}, digitBit(d), {}, {{cell, d}}};
            best->contradiction = proof;
            if (proof.placements.empty() || !shortest) return best;
        }
    return best;
}

// Whether a single inside a proof is still the single it says where it stands: the unit's last empty
// cell, the cell's last candidate, or the digit's last place in the unit.
bool singleHolds(const Position& p, const Step& step) {
    const CellDigit& x = step.placements.front();
    if (p.digit(x.cell) != 0 || !p.has(x.cell, x.digit)) return false;
    if (step.technique == Technique::NakedSingle) return p.candidates(x.cell) == digitBit(x.digit);
    for (const int c : unitCells(unitNumber(step.unit))) {
        if (c == x.cell) continue;
        if (step.technique == Technique::FullHouse ? p.digit(c) == 0 : p.has(c, x.digit)) return false;
    }
    return true;
}

bool proofHolds(const Position& start, const Step& step, bool uniqueSolution);

// Whether a step inside a proof is found in `p`: a single as a single, a nested contradiction by its own
// proof, any other step as its technique finds it.
bool innerStepHolds(const Position& p, const Step& inner, bool uniqueSolution) {
    return inner.contradiction         ? proofHolds(p, inner, uniqueSolution)
           : isSingle(inner.technique) ? singleHolds(p, inner)
                                       : findWith(Scan(p, uniqueSolution), inner.technique) == inner;
}

// The position after a contradiction's assumption and its placements, each a single at its turn; none
// when they do not stand from `start`.
std::optional<Position> afterSingles(Position p, const Step& step) {
    const Contradiction& proof = *step.contradiction;
    if (!p.has(proof.assume.cell, proof.assume.digit)) return std::nullopt;
    p.place(proof.assume.cell, proof.assume.digit);
    for (const CellDigit& x : proof.placements) {
        if (!singleStep(p, x)) return std::nullopt;
        p.place(x.cell, x.digit);
    }
    return p;
}

// Whether a contradiction's inner steps from the `from`-th on stand in `p` (the position before that
// step), each found where it is, and the failure the proof names is reached at the end.
bool innerStepsHold(Position p, const Step& step, std::size_t from, bool uniqueSolution) {
    for (std::size_t i = from; i < step.inner.size(); ++i) {
        if (!innerStepHolds(p, step.inner[i], uniqueSolution)) return false;
        applyStep(p, step.inner[i]);
    }
    const Contradiction& proof = *step.contradiction;
    if (proof.failCell >= 0) return p.digit(proof.failCell) == 0 && p.candidates(proof.failCell) == 0;
    for (const int c : unitCells(unitNumber(proof.failUnit)))
        if (p.digit(c) == proof.failDigit || p.has(c, proof.failDigit)) return false;
    return true;
}

// Whether a contradiction's proof stands from `start`: its assumption a candidate, each placement a
// single at its turn, each inner step found there, and the failure it names reached at the end.
bool proofHolds(const Position& start, const Step& step, bool uniqueSolution) {
    const std::optional<Position> p = afterSingles(start, step);
    return p && innerStepsHold(*p, step, 0, uniqueSolution);
}

// Cuts a contradiction's proof down to what its failure rests on: each inner step, each placement and
// each placement of a nested contradiction, latest first, is dropped when the proof still stands
// without it. What is left needs every piece: without any one of them the proof no longer stands.
void pruneProof(const Position& start, Step& step, bool uniqueSolution) {
    // While the inner steps are tried, latest first, the steps before the one tried stay as they are:
    // the position before each (as far as the proof stands up to it) is made once, and a trial goes on
    // from there.
    std::vector<Position> before;
    if (std::optional<Position> p = afterSingles(start, step)) {
        before.push_back(*p);
        for (std::size_t i = 0;
             i + 1 < step.inner.size() && innerStepHolds(*p, step.inner[i], uniqueSolution); ++i) {
            applyStep(*p, step.inner[i]);
            before.push_back(*p);
        }
    }
    const auto holdsFrom = [&](std::size_t i) {
        return i < before.size() && innerStepsHold(before[i], step, i, uniqueSolution);
    };
    // Drops placements[k] when `holds` still says yes without it.
    const auto tryWithoutPlacement = [](std::vector<CellDigit>& placements, std::size_t k, auto&& holds) {
        const CellDigit x = placements[k];
        placements.erase(placements.begin() + static_cast<std::ptrdiff_t>(k));
        if (!holds()) placements.insert(placements.begin() + static_cast<std::ptrdiff_t>(k), x);
    };
    for (std::size_t i = step.inner.size(); i-- > 0;) {
        const auto it = step.inner.begin() + static_cast<std::ptrdiff_t>(i);
        Step dropped = std::move(*it);
        step.inner.erase(it);
        if (holdsFrom(i)) continue;
        step.inner.insert(step.inner.begin() + static_cast<std::ptrdiff_t>(i), std::move(dropped));
        if (!step.inner[i].contradiction) continue;
        for (std::size_t k = step.inner[i].contradiction->placements.size(); k-- > 0;)
            tryWithoutPlacement(step.inner[i].contradiction->placements, k, [&] { return holdsFrom(i); });
    }
    for (std::size_t k = step.contradiction->placements.size(); k-- > 0;)
        tryWithoutPlacement(step.contradiction->placements, k,
                            [&] { return proofHolds(start, step, uniqueSolution); });
}

// Follows an assumption, its singles already placed, with the solver's own steps below the chains (and,
// when `nested`, with the first contradiction of singles found where they stall) until the position
// fails; the steps go into `inner`. False when it does not fail: `followed` is then where it stalls, so
// that a later, nested pass goes on from there.
bool stepsFail(Followed& followed, const Scan& outer, bool nested) {
    Position& p = followed.position;
    while (true) {
        std::optional<Step> step;
        if (!followed.stalled) {
            const Scan scan(p, outer.uniqueSolution);
            for (const Technique t : allTechniques()) {
                if (static_cast<int>(t) > static_cast<int>(kHardestInner)) break;
                if ((step = findWith(scan, t))) break;
            }
        }
        followed.stalled = !step;
        if (!step && nested) step = singlesContradiction(p, false);
        if (!step) return false;
        followed.stalled = false;
        applyStep(p, *step);
        followed.inner.push_back(std::move(*step));
        if (failure(p, followed.proof)) return true;
    }
}

} // namespace

std::optional<Step> findXYChain(const Scan& scan) {
    return ChainSearch(scan, ChainKind::XY).find();
}

std::optional<Step> findForcingChain(const Scan& scan) {
    return ChainSearch(scan, ChainKind::Any).find();
}

std::optional<Step> findGroupedChain(const Scan& scan) {
    return ChainSearch(scan, ChainKind::Grouped).find();
}

std::optional<Step> findAlsChain(const Scan& scan) {
    return ChainSearch(scan, ChainKind::Als).find();
}

std::optional<Step> findContradiction(const Scan& scan) {
    const Position& p = scan.position;
    // First the candidate whose singles fail soonest; then the first whose steps fail, and then the
    // first whose steps with contradictions inside fail.
    std::vector<Followed> stalled;
    if (auto step = singlesContradiction(p, true, &stalled)) {
        pruneProof(p, *step, scan.uniqueSolution);
        return step;
    }
    // No assumption fails by singles alone: each goes on from where its singles stopped, first with the
    // steps and then, where those stall, with contradictions inside.
    for (const bool nested : {false, true})
        for (Followed& followed : stalled) {
            if (!stepsFail(followed, scan, nested)) continue;
            const CellDigit assume = followed.proof.assume;
            Step step{Technique::Contradiction, {}, {assume.cell}, digitBit(assume.digit), {}, {assume}};
            step.contradiction = std::move(followed.proof);
            step.inner = std::move(followed.inner);
            pruneProof(p, step, scan.uniqueSolution);
            return step;
        }
    return std::nullopt;
}

std::optional<Step> findGuess(const Scan& scan) {
    const Position& p = scan.position;
    for (const int cell : trialOrder(p))
        for (Digits ds = p.candidates(cell); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
            const int d = lowestDigit(ds);
            Position assumed = p;
            assumed.place(cell, d);
            if (!hasCompletion(assumed)) return Step{Technique::Guess, {}, {cell}, digitBit(d), {}, {{cell, d}}};
        }
    return std::nullopt;
}

} // namespace dodoru::logic::detail
