#include "logicsolver.h"

#include "engine.h"
#include "techniques.h"

namespace dodoru::logic {

namespace {

using namespace detail;

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
        if (auto step = findWith(scan, technique)) return step;
    return std::nullopt;
}

std::optional<Step> findStep(const Position& position, Technique technique, const StepOptions& options) {
    if (position.solved() || position.broken()) return std::nullopt;
    return findWith(Scan(position, options.uniqueSolution), technique);
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

namespace {

// The one path of explain and rate: from the givens to the end, keeping the steps when asked.
Explanation pathOf(const DigitGrid& digits, bool keepSteps, int& stepCount) {
    Explanation out;
    stepCount = 0;
    const PuzzleCheck check = checkPuzzle(digits);
    out.verdict = check.verdict;
    if (check.verdict != PuzzleVerdict::Unique) return out;
    out.solution = check.solution;
    const Position start = Position::fromDigits(digits);
    out.solved = start.solved();
    walk(start, true, [&](const Step& step, const Position& after) {
        ++stepCount;
        const int rating = step.ratingTenths();
        if (rating > out.ratingTenths) {
            out.ratingTenths = rating;
            out.hardest = step.technique;
        }
        out.solved = after.solved();
        if (keepSteps) out.steps.push_back(step);
    });
    // A grid already full rates as the easiest puzzle there is.
    if (stepCount == 0 && out.solved) out.ratingTenths = techniqueRatingTenths(Technique::FullHouse);
    return out;
}

} // namespace

Explanation explain(const DigitGrid& digits) {
    int count = 0;
    return pathOf(digits, true, count);
}

Rating rate(const DigitGrid& digits) {
    int count = 0;
    const Explanation path = pathOf(digits, false, count);
    return Rating{path.verdict, path.ratingTenths, path.hardest, count, path.solved};
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
