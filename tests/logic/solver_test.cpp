// The solver's doors: the verdict of a board, the path's end, hints from digits or from pencil marks.
#include <gtest/gtest.h>

#include "logicsolver.h"

namespace {

using namespace dodoru::logic;

DigitGrid grid(const std::string& text) {
    DigitGrid digits{};
    for (std::size_t c = 0; c < 81; ++c)
        digits[c] = static_cast<std::uint8_t>(text[c] >= '1' && text[c] <= '9' ? text[c] - '0' : 0);
    return digits;
}

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// The solution with 31 cells emptied: singles alone solve it.
const std::string kEasy = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

TEST(Verdicts, BoardsWithoutOneSolutionGetNoPath) {
    struct Row {
        std::string board;
        PuzzleVerdict verdict;
    };
    const Row rows[] = {
        {std::string(81, '0'), PuzzleVerdict::Several},
        {"55" + std::string(79, '0'), PuzzleVerdict::NoSolution},
        {kEasy, PuzzleVerdict::Unique},
    };
    for (const Row& row : rows) {
        const Explanation e = explain(grid(row.board));
        EXPECT_EQ(e.verdict, row.verdict) << row.board;
        EXPECT_EQ(e.steps.empty(), row.verdict != PuzzleVerdict::Unique) << row.board;
        EXPECT_EQ(hint(grid(row.board)).step.has_value(), row.verdict == PuzzleVerdict::Unique) << row.board;
    }
}

TEST(Paths, SinglesAloneSolveAnEasyPuzzleAndRateIt) {
    const Explanation e = explain(grid(kEasy));
    ASSERT_TRUE(e.solved);
    EXPECT_EQ(e.solution, grid(kSolution));
    for (const Step& step : e.steps)
        EXPECT_LE(step.ratingTenths(), techniqueRatingTenths(Technique::HiddenSingle));
    const Rating r = rate(grid(kEasy));
    EXPECT_EQ(r.ratingTenths, e.ratingTenths);
    EXPECT_EQ(r.hardest, e.hardest);
    EXPECT_EQ(r.steps, static_cast<int>(e.steps.size()));
    // A full grid has nothing left to explain.
    const Explanation full = explain(grid(kSolution));
    EXPECT_TRUE(full.solved);
    EXPECT_TRUE(full.steps.empty());
    EXPECT_FALSE(hint(grid(kSolution)).step.has_value());
}

TEST(Hints, PencilMarksAreTheCandidates) {
    const DigitGrid digits = grid(kEasy);
    const Position computed = Position::fromDigits(digits);
    CandidateGrid marks = computed.candidateGrid();
    // r1c3's marks narrowed to its solution digit, 4: the hint is that naked single, before anything
    // the computed candidates show.
    marks[2] = digitBit(4);
    const Hint fromMarks = hint(digits, &marks);
    ASSERT_TRUE(fromMarks.step);
    EXPECT_EQ(fromMarks.step->technique, Technique::NakedSingle);
    EXPECT_EQ(fromMarks.step->placements, (std::vector<CellDigit>{{2, 4}}));
    EXPECT_TRUE(fromMarks.marksWithoutSolution.empty());
    // Marks that leave out the solution's digit are named instead of leading to a wrong step.
    marks[2] = digitBit(1) | digitBit(2);
    const Hint wrong = hint(digits, &marks);
    EXPECT_FALSE(wrong.step.has_value());
    EXPECT_EQ(wrong.marksWithoutSolution, (std::vector<int>{2}));
    // A mark a placed digit rules out is dropped: r1c3 cannot be 5 (r1c1 shows it).
    marks[2] = digitBit(4) | digitBit(5);
    EXPECT_EQ(Position::withCandidates(digits, marks).candidates(2), digitBit(4));
}

} // namespace
