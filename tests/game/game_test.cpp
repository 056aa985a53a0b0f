// The game without a window: the marks on its cells, the clock of the game played, whether it is
// solved, and the undo history of snapshots.
#include <gtest/gtest.h>

#include "game.h"

namespace dodoru {
namespace {

constexpr std::int64_t kSecond = 1'000'000'000;

// A game whose clock the test moves.
struct ClockedGame {
    std::int64_t now = 0;
    Game game{[this] { return now; }};
};

TEST(GameMarks, EachKindOfMarkIsSetAndClearedApart) {
    Game game(nullptr);
    std::bitset<kCellCount> clashing;
    clashing.set(3).set(4);
    EXPECT_TRUE(game.setMarks(CellMark::Conflict, clashing));
    EXPECT_FALSE(game.setMarks(CellMark::Conflict, clashing)) << "the same marks again change nothing";
    EXPECT_TRUE(game.addMark(4, CellMark::Mistake));
    EXPECT_FALSE(game.addMark(4, CellMark::Mistake));
    EXPECT_TRUE(game.addMark(5, CellMark::Hint));
    EXPECT_EQ(game.marks(4),
              static_cast<CellMarks>(CellMark::Conflict) | static_cast<CellMarks>(CellMark::Mistake));

    EXPECT_TRUE(game.clearMarks(CellMark::Mistake));
    EXPECT_TRUE(game.hasMark(4, CellMark::Conflict)) << "clearing one kind keeps the others";
    EXPECT_FALSE(game.hasMark(4, CellMark::Mistake));
    EXPECT_TRUE(game.hasMark(5, CellMark::Hint));
    EXPECT_FALSE(game.clearMarks(CellMark::Mistake));
}

TEST(GameClock, CountsOnlyWhileRunningAndStopsWhenSolved) {
    ClockedGame g;
    CellDigits givens{};
    givens[0] = 1;
    CellDigits solution{};
    solution.fill(1);
    g.game.begin(givens, solution);
    EXPECT_TRUE(g.game.isGameOf(givens));
    g.game.startClock();
    g.now = 90 * kSecond + kSecond / 2;
    EXPECT_EQ(g.game.elapsedSeconds(), 90) << "whole seconds";
    g.game.stopClock();
    g.now += 1000 * kSecond;
    EXPECT_EQ(g.game.elapsedSeconds(), 90) << "a stopped clock stands";
    g.game.startClock();

    for (int c = 0; c < kCellCount; ++c)
        g.game.puzzle().setCell(c, 1, c == 0 ? CellKind::Given : CellKind::Player);
    g.now += 10 * kSecond;
    EXPECT_TRUE(g.game.updateSolved());
    EXPECT_TRUE(g.game.solved());
    EXPECT_FALSE(g.game.clockRunning()) << "solving stops the clock";
    g.now += 50 * kSecond;
    EXPECT_EQ(g.game.elapsedSeconds(), 100);
    EXPECT_FALSE(g.game.updateSolved()) << "nothing changed";

    g.game.puzzle().setCell(80, 0, CellKind::Empty);
    EXPECT_TRUE(g.game.updateSolved());
    EXPECT_TRUE(g.game.clockRunning()) << "a digit taken back opens the game again";

    g.game.setCongratulated();
    g.game.begin(CellDigits{}, solution);
    EXPECT_EQ(g.game.elapsedSeconds(), 0) << "another game starts from nothing";
    EXPECT_FALSE(g.game.solved());
    EXPECT_FALSE(g.game.congratulated());

    g.game.resume(givens, solution, 4000, true);
    EXPECT_EQ(g.game.elapsedSeconds(), 4000);
    EXPECT_TRUE(g.game.congratulated()) << "a kept solved game was told already";
}

GameSnapshot withDigit(int cell, int digit) {
    GameSnapshot snapshot;
    snapshot.puzzle.setCell(cell, digit, CellKind::Player);
    return snapshot;
}

TEST(GameHistoryTest, StepsGoBackAndForthAndEditsOfOneCellJoin) {
    GameHistory history;
    EXPECT_FALSE(history.undo());
    history.push(GameSnapshot{}, withDigit(1, 3), "first", 1);
    history.push(withDigit(1, 3), withDigit(1, 4), "again", 1); // joins: the same cell typed on
    history.push(withDigit(1, 4), withDigit(2, 5), "second", -1);
    EXPECT_EQ(history.size(), 2u);
    EXPECT_EQ(history.undoText(), "second");

    EXPECT_EQ(history.undo(), withDigit(1, 4));
    EXPECT_EQ(history.undo(), GameSnapshot{});
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.redoText(), "first");
    EXPECT_EQ(history.redo(), withDigit(1, 4)) << "the joined step goes forward to its last edit";

    history.push(withDigit(1, 4), withDigit(7, 7), "third", -1);
    EXPECT_FALSE(history.canRedo()) << "a new step drops the steps undone";
    EXPECT_EQ(history.size(), 2u);
}

TEST(GameHistoryTest, ATypedDigitTakenBackIsNoStepAndTheOldestStepsGo) {
    GameHistory history;
    history.push(GameSnapshot{}, withDigit(9, 2), "", 9);
    history.push(withDigit(9, 2), GameSnapshot{}, "", 9);
    EXPECT_EQ(history.size(), 0u);
    EXPECT_FALSE(history.canUndo());

    for (int step = 0; step < static_cast<int>(GameHistory::kLimit) + 5; ++step)
        history.push(withDigit(0, step % 9 + 1), withDigit(0, (step + 1) % 9 + 1), std::to_string(step), -1);
    EXPECT_EQ(history.size(), GameHistory::kLimit);
    while (history.canUndo()) history.undo();
    EXPECT_EQ(history.redoText(), "5") << "the five oldest steps are gone";
}

} // namespace
} // namespace dodoru
