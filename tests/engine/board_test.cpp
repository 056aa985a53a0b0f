#include <gtest/gtest.h>

#include "board.h"

namespace dodoru {
namespace {

TEST(CellState, TheInkFollowsWhetherTheCellIsAGiven) {
    Cell cell;
    EXPECT_FALSE(cell.isGiven()) << "a label never inked is not a given";
    EXPECT_TRUE(cell.defaultInk());
    EXPECT_FALSE(cell.colour().has_value());
    cell.setValue(5);
    EXPECT_FALSE(cell.isGiven());
    EXPECT_FALSE(cell.colour().has_value()) << "a digit alone does not ink the cell";
    cell.setGiven(true);
    EXPECT_TRUE(cell.isGiven());
    EXPECT_EQ(cell.colour(), kGivenColour);
    cell.setValue(0);
    EXPECT_TRUE(cell.isGiven()) << "a given with an empty text is still a given";
    EXPECT_EQ(cell.value(), 0);
    cell.setGiven(false);
    EXPECT_FALSE(cell.isGiven());
    EXPECT_FALSE(cell.defaultInk());
    EXPECT_EQ(cell.colour(), kPlainColour);
}

TEST(CellState, TextIsEmptyOrOneDigit) {
    Cell cell;
    EXPECT_EQ(cell.text(), "");
    EXPECT_EQ(cell.value(), 0);
    cell.setValue(7);
    EXPECT_EQ(cell.text(), "7");
    cell.setValue(10);
    EXPECT_EQ(cell.text(), "") << "nothing but one digit is ever shown";
    cell.makeGiven(3);
    cell.clear();
    EXPECT_EQ(cell.text(), "");
    EXPECT_EQ(cell.colour(), kPlainColour);
}

TEST(BoardText, DigitsAndGivenMask) {
    Board board;
    board.cell(0).makeGiven(5);
    board.cell(80).setValue(9);  // a computed digit in the default colour
    EXPECT_EQ(board.digits().substr(0, 2), "50");
    EXPECT_EQ(board.digits().back(), '9');
    EXPECT_EQ(board.givenMask().front(), '1');
    EXPECT_EQ(board.givenMask().back(), '0');
    EXPECT_EQ(board.givenCount(), 1);
}

}  // namespace
}  // namespace dodoru
