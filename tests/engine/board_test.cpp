#include <gtest/gtest.h>

#include "board.h"

namespace dodoru {
namespace {

TEST(CellState, OnlyBlueIsAGiven) {
    Cell cell;
    EXPECT_FALSE(cell.isGiven()) << "a label whose colour was never set is not a given";
    EXPECT_FALSE(cell.colour().has_value());
    cell.setValue(5);
    EXPECT_FALSE(cell.isGiven());
    cell.setColour(0xFE0000);
    EXPECT_FALSE(cell.isGiven());
    cell.setColour(kGivenColour);
    EXPECT_TRUE(cell.isGiven());
    cell.setValue(0);
    EXPECT_TRUE(cell.isGiven()) << "a blue cell with an empty text is still blue";
    EXPECT_EQ(cell.value(), 0);
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
