#include "logicsolver.h"

#include "engine.h"
#include "techniques.h"

namespace dodoru::logic {

namespace {

using namespace detail;

std::optional<Step> run(const Scan& scan, Technique technique) {
    switch (technique) {
    case Technique::FullHouse:
        return findFullHouse(scan);
    case Technique::NakedSingle:
        return findNakedSingle(scan);
    case Technique::HiddenSingle:
        return findHiddenSingle(scan);
    case Technique::LockedPointing:
        return findPointing(scan);
    case Technique::LockedClaiming:
        return findClaiming(scan);
    case Technique::NakedPair:
        return findNakedSubset(scan, 2);
    case Technique::XWing:
        return findFish(scan, 2);
    case Technique::HiddenPair:
        return findHiddenSubset(scan, 2);
    case Technique::NakedTriple:
        return findNakedSubset(scan, 3);
    case Technique::Swordfish:
        return findFish(scan, 3);
    case Technique::HiddenTriple:
        return findHiddenSubset(scan, 3);
    case Technique::Skyscraper:
        return findSkyscraper(scan);
    case Technique::TwoStringKite:
        return findTwoStringKite(scan);
    case Technique::XYWing:
        return findXYWing(scan);
    case Technique::XYZWing:
        return findXYZWing(scan);
    case Technique::WWing:
        return findWWing(scan);
    case Technique::UniqueRectangle:
        return findUniqueRectangle(scan);
    case Technique::NakedQuad:
        return findNakedSubset(scan, 4);
    case Technique::Jellyfish:
        return findFish(scan, 4);
    case Technique::HiddenQuad:
        return findHiddenSubset(scan, 4);
    case Technique::SimpleColouring:
        return findSimpleColouring(scan);
    case Technique::XYChain:
        return findXYChain(scan);
    case Technique::ForcingChain:
        return findForcingChain(scan);
    case Technique::Trial:
        return findTrial(scan);
    }
    return std::nullopt;
}

// Walks from `position` to the end, handing each step to `take`.
template <typename Take> void walk(Position position, bool unique, Take&& take) {
    const StepOptions options{unique};
    while (auto step = nextStep(position, options)) {
        applyStep(position, *step);
        take(*step, position);
    }
}

} // namespace

std::optional<Step> nextStep(const Position& position, const StepOptions& options) {
    if (position.solved() || position.broken()) return std::nullopt;
    const Scan scan(position, options.uniqueSolution);
    for (const Technique technique : allTechniques())
        if (auto step = run(scan, technique)) return step;
    return std::nullopt;
}

std::optional<Step> findStep(const Position& position, Technique technique, const StepOptions& options) {
    if (position.solved() || position.broken()) return std::nullopt;
    return run(Scan(position, options.uniqueSolution), technique);
}

PuzzleCheck checkPuzzle(const DigitGrid& digits) {
    Board board;
    for (int c = 0; c < kCellCount; ++c) {
        const int d = digits[static_cast<std::size_t>(c)];
        if (d >= 1 && d <= 9)
            board.cell(c).makeGiven(d);
        else
            board.cell(c).clear();
    }
    WindowState state;
    state.GenerateFlag = 0;
    NoEventPump pump;
    Engine engine(board, state, pump);
    BoardSnapshot snapshot{};
    const SolveReport report = engine.SolveBoard(snapshot);
    PuzzleCheck check;
    if (report.puzzleError)
        check.verdict = PuzzleVerdict::PuzzleError;
    else if (report.addedCount > 0 || report.verdict == SolveVerdict::Several)
        check.verdict = PuzzleVerdict::Several;
    else if (report.verdict == SolveVerdict::Unique) {
        check.verdict = PuzzleVerdict::Unique;
        for (int c = 0; c < kCellCount; ++c)
            check.solution[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
    }
    return check;
}

Explanation explain(const DigitGrid& digits) {
    Explanation out;
    const PuzzleCheck check = checkPuzzle(digits);
    out.verdict = check.verdict;
    if (check.verdict != PuzzleVerdict::Unique) return out;
    out.solution = check.solution;
    const Position start = Position::fromDigits(digits);
    out.solved = start.solved();
    walk(start, true, [&](const Step& step, const Position& after) {
        out.steps.push_back(step);
        if (step.ratingTenths() > out.ratingTenths) {
            out.ratingTenths = step.ratingTenths();
            out.hardest = step.technique;
        }
        out.solved = after.solved();
    });
    return out;
}

Rating rate(const DigitGrid& digits) {
    Rating out;
    const PuzzleCheck check = checkPuzzle(digits);
    out.verdict = check.verdict;
    if (check.verdict != PuzzleVerdict::Unique) return out;
    const Position start = Position::fromDigits(digits);
    out.solved = start.solved();
    walk(start, true, [&](const Step& step, const Position& after) {
        ++out.steps;
        if (step.ratingTenths() > out.ratingTenths) {
            out.ratingTenths = step.ratingTenths();
            out.hardest = step.technique;
        }
        out.solved = after.solved();
    });
    return out;
}

Hint hint(const DigitGrid& digits, const CandidateGrid* marks) {
    Hint out;
    const PuzzleCheck check = checkPuzzle(digits);
    out.verdict = check.verdict;
    if (out.verdict != PuzzleVerdict::Unique) return out;
    const Position position = marks ? Position::withCandidates(digits, *marks) : Position::fromDigits(digits);
    for (int c = 0; c < kCellCount; ++c)
        if (position.digit(c) == 0 && !position.has(c, check.solution[static_cast<std::size_t>(c)]))
            out.marksWithoutSolution.push_back(c);
    if (!out.marksWithoutSolution.empty()) return out;
    out.step = nextStep(position, StepOptions{true});
    return out;
}

} // namespace dodoru::logic
