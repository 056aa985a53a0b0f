// The full grid from two shuffled seed boxes.
#include <algorithm>
#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "generator_fixture.h"
#include "plain_solver.h"

namespace dodoru::testing {
namespace {

const std::array<int, 9> kFirstBox = {0, 1, 2, 9, 10, 11, 18, 19, 20};
const std::array<int, 9> kSecondBox = {33, 34, 35, 42, 43, 44, 51, 52, 53};

// The draw u with Int(9·u) + 1 = k.
float drawFor(int k) {
    return (static_cast<float>(k) - 0.5f) / 9.0f;
}

// 200 draws that make one DigitMap shuffle end at `target`: the exchanges needed first, then
// exchanges of entry 1 with itself.
std::vector<float> shuffleDraws(const std::array<int, 9>& target) {
    std::array<int, 10> map{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<float> draws;
    for (int p = 1; p <= 9; ++p) {
        const auto at = std::find(map.begin() + p, map.end(), target[static_cast<std::size_t>(p - 1)]);
        const int q = static_cast<int>(at - map.begin());
        std::swap(map[static_cast<std::size_t>(p)], map[static_cast<std::size_t>(q)]);
        draws.push_back(drawFor(p));
        draws.push_back(drawFor(q));
    }
    while (draws.size() < 200) draws.push_back(drawFor(1));
    return draws;
}

bool isFullGrid(const BoardSnapshot& grid) {
    std::string digits = snapshotText(grid);
    if (digits.find('0') != std::string::npos) return false;
    std::string solution;
    return countSolutions(digits, 2, &solution) == 1 && solution == digits;
}

TEST(SeedGrid, BoxesReadTheDigitMapRowByRow) {
    TestWindow window(1);  // the pump polls at every search node
    std::vector<float> script = shuffleDraws({5, 3, 8, 1, 9, 2, 7, 4, 6});
    const std::vector<float> second = shuffleDraws({1, 2, 3, 4, 5, 6, 7, 8, 9});
    script.insert(script.end(), second.begin(), second.end());
    ScriptedRandom random(1, script);

    std::string blueAtFirstNode;
    int flagDuringSeedSolve = 1;
    window.pump.onPoll = [&] {
        if (!blueAtFirstNode.empty()) return;
        blueAtFirstNode = window.board.givenMask();
        flagDuringSeedSolve = window.state.GenerateFlag;
    };
    BoardSnapshot grid{};
    LambdaObserver observer;
    observer.ready = [&](const BoardSnapshot& snapshot) {
        grid = snapshot;
        EXPECT_EQ(random.draws, 400);  // two shuffles of 100 exchanges, two draws each
        window.pump.requestUnwind();
    };
    const GenerationResult result = window.generate(random, 2, nullptr, &observer);
    EXPECT_EQ(result.outcome, GenerationOutcome::Interrupted);

    const std::array<int, 9> firstDigits = {5, 3, 8, 1, 9, 2, 7, 4, 6};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(grid[static_cast<std::size_t>(kFirstBox[i])], firstDigits[i]) << kFirstBox[i];
        EXPECT_EQ(grid[static_cast<std::size_t>(kSecondBox[i])], static_cast<int>(i) + 1) << kSecondBox[i];
    }
    EXPECT_TRUE(isFullGrid(grid)) << snapshotText(grid);

    std::string seedMask(81, '0');
    for (int c : kFirstBox) seedMask[static_cast<std::size_t>(c)] = '1';
    for (int c : kSecondBox) seedMask[static_cast<std::size_t>(c)] = '1';
    EXPECT_EQ(blueAtFirstNode, seedMask);
    EXPECT_EQ(flagDuringSeedSolve, 0);
    // The last permutation stays in DigitMap.
    EXPECT_EQ(window.state.DigitMap, (std::array<std::int16_t, 10>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(SeedGrid, EveryShuffleIsAPermutation) {
    TestWindow window;
    ScriptedRandom random(99);
    std::vector<std::array<std::int16_t, 10>> maps;
    LambdaObserver observer;
    observer.ready = [&](const BoardSnapshot& snapshot) {
        EXPECT_TRUE(isFullGrid(snapshot));
        // The second box holds the last DigitMap, row by row.
        std::array<std::int16_t, 10> map{};
        for (std::size_t i = 0; i < 9; ++i)
            map[i + 1] = static_cast<std::int16_t>(snapshot[static_cast<std::size_t>(kSecondBox[i])]);
        EXPECT_EQ(map, window.state.DigitMap);
        std::sort(map.begin() + 1, map.end());
        EXPECT_EQ(map, (std::array<std::int16_t, 10>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        if (maps.size() == 20) window.pump.requestUnwind();
        maps.push_back(window.state.DigitMap);
        window.state.CellMark.fill(-1);  // every try rejected: the grid is abandoned after 30 tries
    };
    window.generate(random, 2, nullptr, &observer);
    EXPECT_EQ(maps.size(), 21u);
}

TEST(SeedGrid, BeginningAGridErasesMarksAndEmptiesAndHidesTheBoard) {
    TestWindow window;
    window.state.CellMark.fill(-1);  // marks, count and verdict of a solve the user ran
    window.state.SolutionCount = 2;
    window.board.message().show(BoardMessage::SeveralSolutions);
    for (int c = 0; c < 81; ++c) window.board.cell(c).makeGiven(c % 9 + 1);
    ScriptedRandom random(5);
    LambdaObserver observer;
    observer.begun = [&](long grids) {
        EXPECT_EQ(grids, 1);
        EXPECT_EQ(window.state.CellMark, (std::array<std::int16_t, 81>{}));
        EXPECT_EQ(random.reseeds, 1);
        EXPECT_EQ(random.draws, 0);
        EXPECT_EQ(window.state.SolutionCount, 0);
        EXPECT_FALSE(window.board.message().visible);
        for (int c = 0; c < 81; ++c) {
            EXPECT_TRUE(window.board.cell(c).empty());
            EXPECT_EQ(window.board.cell(c).colour(), std::optional<Colour>(kPlainColour));
        }
        window.pump.requestUnwind();
    };
    window.generate(random, 1, nullptr, &observer);
}

TEST(SeedGrid, SeedSolveMarksOnlyTheGivensItAdded) {
    TestWindow window;
    ScriptedRandom random(11);
    LambdaObserver observer;
    observer.ready = [&](const BoardSnapshot& snapshot) {
        int marked = 0;
        for (int c = 0; c < 81; ++c) {
            if (window.state.CellMark[static_cast<std::size_t>(c)] == 0) continue;
            ++marked;
            EXPECT_TRUE(window.board.cell(c).isGiven()) << c;
            EXPECT_EQ(window.board.cell(c).value(), snapshot[static_cast<std::size_t>(c)]);
        }
        EXPECT_LE(marked, 4);
        EXPECT_EQ(window.board.givenCount(), 18 + marked);
        EXPECT_EQ(window.board.digits(), snapshotText(snapshot));
        window.pump.requestUnwind();
    };
    window.generate(random, 3, nullptr, &observer);
}

}  // namespace
}  // namespace dodoru::testing
