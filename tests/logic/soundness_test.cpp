// Every step is sound: a placement is the solution's digit and an elimination never removes the
// solution's digit; every path ends with the grid solved, and the rating is that of its hardest step.
// Checked over seeded puzzles of every level and over the hard set.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "generator.h"
#include "logicsolver.h"
#include "seededrandom.h"

namespace {

using namespace dodoru;
using namespace dodoru::logic;

constexpr int kPuzzlesPerLevel = 400;

// Checks one puzzle's path; returns the techniques it used, as a bit set.
unsigned checkPath(const DigitGrid& givens, const std::string& name) {
    const Explanation e = explain(givens);
    EXPECT_EQ(e.verdict, PuzzleVerdict::Unique) << name;
    if (e.verdict != PuzzleVerdict::Unique) return 0;
    EXPECT_TRUE(e.solved) << name;
    Position position = Position::fromDigits(givens);
    int hardest = 0;
    unsigned used = 0;
    for (std::size_t n = 0; n < e.steps.size(); ++n) {
        const Step& step = e.steps[n];
        used |= 1u << static_cast<int>(step.technique);
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
        if (testing::Test::HasFailure()) return used;
        applyStep(position, step);
    }
    EXPECT_EQ(position.digits(), e.solution) << name;
    EXPECT_EQ(e.ratingTenths, hardest) << name;
    return used;
}

TEST(Soundness, SeededPuzzlesOfEveryLevel) {
    unsigned used = 0;
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
    EXPECT_NE(used & ~7u, 0u);
}

TEST(Soundness, HardSet) {
    std::ifstream in(DODORU_HARD_PUZZLES);
    ASSERT_TRUE(in) << DODORU_HARD_PUZZLES;
    std::string line;
    int count = 0;
    unsigned used = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        ASSERT_EQ(line.size(), 81u) << line;
        DigitGrid givens{};
        for (std::size_t c = 0; c < 81; ++c)
            givens[c] = static_cast<std::uint8_t>(line[c] >= '1' && line[c] <= '9' ? line[c] - '0' : 0);
        used |= checkPath(givens, line);
        ++count;
    }
    EXPECT_GE(count, 10);
    // The hardest of them need chains, and trial as the last resort.
    EXPECT_NE(used & (1u << static_cast<int>(Technique::ForcingChain)), 0u);
    EXPECT_NE(used & (1u << static_cast<int>(Technique::Trial)), 0u);
}

} // namespace
