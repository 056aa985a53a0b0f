// Cell and unit forcing chains: every candidate of a cell, or every place of a digit in a unit, is
// assumed in turn and followed by singles. One of them is true, so whatever every branch places or
// removes holds. A branch that fails is left to the contradictions: here each branch must stand.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include "techniques.h"

namespace dodoru::logic::detail {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// At most this many candidates in the cell, or places in the unit, so that the branches stay few; and
// at most this many singles a branch, so that each stays short enough to follow (and the search quick).
constexpr int kMostBranches = 9;
constexpr std::size_t kMostSingles = 16;

// One branch followed to its end: when each candidate was placed or removed, by the assumption at
// turn 1 and the singles after it; 0 while still open.
struct Run {
    bool fails = false;
    Contradiction singles;
    std::array<std::array<std::int8_t, 10>, kCellCount> placedAt{};
    std::array<std::array<std::int8_t, 10>, kCellCount> removedAt{};
};

Run follow(const Position& p, const CellDigit& assume) {
    Run run;
    Position after = p;
    after.place(assume.cell, assume.digit);
    run.singles = Contradiction{assume, {}};
    run.fails = singlesFail(after, run.singles, kMostSingles);
    if (run.fails) return run;
    std::vector<CellDigit> made = {assume};
    made.insert(made.end(), run.singles.placements.begin(), run.singles.placements.end());
    for (std::size_t turn = 0; turn < made.size(); ++turn) {
        const CellDigit x = made[turn];
        const auto when = static_cast<std::int8_t>(turn + 1);
        run.placedAt[at(x.cell)][at(x.digit)] = when;
        const auto remove = [&](int cell, int digit) {
            std::int8_t& slot = run.removedAt[at(cell)][at(digit)];
            if (slot == 0 && p.has(cell, digit)) slot = when;
        };
        for (Digits ds = static_cast<Digits>(p.candidates(x.cell) & ~digitBit(x.digit)); ds != 0;
             ds &= static_cast<Digits>(ds - 1))
            remove(x.cell, lowestDigit(ds));
        for (const int peer : peersOf(x.cell)) remove(peer, x.digit);
    }
    return run;
}

// The runs of one position, each candidate's made once and shared by the cell and the unit search
// (a candidate stands in one cell and three units).
class Runs {
public:
    const Run& of(const Position& p, const CellDigit& assume) {
        if (p.digits() != digits_ || p.candidateGrid() != candidates_) {
            digits_ = p.digits();
            candidates_ = p.candidateGrid();
            for (auto& run : runs_) run.reset();
        }
        std::unique_ptr<Run>& run = runs_[at(assume.cell * 9 + assume.digit - 1)];
        if (!run) run = std::make_unique<Run>(follow(p, assume));
        return *run;
    }

private:
    DigitGrid digits_{};
    CandidateGrid candidates_{};
    std::array<std::unique_ptr<Run>, kCellCount * 9> runs_{};
};

Runs& runsOfThisThread() {
    thread_local Runs runs;
    return runs;
}

struct Conclusion {
    CellDigit candidate;
    bool placed = false;
    int cost = std::numeric_limits<int>::max(); // the turns the branches take to reach it, summed
};

// The conclusion the branches reach soonest, placements before removals on a tie.
Conclusion soonest(const Position& p, const std::vector<const Run*>& runs) {
    Conclusion best;
    for (int c = 0; c < kCellCount; ++c) {
        if (p.digit(c) != 0) continue;
        for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
            const int d = lowestDigit(ds);
            for (const bool placed : {true, false}) {
                int cost = 0;
                for (const Run* run : runs) {
                    const int when = placed ? run->placedAt[at(c)][at(d)] : run->removedAt[at(c)][at(d)];
                    if (when == 0) {
                        cost = -1;
                        break;
                    }
                    cost += when;
                }
                if (cost >= 0 && cost < best.cost) best = Conclusion{{c, d}, placed, cost};
            }
        }
    }
    return best;
}

// Builds the step of the best conclusion: each branch cut to the singles it needs, and every
// placement and removal that all the cut branches make.
std::optional<Step> forcingStep(const Position& p, Technique technique, const std::vector<const Run*>& runs,
                                const Conclusion& conclusion) {
    SinglesTarget target;
    (conclusion.placed ? target.placed : target.removed).push_back(conclusion.candidate);
    Step step{technique, {}, {}, 0, {}, {}};
    std::vector<Position> ends;
    for (const Run* run : runs) {
        Branch branch{run->singles.assume, neededSingles(p, run->singles.assume, run->singles.placements, target)};
        Position end = p;
        end.place(branch.assume.cell, branch.assume.digit);
        for (const CellDigit& x : branch.placements) end.place(x.cell, x.digit);
        ends.push_back(end);
        step.cells.push_back(branch.assume.cell);
        step.digits |= digitBit(branch.assume.digit);
        step.branches.push_back(std::move(branch));
    }
    for (int c = 0; c < kCellCount; ++c) {
        if (p.digit(c) != 0) continue;
        const int first = ends.front().digit(c);
        if (first != 0 && std::all_of(ends.begin(), ends.end(), [&](const Position& e) { return e.digit(c) == first; })) {
            step.placements.push_back({c, first});
            continue;
        }
        for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
            const int d = lowestDigit(ds);
            if (std::all_of(ends.begin(), ends.end(), [&](const Position& e) { return e.digit(c) != d && !e.has(c, d); }))
                step.eliminations.push_back({c, d});
        }
    }
    return finished(step);
}

// Tries every set of assumptions `each` offers (one of each set is true) and keeps the one whose
// branches reach a conclusion soonest.
template <typename Each> std::optional<Step> bestForcing(const Position& p, Technique technique, Each&& each) {
    Runs& cache = runsOfThisThread();
    std::vector<const Run*> runs, bestRuns;
    Conclusion best;
    Unit bestUnit;
    each([&](const std::vector<CellDigit>& assumptions, const Unit& unit) {
        runs.clear();
        for (const CellDigit& assume : assumptions) {
            const Run& run = cache.of(p, assume);
            if (run.fails) return;
            runs.push_back(&run);
        }
        const Conclusion found = soonest(p, runs);
        if (found.cost >= best.cost) return;
        best = found;
        bestRuns = runs;
        bestUnit = unit;
    });
    if (bestRuns.empty()) return std::nullopt;
    auto step = forcingStep(p, technique, bestRuns, best);
    if (step) step->unit = bestUnit;
    return step;
}

} // namespace

std::optional<Step> findCellForcingChain(const Scan& scan) {
    const Position& p = scan.position;
    return bestForcing(p, Technique::CellForcingChain, [&](auto&& take) {
        for (int count = 2; count <= kMostBranches; ++count)
            for (int c = 0; c < kCellCount; ++c) {
                if (p.digit(c) != 0 || digitCount(p.candidates(c)) != count) continue;
                std::vector<CellDigit> assumptions;
                for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1))
                    assumptions.push_back({c, lowestDigit(ds)});
                take(assumptions, Unit{});
            }
    });
}

std::optional<Step> findUnitForcingChain(const Scan& scan) {
    const Position& p = scan.position;
    return bestForcing(p, Technique::UnitForcingChain, [&](auto&& take) {
        for (int count = 2; count <= kMostBranches; ++count)
            for (int u = 0; u < kUnitCount; ++u)
                for (int d = 1; d <= 9; ++d) {
                    const std::uint16_t where = scan.where[at(u)][at(d)];
                    if (std::popcount(static_cast<unsigned>(where)) != count) continue;
                    std::vector<CellDigit> assumptions;
                    for (int k = 0; k < 9; ++k)
                        if ((where >> k) & 1) assumptions.push_back({unitCells(u)[at(k)], d});
                    take(assumptions, unitOf(u));
                }
    });
}

} // namespace dodoru::logic::detail
