// Every step is sound: a placement is the solution's digit and an elimination never removes the
// solution's digit; every path ends with the grid solved, and the rating is that of its hardest step.
// A chain is replayed link by link and a contradiction single by single, each against the position
// it was found in. Checked over seeded puzzles of every level and over the hard set.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "generator.h"
#include "logicsolver.h"
#include "seededrandom.h"
#include "techniques.h"

namespace {

using namespace dodoru;
using namespace dodoru::logic;

constexpr int kPuzzlesPerLevel = 400;

std::size_t at(std::ptrdiff_t i) {
    return static_cast<std::size_t>(i);
}

bool holds(const std::vector<int>& cells, int cell) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}
bool allSee(const std::vector<int>& a, const std::vector<int>& b) {
    for (const int x : a)
        for (const int y : b)
            if (!sees(x, y)) return false;
    return true;
}

// A strong link: one of the two nodes is true. The only two candidates of a cell, or a digit's places in
// a unit that are exactly the two nodes' cells.
bool strong(const Position& p, const ChainNode& a, const ChainNode& b) {
    if (a.cells.size() == 1 && a.cells == b.cells)
        return a.digit != b.digit && p.candidates(a.cells[0]) == (digitBit(a.digit) | digitBit(b.digit));
    if (a.digit != b.digit) return false;
    for (int u = 0; u < kUnitCount; ++u) {
        std::vector<int> places;
        for (const int c : unitCells(u))
            if (p.has(c, a.digit)) places.push_back(c);
        std::vector<int> both = a.cells;
        both.insert(both.end(), b.cells.begin(), b.cells.end());
        std::sort(both.begin(), both.end());
        if (places == both) return true;
    }
    return false;
}

// A strong link through an almost locked set of the step (n cells, n + 1 digits): without the first
// node's digit the set's other digits are locked in it, so the second node's digit is in its cells.
bool alsLink(const Position& p, const std::vector<std::vector<int>>& sets, const ChainNode& a, const ChainNode& b) {
    for (const std::vector<int>& set : sets) {
        Digits digits = 0;
        for (const int c : set) digits |= p.candidates(c);
        if (a.digit == b.digit || digitCount(digits) != static_cast<int>(set.size()) + 1) continue;
        const auto with = [&](int d) {
            std::vector<int> cells;
            for (const int c : set)
                if (p.has(c, d)) cells.push_back(c);
            return cells;
        };
        if (with(a.digit) == a.cells && with(b.digit) == b.cells) return true;
    }
    return false;
}

// A weak link: the two nodes are not both true.
bool weak(const ChainNode& a, const ChainNode& b) {
    if (a.cells.size() == 1 && a.cells == b.cells) return a.digit != b.digit;
    if (a.digit != b.digit) return false;
    for (const int c : a.cells)
        if (holds(b.cells, c)) return false;
    return allSee(a.cells, b.cells);
}

// Whether `node` being true makes the candidate false.
bool excludes(const ChainNode& node, const CellDigit& x) {
    if (node.cells.size() == 1 && node.cells[0] == x.cell) return node.digit != x.digit;
    return node.digit == x.digit && !holds(node.cells, x.cell) && allSee(node.cells, {x.cell});
}

// Replays a chain: first off, last on, links alternating strong and weak; what it removes is false
// whichever end is true, what it places is its start come back on.
std::string chainFault(const Position& p, const Step& step) {
    const std::vector<ChainNode>& chain = step.chain;
    if (chain.size() < 2 || chain.front().on || !chain.back().on) return "chain ends";
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        if (chain[i].on == chain[i + 1].on) return "chain does not alternate at node " + std::to_string(i + 1);
        const bool link = chain[i].on ? weak(chain[i], chain[i + 1])
                                      : strong(p, chain[i], chain[i + 1]) || alsLink(p, step.sets, chain[i], chain[i + 1]);
        if (!link) return "no link after node " + std::to_string(i + 1);
    }
    for (const CellDigit& x : step.eliminations)
        if (!excludes(chain.front(), x) || !excludes(chain.back(), x)) return "elimination not seen by both ends";
    for (const CellDigit& placed : step.placements)
        if (chain.front().cells != chain.back().cells || chain.front().digit != chain.back().digit ||
            chain.front().cells != std::vector<int>{placed.cell} || chain.front().digit != placed.digit)
            return "placement is not the chain's start";
    return "";
}

bool isSingle(const Position& p, const CellDigit& x) {
    if (p.digit(x.cell) != 0 || !p.has(x.cell, x.digit)) return false;
    if (p.candidates(x.cell) == digitBit(x.digit)) return true;
    for (const int u : unitsOfCell(x.cell)) {
        int places = 0;
        for (const int c : unitCells(u)) places += p.has(c, x.digit) ? 1 : 0;
        if (places == 1) return true;
    }
    return false;
}

// Whether an inner single is the single it names: the cell's last candidate, the digit's last place in
// the unit, or the unit's last empty cell.
bool innerSingleHolds(const Position& p, const Step& step) {
    const CellDigit& x = step.placements.at(0);
    if (step.placements.size() != 1 || !step.eliminations.empty() || p.digit(x.cell) != 0 ||
        !p.has(x.cell, x.digit))
        return false;
    if (step.technique == Technique::NakedSingle) return p.candidates(x.cell) == digitBit(x.digit);
    for (const int c : unitCells(unitNumber(step.unit)))
        if (c != x.cell && (step.technique == Technique::FullHouse ? p.digit(c) == 0 : p.has(c, x.digit)))
            return false;
    return true;
}

// Replays a contradiction: the assumption, each placement a single at its turn, each inner step a
// single where it stands or the one its technique finds there (an inner contradiction replayed the
// same way), and the failure it ends in.
std::string contradictionFault(Position p, const Step& step) {
    const Contradiction& proof = *step.contradiction;
    if (step.eliminations != std::vector<CellDigit>{proof.assume}) return "removes other than its assumption";
    if (!p.has(proof.assume.cell, proof.assume.digit)) return "assumes what is not there";
    p.place(proof.assume.cell, proof.assume.digit);
    for (const CellDigit& x : proof.placements) {
        if (!isSingle(p, x)) return "placement r" + std::to_string(x.cell / 9 + 1) + "c" +
                                    std::to_string(x.cell % 9 + 1) + " is not a single";
        p.place(x.cell, x.digit);
    }
    for (const Step& inner : step.inner) {
        if (inner.contradiction) {
            const std::string fault = contradictionFault(p, inner);
            if (!fault.empty()) return "inner: " + fault;
        } else if (inner.technique == Technique::FullHouse || inner.technique == Technique::NakedSingle ||
                   inner.technique == Technique::HiddenSingle) {
            if (!innerSingleHolds(p, inner)) return "inner single is not one";
        } else if (findStep(p, inner.technique, StepOptions{true}) != inner) {
            return "inner step not found there";
        }
        applyStep(p, inner);
    }
    if (proof.failCell >= 0)
        return p.digit(proof.failCell) == 0 && p.candidates(proof.failCell) == 0 ? "" : "cell not empty";
    for (const int c : unitCells(unitNumber(proof.failUnit)))
        if (p.digit(c) == proof.failDigit || p.has(c, proof.failDigit)) return "unit still has a place";
    return "";
}

int netBranches = 0;       // branches of forcing nets replayed so far
int branchesCutShort = 0;  // branches whose singles, followed on, would run into a contradiction

// Whether singles followed on from `q` run into a contradiction.
bool singlesFailFrom(Position q) {
    while (!q.broken()) {
        std::optional<Step> single;
        for (const Technique t : {Technique::FullHouse, Technique::NakedSingle, Technique::HiddenSingle})
            if ((single = findStep(q, t))) break;
        if (!single) return false;
        applyStep(q, *single);
    }
    return true;
}

// Replays a forcing chain: its assumptions are every candidate of one cell or every place of one digit
// in one unit; in each branch every placement is a single at its turn, every step of a net found there,
// nothing fails, and what the step places and removes is placed and removed at the branch's end.
std::string branchFault(const Position& p, const Step& step) {
    std::vector<CellDigit> assumed;
    for (const Branch& branch : step.branches) assumed.push_back(branch.assume);
    std::vector<CellDigit> expected;
    if (step.technique == Technique::CellForcingChain) {
        const int cell = assumed.front().cell;
        for (int d = 1; d <= 9; ++d)
            if (p.has(cell, d)) expected.push_back({cell, d});
    } else {
        const int u = step.unit.kind == UnitKind::Row ? step.unit.index
                      : step.unit.kind == UnitKind::Column ? 9 + step.unit.index
                                                           : 18 + step.unit.index;
        for (const int c : unitCells(u))
            if (p.has(c, assumed.front().digit)) expected.push_back({c, assumed.front().digit});
    }
    if (assumed != expected) return "branches do not cover the cell or unit";
    for (const Branch& branch : step.branches) {
        Position q = p;
        q.place(branch.assume.cell, branch.assume.digit);
        for (const CellDigit& x : branch.placements) {
            if (!isSingle(q, x)) return "branch placement is not a single";
            q.place(x.cell, x.digit);
        }
        for (const Step& inner : branch.inner) {
            const bool single =
                inner.technique == Technique::NakedSingle || inner.technique == Technique::HiddenSingle;
            if (single ? !innerSingleHolds(q, inner) : findStep(q, inner.technique) != inner)
                return "branch step not found there";
            applyStep(q, inner);
        }
        if (q.broken()) return "branch fails";
        branchesCutShort += singlesFailFrom(q) ? 1 : 0;
        for (const CellDigit& x : step.placements)
            if (q.digit(x.cell) != x.digit) return "placement not made in a branch";
        for (const CellDigit& x : step.eliminations)
            if (q.digit(x.cell) == x.digit || q.has(x.cell, x.digit)) return "elimination not made in a branch";
    }
    return "";
}


// Checks one puzzle's path; returns the techniques it used, as a bit set.
std::uint64_t checkPath(const DigitGrid& givens, const std::string& name) {
    const Explanation e = explain(givens);
    EXPECT_EQ(e.verdict, PuzzleVerdict::Unique) << name;
    if (e.verdict != PuzzleVerdict::Unique) return 0;
    EXPECT_TRUE(e.solved) << name;
    Position position = Position::fromDigits(givens);
    int hardest = 0;
    std::uint64_t used = 0;
    for (std::size_t n = 0; n < e.steps.size(); ++n) {
        const Step& step = e.steps[n];
        used |= std::uint64_t{1} << static_cast<int>(step.technique);
        hardest = std::max(hardest, step.ratingTenths());
        EXPECT_FALSE(step.placements.empty() && step.eliminations.empty()) << name << " step " << n + 1;
        for (const CellDigit& p : step.placements)
            EXPECT_EQ(p.digit, e.solution[static_cast<std::size_t>(p.cell)])
                << name << " step " << n + 1 << " " << techniqueId(step.technique) << " places a wrong digit";
        for (const CellDigit& x : step.eliminations) {
            EXPECT_NE(x.digit, e.solution[static_cast<std::size_t>(x.cell)])
                << name << " step " << n + 1 << " " << techniqueId(step.technique) << " removes the solution";
            EXPECT_TRUE(position.has(x.cell, x.digit))
                << name << " step " << n + 1 << " removes what is not there";
        }
        if (!step.chain.empty()) {
            EXPECT_EQ(chainFault(position, step), "") << name << " step " << n + 1 << " " << techniqueId(step.technique);
        }
        if (step.contradiction) {
            EXPECT_EQ(contradictionFault(position, step), "") << name << " step " << n + 1;
        }
        if (!step.branches.empty()) {
            EXPECT_EQ(branchFault(position, step), "") << name << " step " << n + 1;
            for (const Branch& branch : step.branches) netBranches += branch.inner.empty() ? 0 : 1;
        }
        if (testing::Test::HasFailure()) return used;
        applyStep(position, step);
    }
    EXPECT_EQ(position.digits(), e.solution) << name;
    EXPECT_EQ(e.ratingTenths, hardest) << name;
    return used;
}

TEST(Soundness, SeededPuzzlesOfEveryLevel) {
    std::uint64_t used = 0;
    for (int level = 1; level <= 5; ++level) {
        Board board;
        WindowState state;
        NoEventPump pump;
        Engine engine(board, state, pump);
        SeededRandom random(static_cast<std::uint64_t>(2026 + level));
        Generator generator(engine, random);
        for (int n = 0; n < kPuzzlesPerLevel; ++n) {
            ASSERT_EQ(generator.generate(level).outcome, GenerationOutcome::Accepted);
            DigitGrid givens{};
            for (int c = 0; c < kCellCount; ++c)
                givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
            used |= checkPath(givens, "level " + std::to_string(level) + " puzzle " + std::to_string(n + 1));
            if (HasFailure()) return;
        }
    }
    // The generated puzzles reach beyond singles.
    EXPECT_NE(used & ~std::uint64_t{7}, 0u);
}

// Every `every`-th puzzle of a file of puzzles (one a line, '#' lines skipped), at least `least` of them;
// returns the techniques used.
std::uint64_t checkFile(const char* path, int least, int every) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::string line;
    int count = 0, lines = 0;
    std::uint64_t used = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        EXPECT_EQ(line.size(), 81u) << line;
        if (line.size() != 81) return used;
        if (lines++ % every != 0) continue;
        DigitGrid givens{};
        for (std::size_t c = 0; c < 81; ++c)
            givens[c] = static_cast<std::uint8_t>(line[c] >= '1' && line[c] <= '9' ? line[c] - '0' : 0);
        used |= checkPath(givens, line);
        if (testing::Test::HasFailure()) return used;
        ++count;
    }
    EXPECT_GE(count, least) << path;
    return used;
}

constexpr std::uint64_t bit(Technique t) {
    return std::uint64_t{1} << static_cast<int>(t);
}

TEST(Soundness, HardSet) {
    const std::uint64_t used = checkFile(DODORU_HARD_PUZZLES, 10, 1);
    // The hardest of them need chains, and contradictions.
    EXPECT_NE(used & bit(Technique::ForcingChain), 0u);
    EXPECT_NE(used & bit(Technique::Contradiction), 0u);
}

// A quarter of the made set keeps the suite quick; the benchmark explains all of it.
TEST(Soundness, MadeHardSet) {
    const std::uint64_t used = checkFile(DODORU_MADE_HARD_SET, 25, 4);
    // Cell and unit forcing chains take part, nets among them, and branches that stop short of a
    // contradiction further on.
    EXPECT_GT(netBranches, 0);
    EXPECT_GT(branchesCutShort, 0);
    EXPECT_NE(used & bit(Technique::CellForcingChain), 0u);
    EXPECT_NE(used & bit(Technique::UnitForcingChain), 0u);
}

// Singles as the plain rule states them: each pass reads the whole grid, a cell without candidates or
// a unit without a place for a digit ends the run, else the first cell with one candidate, or the first
// digit with one place in a unit (boxes first), is placed.
bool singlesFailByPasses(Position& p, Contradiction& out, std::size_t limit) {
    while (true) {
        for (int c = 0; c < 81; ++c)
            if (p.digit(c) == 0 && p.candidates(c) == 0) {
                out.failCell = c;
                return true;
            }
        std::optional<CellDigit> next;
        for (int c = 0; c < 81 && !next; ++c)
            if (p.digit(c) == 0 && digitCount(p.candidates(c)) == 1)
                next = CellDigit{c, lowestDigit(p.candidates(c))};
        for (int n = 0; n < kUnitCount; ++n) {
            const int u = (n + 18) % kUnitCount;
            for (int d = 1; d <= 9; ++d) {
                std::vector<int> places;
                bool placed = false;
                for (const int c : unitCells(u)) {
                    placed = placed || p.digit(c) == d;
                    if (p.has(c, d)) places.push_back(c);
                }
                if (!placed && places.empty()) {
                    out.failUnit = unitOf(u);
                    out.failDigit = d;
                    return true;
                }
                if (!next && places.size() == 1) next = CellDigit{places[0], d};
            }
        }
        if (out.placements.size() >= limit || !next) return false;
        out.placements.push_back(*next);
        p.place(next->cell, next->digit);
    }
}

// The singles that follow each candidate of the hard puzzles, assumed in turn, with and without a limit,
// whether their state is read from the position with the candidate placed or from the position before
// it: the same placements, the same failure and the same position as a whole pass over the grid each time.
TEST(Soundness, SinglesTakeTheFirstSingleOfTheWholeGrid) {
    std::ifstream in(DODORU_HARD_PUZZLES);
    std::string line;
    int runs = 0, failures = 0;
    while (std::getline(in, line)) {
        if (line.size() != 81 || line[0] == '#') continue;
        DigitGrid givens{};
        for (std::size_t c = 0; c < 81; ++c)
            givens[c] = static_cast<std::uint8_t>(line[c] >= '1' && line[c] <= '9' ? line[c] - '0' : 0);
        const Position start = Position::fromDigits(givens);
        const detail::SinglesState before(start);
        for (int c = 0; c < 81; ++c)
            for (int d = 1; d <= 9; ++d)
                for (const std::size_t limit : {std::size_t{3}, std::size_t{81}}) {
                    if (!start.has(c, d)) continue;
                    const std::string where = line + " r" + std::to_string(c / 9 + 1) + "c" +
                                              std::to_string(c % 9 + 1) + "=" + std::to_string(d);
                    Position plain = start;
                    plain.place(c, d);
                    Contradiction expected;
                    expected.assume = CellDigit{c, d};
                    const bool fails = singlesFailByPasses(plain, expected, limit);
                    for (const bool fromBefore : {false, true}) {
                        Position p = start;
                        Contradiction out;
                        out.assume = CellDigit{c, d};
                        if (!fromBefore) p.place(c, d);
                        EXPECT_EQ(fromBefore ? detail::singlesFailAfter(before, p, {c, d}, out, limit)
                                             : detail::singlesFail(p, out, limit),
                                  fails)
                            << where;
                        EXPECT_EQ(out, expected) << where;
                        EXPECT_TRUE(p.digits() == plain.digits() &&
                                    p.candidateGrid() == plain.candidateGrid())
                            << where;
                    }
                    ++runs;
                    failures += fails ? 1 : 0;
                }
    }
    // Both ends are met: runs that fail and runs that stall.
    EXPECT_GT(failures, 0);
    EXPECT_LT(failures, runs);
}

// A contradiction keeps exactly what its failure rests on: its proof stands, and without any one of its
// placements, inner steps or a nested contradiction's placements it no longer does. Easter Monster, AI
// Escargot and one of the other seven of the hard set.
TEST(Soundness, ContradictionsKeepOnlyWhatTheyRestOn) {
    for (const char* puzzle :
         {"1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
          "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
          ".2.4.37.........32........4.4.2...7.8...5.........1...5.....9...3.9....7..1..86.."}) {
        DigitGrid givens{};
        for (std::size_t c = 0; c < 81; ++c)
            givens[c] = static_cast<std::uint8_t>(puzzle[c] == '.' ? 0 : puzzle[c] - '0');
        Position position = Position::fromDigits(givens);
        int checked = 0, withInner = 0;
        for (const Step& step : explain(givens).steps) {
            if (step.contradiction && checked++ < 3) {
                withInner += step.inner.empty() ? 0 : 1;
                EXPECT_EQ(contradictionFault(position, step), "") << puzzle;
                // The fault without inner step i (or the top-level placement k when i < 0, or inner step
                // i's placement k).
                const auto without = [&](std::ptrdiff_t i, std::ptrdiff_t k) {
                    Step cut = step;
                    if (k < 0) {
                        cut.inner.erase(cut.inner.begin() + i);
                    } else {
                        auto& list = i < 0 ? cut.contradiction->placements
                                           : cut.inner[at(i)].contradiction->placements;
                        list.erase(list.begin() + k);
                    }
                    return contradictionFault(position, cut);
                };
                const auto count = [](const Step& s) {
                    return static_cast<std::ptrdiff_t>(s.contradiction->placements.size());
                };
                for (std::ptrdiff_t k = 0; k < count(step); ++k)
                    EXPECT_NE(without(-1, k), "") << puzzle << " " << k;
                for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(step.inner.size()); ++i) {
                    EXPECT_NE(without(i, -1), "") << puzzle << " inner " << i;
                    for (std::ptrdiff_t k = 0;
                         step.inner[at(i)].contradiction && k < count(step.inner[at(i)]); ++k)
                        EXPECT_NE(without(i, k), "") << puzzle << " inner " << i << " " << k;
                }
            }
            applyStep(position, step);
        }
        EXPECT_GT(withInner, 0) << puzzle;
    }
}

} // namespace
