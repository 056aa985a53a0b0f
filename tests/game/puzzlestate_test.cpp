// The puzzle state: what a cell is, its pencil marks, and the translation to and from the engine's
// board at the edges of a command.
#include <gtest/gtest.h>

#include "engineboard.h"
#include "puzzlestate.h"

namespace dodoru {
namespace {

TEST(PuzzleCells, ADigitHasAKindAndAnythingElseEmptiesTheCell) {
    PuzzleState state;
    EXPECT_EQ(state.kind(0), CellKind::Empty);
    struct Case {
        int digit;
        CellKind kind;
        int shownDigit;
        CellKind shownKind;
    };
    const Case cases[] = {
        {5, CellKind::Given, 5, CellKind::Given},   {9, CellKind::Player, 9, CellKind::Player},
        {1, CellKind::Answer, 1, CellKind::Answer}, {0, CellKind::Given, 0, CellKind::Empty},
        {10, CellKind::Player, 0, CellKind::Empty}, {4, CellKind::Empty, 0, CellKind::Empty},
    };
    for (const Case& c : cases) {
        state.setCell(40, c.digit, c.kind);
        EXPECT_EQ(state.digit(40), c.shownDigit) << c.digit;
        EXPECT_EQ(state.kind(40), c.shownKind) << c.digit;
    }
    state.setGiven(3, 7);
    state.setCell(4, 7, CellKind::Player);
    EXPECT_EQ(state.givenCount(), 1);
}

TEST(PuzzleCells, PencilMarksAreNineBitsKeptApartFromTheDigit) {
    PuzzleState state;
    state.setPencilMarks(10, 0xFFFF);
    EXPECT_EQ(state.pencilMarks(10), kAllPencilMarks);
    state.setPencilMarks(10, (1u << 0) | (1u << 8));
    EXPECT_TRUE(state.hasPencilMark(10, 1));
    EXPECT_TRUE(state.hasPencilMark(10, 9));
    EXPECT_FALSE(state.hasPencilMark(10, 5));
    EXPECT_FALSE(state.hasPencilMark(10, 0));
    state.setGiven(10, 4);
    state.clear(10);
    EXPECT_EQ(state.pencilMarks(10), PencilMarks((1u << 0) | (1u << 8)));
    PuzzleState other = state;
    other.setPencilMarks(10, 0);
    EXPECT_FALSE(other.sameCells(state));
}

TEST(PuzzleCells, TheVerdictIsNoPartOfTheCells) {
    PuzzleState a;
    a.setGiven(0, 1);
    PuzzleState b = a;
    b.setVerdict(Verdict::NoSolution);
    EXPECT_TRUE(a.sameCells(b));
    EXPECT_NE(a, b);
}

TEST(PuzzleCells, OnlyAnEditTakesTheDefaultInkAway) {
    PuzzleState state;
    EXPECT_TRUE(state.defaultInk(2));
    state.setCell(2, 6, CellKind::Answer);
    EXPECT_TRUE(state.defaultInk(2)) << "an answer is written in the ink the cell has";
    state.clear(2);
    EXPECT_FALSE(state.defaultInk(2));
    state.setGiven(3, 6);
    EXPECT_FALSE(state.defaultInk(3));
}

// A board as the engine leaves it: givens blue, answers in the ink their cell had, a verdict.
Board solvedBoard() {
    Board board;
    board.cell(0).makeGiven(5);
    board.cell(1).clear();
    board.cell(1).setValue(3); // an answer in a cleared (black) cell
    board.cell(2).setValue(4); // an answer in a cell never coloured
    board.cell(3).clear();     // empty and black
    board.message().show(BoardMessage::SeveralSolutions);
    return board;
}

TEST(EngineBoard, ColoursAndTheMessageLabelBecomeKindsAndAVerdict) {
    PuzzleState before;
    before.setPencilMarks(3, 0x7);
    const PuzzleState state = fromBoard(solvedBoard(), before);
    EXPECT_EQ(state.kind(0), CellKind::Given);
    EXPECT_EQ(state.kind(1), CellKind::Answer);
    EXPECT_FALSE(state.defaultInk(1));
    EXPECT_EQ(state.kind(2), CellKind::Answer);
    EXPECT_TRUE(state.defaultInk(2));
    EXPECT_EQ(state.kind(3), CellKind::Empty);
    EXPECT_FALSE(state.defaultInk(3));
    EXPECT_EQ(state.pencilMarks(3), PencilMarks(0x7));
    EXPECT_EQ(state.verdict(), Verdict::SeveralSolutions);

    Board hidden = solvedBoard();
    hidden.message().hide();
    EXPECT_EQ(fromBoard(hidden).verdict(), Verdict::None);
}

TEST(EngineBoard, TheEngineGetsBackTheBoardItLeft) {
    const Board board = solvedBoard();
    EXPECT_EQ(toBoard(fromBoard(board)), board);
    PuzzleState player;
    player.setCell(7, 8, CellKind::Player);
    const Board played = toBoard(player);
    EXPECT_EQ(played.cell(7).value(), 8);
    EXPECT_FALSE(played.cell(7).isGiven()) << "the player's digits are no part of the puzzle";
}

} // namespace
} // namespace dodoru
