#include <variant>

#include <gtest/gtest.h>

#include "boardtext.h"

namespace dodoru::cli {
namespace {

std::string errorOf(std::string_view text) {
    auto parsed = parseBoard(text);
    const auto* error = std::get_if<BoardParseError>(&parsed);
    return error ? error->message : std::string();
}

TEST(BoardInput, DigitsDotsAndZeros) {
    std::string text(81, '0');
    text[0] = '5';
    text[1] = '.';
    text[80] = '9';
    auto parsed = parseBoard(text);
    ASSERT_TRUE(std::holds_alternative<Board>(parsed));
    const Board& board = std::get<Board>(parsed);
    EXPECT_TRUE(board.cell(0).isGiven());
    EXPECT_EQ(board.cell(0).value(), 5);
    EXPECT_TRUE(board.cell(1).empty());
    EXPECT_FALSE(board.cell(1).isGiven());
    EXPECT_EQ(board.cell(80).value(), 9);
    EXPECT_EQ(board.givenCount(), 2);
}

TEST(BoardInput, PastedGridWithRulesAndNewlines) {
    std::string grid;
    for (int r = 0; r < 9; ++r) {
        if (r % 3 == 0) grid += "+-------+-------+-------+\n";
        grid += "| 1 . . | . . . | . . 2 |\r\n";
    }
    grid += "+-------+-------+-------+\n";
    auto parsed = parseBoard(grid);
    ASSERT_TRUE(std::holds_alternative<Board>(parsed)) << errorOf(grid);
    const Board& board = std::get<Board>(parsed);
    EXPECT_EQ(board.cell(9).value(), 1);
    EXPECT_EQ(board.cell(17).value(), 2);
    EXPECT_EQ(board.givenCount(), 18);
}

TEST(BoardInput, WrongCellCountSaysHowMany) {
    EXPECT_NE(errorOf(std::string(80, '0')).find("80 cells"), std::string::npos);
    EXPECT_NE(errorOf(std::string(82, '0')).find("82 cells"), std::string::npos);
    EXPECT_NE(errorOf("").find("0 cells"), std::string::npos);
}

TEST(BoardInput, ForeignCharacterSaysWhichAndWhere) {
    std::string text(81, '0');
    text[10] = 'x';
    const std::string message = errorOf(text);
    EXPECT_NE(message.find("'x'"), std::string::npos) << message;
    EXPECT_NE(message.find("position 11"), std::string::npos) << message;
    text[10] = '\x01';
    EXPECT_NE(errorOf(text).find("0x01"), std::string::npos);
    std::string utf8 = std::string(40, '0') + "五" + std::string(40, '0');
    EXPECT_NE(errorOf(utf8).find("position 41"), std::string::npos);
}

TEST(BoardOutput, GridMarksGivens) {
    Board board;
    board.cell(0).makeGiven(4);
    board.cell(1).setValue(7);
    const std::string grid = formatGrid(board);
    EXPECT_EQ(grid.substr(0, 29), "+--------+--------+--------+\n");
    EXPECT_EQ(grid.substr(29, 8), "| 4*7 . ");
}

}  // namespace
}  // namespace dodoru::cli
