// Cell and unit forcing chains: every candidate of a cell, or every place of a digit in a unit, is
// assumed in turn and followed by singles (a net goes on with locked candidates and pairs where the
// singles stall). One of them is true, so whatever every branch places or removes holds. A branch that
// runs into a contradiction is followed only up to it, so that every branch shown stands.
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
constexpr int kMostNetBranches = 5; // a net is followed for fewer, its branches being longer (and slower)
constexpr std::size_t kMostSingles = 16;
constexpr std::size_t kMostNetTurns = 24; // a net's singles and steps together

// The steps a forcing net may take inside a branch where its singles stall.
constexpr std::array kNetSteps = {Technique::LockedPointing, Technique::LockedClaiming, Technique::NakedPair,
                                  Technique::HiddenPair};

// Whether a net's branch stands from `p`: each placement a single at its turn, each inner single the
// single it names, each other inner step the one its technique finds there, nothing failing, and the
// conclusion reached (the candidate placed, or removed) at its end.
bool branchHolds(const Position& p, const Branch& branch, const CellDigit& conclusion, bool placed) {
    Position q = p;
    if (!q.has(branch.assume.cell, branch.assume.digit)) return false;
    q.place(branch.assume.cell, branch.assume.digit);
    for (const CellDigit& x : branch.placements) {
        if (!singleStep(q, x)) return false;
        q.place(x.cell, x.digit);
    }
    for (const Step& inner : branch.inner) {
        const bool single = isSingle(inner.technique);
        if (single ? singleStep(q, inner.placements[0]) != inner
                   : findWith(Scan(q, false), inner.technique) != inner)
            return false;
        applyStep(q, inner);
    }
    if (q.broken()) return false;
    return placed ? q.digit(conclusion.cell) == conclusion.digit
                  : q.digit(conclusion.cell) != conclusion.digit && !q.has(conclusion.cell, conclusion.digit);
}

// Cuts a net's branch to what its conclusion rests on: inner steps and placements, latest first, are
// dropped whenever the branch still stands without them.
void pruneBranch(const Position& p, Branch& branch, const CellDigit& conclusion, bool placed) {
    for (std::size_t i = branch.inner.size(); i-- > 0;) {
        Branch trial = branch;
        trial.inner.erase(trial.inner.begin() + static_cast<std::ptrdiff_t>(i));
        if (branchHolds(p, trial, conclusion, placed)) branch = std::move(trial);
    }
    for (std::size_t k = branch.placements.size(); k-- > 0;) {
        Branch trial = branch;
        trial.placements.erase(trial.placements.begin() + static_cast<std::ptrdiff_t>(k));
        if (branchHolds(p, trial, conclusion, placed)) branch = std::move(trial);
    }
}

// One branch followed to its end: when each candidate was placed or removed, by the assumption at
// turn 1 and the singles after it; 0 while still open.
struct Run {
    bool fails = false;
    Contradiction singles;
    std::vector<Step> inner; // a net's steps after its singles
    bool netDone = false;    // the net was followed
    std::int8_t singleTurns = 0; // the assumption's turn and its singles'
    std::array<std::array<std::int8_t, 10>, kCellCount> placedAt{};
    std::array<std::array<std::int8_t, 10>, kCellCount> removedAt{};
};

// `before` is the singles' state of `p`.
Run follow(const Position& p, const SinglesState& before, const CellDigit& assume) {
    Run run;
    Position after = p;
    run.singles = Contradiction{assume, {}};
    run.fails = singlesFailAfter(before, after, assume, run.singles, kMostSingles);
    // A branch whose singles run into a contradiction is kept up to the placement that brings it down:
    // what it reached before still follows from its assumption.
    if (run.fails) {
        if (run.singles.placements.empty()) return run;
        run.singles.placements.pop_back();
    }
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
    run.singleTurns = static_cast<std::int8_t>(made.size());
    return run;
}

// Where a branch's singles stall, a net goes on with locked candidates and pairs, and the singles they
// open, for as many turns as a branch may take.
void extendToNet(const Position& p, Run& run) {
    run.netDone = true;
    if (run.fails || run.singles.placements.size() >= kMostSingles) return;
    const CellDigit assume = run.singles.assume;
    Position before = p;
    before.place(assume.cell, assume.digit);
    for (const CellDigit& x : run.singles.placements) before.place(x.cell, x.digit);
    Position after = before;
    std::int8_t turn = run.singleTurns;
    // Marks what one turn placed and removed: the difference between the positions before and after it.
    const auto mark = [&](const Position& now) {
        ++turn;
        for (int c = 0; c < kCellCount; ++c) {
            if (p.digit(c) != 0) continue;
            if (now.digit(c) != 0 && before.digit(c) == 0) run.placedAt[at(c)][at(now.digit(c))] = turn;
            for (Digits ds = static_cast<Digits>(p.candidates(c) & before.candidates(c) & ~now.candidates(c));
                 ds != 0; ds &= static_cast<Digits>(ds - 1)) {
                std::int8_t& slot = run.removedAt[at(c)][at(lowestDigit(ds))];
                if (slot == 0 && now.digit(c) != lowestDigit(ds)) slot = turn;
            }
        }
        before = now;
    };
    // Takes back what the latest turn marked.
    const auto unmark = [&] {
        for (auto* marks : {&run.placedAt, &run.removedAt})
            for (auto& cell : *marks)
                for (std::int8_t& slot : cell)
                    if (slot == turn) slot = 0;
    };
    std::size_t turns = run.singles.placements.size();
    while (turns < kMostNetTurns) {
        const Scan scan(after, false);
        std::optional<Step> step;
        for (const Technique t : kNetSteps)
            if ((step = findWith(scan, t))) break;
        if (!step) break;
        applyStep(after, *step);
        run.inner.push_back(*step);
        mark(after);
        ++turns;
        Contradiction more{assume, {}};
        const bool fails = singlesFail(after, more, kMostNetTurns - turns);
        if (fails) {
            // Like a branch of singles, a net that fails is kept up to the turn that brought it down.
            if (more.placements.empty()) {
                unmark();
                run.inner.pop_back();
                return;
            }
            more.placements.pop_back();
        }
        for (const CellDigit& x : more.placements) {
            run.inner.push_back(*singleStep(before, x));
            Position next = before;
            next.place(x.cell, x.digit);
            mark(next);
            ++turns;
        }
        if (fails) return;
    }
}

// The runs of one position, each candidate's made once and shared by the cell and the unit search
// (a candidate stands in one cell and three units).
class Runs {
public:
    const Run& of(const Position& p, const CellDigit& assume, bool net) {
        if (p.digits() != digits_ || p.candidateGrid() != candidates_) {
            digits_ = p.digits();
            candidates_ = p.candidateGrid();
            for (auto& run : runs_) run.reset();
            singles_.reset();
        }
        std::unique_ptr<Run>& run = runs_[at(assume.cell * 9 + assume.digit - 1)];
        if (!run) {
            if (!singles_) singles_.emplace(p);
            run = std::make_unique<Run>(follow(p, *singles_, assume));
        }
        if (net && !run->netDone) extendToNet(p, *run);
        return *run;
    }

private:
    DigitGrid digits_{};
    CandidateGrid candidates_{};
    std::array<std::unique_ptr<Run>, kCellCount * 9> runs_{};
    std::optional<SinglesState> singles_; // the singles' state of the position, read once for its runs
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
Conclusion soonest(const Position& p, const std::vector<const Run*>& runs, bool singlesOnly) {
    Conclusion best;
    for (int c = 0; c < kCellCount; ++c) {
        if (p.digit(c) != 0) continue;
        for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1)) {
            const int d = lowestDigit(ds);
            for (const bool placed : {true, false}) {
                int cost = 0;
                for (const Run* run : runs) {
                    const int when = placed ? run->placedAt[at(c)][at(d)] : run->removedAt[at(c)][at(d)];
                    if (when == 0 || (singlesOnly && when > run->singleTurns)) {
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
                                const Conclusion& conclusion, bool singlesOnly) {
    SinglesTarget target;
    (conclusion.placed ? target.placed : target.removed).push_back(conclusion.candidate);
    Step step{technique, {}, {}, 0, {}, {}};
    std::vector<Position> ends;
    for (const Run* run : runs) {
        Branch branch{run->singles.assume, run->singles.placements, singlesOnly ? std::vector<Step>{} : run->inner};
        if (branch.inner.empty()) {
            branch.placements = neededSingles(p, branch.assume, branch.placements, target);
        } else {
            // A net's branch, cut where its conclusion no longer needs it (only singles are cut above).
            pruneBranch(p, branch, conclusion.candidate, conclusion.placed);
        }
        Position end = p;
        end.place(branch.assume.cell, branch.assume.digit);
        for (const CellDigit& x : branch.placements) end.place(x.cell, x.digit);
        for (const Step& inner : branch.inner) applyStep(end, inner);
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
template <typename Each>
std::optional<Step> bestForcing(const Position& p, Technique technique, bool net, Each&& each) {
    Runs& cache = runsOfThisThread();
    std::vector<const Run*> runs, bestRuns;
    Conclusion best;
    Unit bestUnit;
    const bool singlesOnly = !net;
    {
        each([&](const std::vector<CellDigit>& assumptions, const Unit& unit) {
            runs.clear();
            for (const CellDigit& assume : assumptions) runs.push_back(&cache.of(p, assume, !singlesOnly));
            const Conclusion found = soonest(p, runs, singlesOnly);
            if (found.cost >= best.cost) return;
            best = found;
            bestRuns = runs;
            bestUnit = unit;
        });
    }
    if (bestRuns.empty()) return std::nullopt;
    auto step = forcingStep(p, technique, bestRuns, best, singlesOnly);
    if (step) step->unit = bestUnit;
    return step;
}

std::optional<Step> cellForcing(const Scan& scan, bool net) {
    const Position& p = scan.position;
    return bestForcing(p, Technique::CellForcingChain, net, [&](auto&& take) {
        for (int count = 2; count <= (net ? kMostNetBranches : kMostBranches); ++count)
            for (int c = 0; c < kCellCount; ++c) {
                if (p.digit(c) != 0 || digitCount(p.candidates(c)) != count) continue;
                std::vector<CellDigit> assumptions;
                for (Digits ds = p.candidates(c); ds != 0; ds &= static_cast<Digits>(ds - 1))
                    assumptions.push_back({c, lowestDigit(ds)});
                take(assumptions, Unit{});
            }
    });
}

std::optional<Step> unitForcing(const Scan& scan, bool net) {
    const Position& p = scan.position;
    return bestForcing(p, Technique::UnitForcingChain, net, [&](auto&& take) {
        for (int count = 2; count <= (net ? kMostNetBranches : kMostBranches); ++count)
            for (int u = 0; u < kUnitCount; ++u)
                for (int d = 1; d <= 9; ++d) {
                    const std::uint16_t where = scan.where[at(u)][at(d)];
                    if (digitCount(where) != count) continue;
                    std::vector<CellDigit> assumptions;
                    for (int k = 0; k < 9; ++k)
                        if ((where >> k) & 1) assumptions.push_back({unitCells(u)[at(k)], d});
                    take(assumptions, unitOf(u));
                }
    });
}

} // namespace

std::optional<Step> findCellForcingChain(const Scan& scan) {
    return cellForcing(scan, false);
}

// Nets come after every forcing chain of singles, of cells and of units alike.
std::optional<Step> findUnitForcingChain(const Scan& scan) {
    if (auto step = unitForcing(scan, false)) return step;
    if (auto step = cellForcing(scan, true)) return step;
    return unitForcing(scan, true);
}

} // namespace dodoru::logic::detail
