#include <variant>

#include <gtest/gtest.h>

#include "boardtext.h"

namespace dodoru {
namespace {

std::string zeros(std::size_t count) {
    return std::string(count, '0');
}

TEST(BoardInput, DigitsDotsAndZeros) {
    std::string text = zeros(81);
    text[0] = '5';
    text[1] = '.';
    text[80] = '9';
    auto parsed = readBoard(text);
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
    auto parsed = readBoard(grid);
    ASSERT_TRUE(std::holds_alternative<Board>(parsed));
    const Board& board = std::get<Board>(parsed);
    EXPECT_EQ(board.cell(9).value(), 1);
    EXPECT_EQ(board.cell(17).value(), 2);
    EXPECT_EQ(board.givenCount(), 18);
}

TEST(PuzzleFile, LinesGridsCommentsAndByteOrderMark) {
    Board second;
    second.cell(40).makeGiven(7);
    second.cell(80).makeGiven(3);
    const std::string text = "\xEF\xBB\xBF# three puzzles\r\n" + std::string(80, '.') +
                             "1\r\n\n   # indented comment 123\n" + writeGrid(second) + "\n" + "4" +
                             zeros(80) + "\n";
    const auto parsed = readPuzzles(text);
    ASSERT_TRUE(std::holds_alternative<std::vector<PuzzleText>>(parsed));
    const auto& puzzles = std::get<std::vector<PuzzleText>>(parsed);
    ASSERT_EQ(puzzles.size(), 3u);
    EXPECT_EQ(puzzles[0].line, 2);
    EXPECT_EQ(puzzles[0].digits[80], 1);
    EXPECT_EQ(puzzles[0].clueCount(), 1);
    EXPECT_EQ(puzzles[1].line, 5);
    EXPECT_EQ(puzzles[1].givens(), second);
    EXPECT_EQ(puzzles[2].line, 15);
    EXPECT_EQ(puzzles[2].givens().cell(0).value(), 4);
}

// Every way a text fails, with the place reported: line, column in characters, byte offset.
TEST(TextErrors, FaultAndPlace) {
    struct Case {
        const char* name;
        bool file; // readPuzzles, else readBoard
        std::string text;
        TextError expected;
    };
    const std::string bad = zeros(10) + "x" + zeros(70);
    const Case cases[] = {
        {"letter", false, bad, {TextFault::UnexpectedCharacter, 1, 11, 11, "x", 0}},
        {"control byte", false, zeros(3) + "\x01", {TextFault::UnexpectedCharacter, 1, 4, 4, "\x01", 0}},
        {"wide character", false, "00\n0五0", {TextFault::UnexpectedCharacter, 2, 2, 5, "五", 0}},
        {"broken UTF-8",
         false,
         "0\xE4"
         "0",
         {TextFault::UnexpectedCharacter, 1, 2, 2, "\xE4", 0}},
        {"80 cells", false, zeros(80), {TextFault::WrongCellCount, 0, 0, 0, {}, 80}},
        {"82 cells", false, zeros(82), {TextFault::WrongCellCount, 0, 0, 0, {}, 82}},
        {"empty board", false, "", {TextFault::WrongCellCount, 0, 0, 0, {}, 0}},
        {"a comment is no board", false, "#" + zeros(81), {TextFault::UnexpectedCharacter, 1, 1, 1, "#", 0}},
        {"file letter", true, "# c\n" + bad, {TextFault::UnexpectedCharacter, 2, 11, 15, "x", 0}},
        {"line goes on", true, zeros(81) + " 12", {TextFault::TooManyCells, 1, 83, 83, {}, 0}},
        {"unfinished grid",
         true,
         zeros(81) + "\n\n" + zeros(9) + "\n" + zeros(9),
         {TextFault::UnfinishedPuzzle, 3, 0, 0, {}, 18}},
        {"only comments", true, "# nothing\n\n+---+\n", {TextFault::NoPuzzle, 0, 0, 0, {}, 0}},
        {"empty file", true, "", {TextFault::NoPuzzle, 0, 0, 0, {}, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextError* error = nullptr;
        const auto board = readBoard(c.text);
        const auto file = readPuzzles(c.text);
        error = c.file ? std::get_if<TextError>(&file) : std::get_if<TextError>(&board);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->fault, c.expected.fault);
        EXPECT_EQ(error->line, c.expected.line);
        EXPECT_EQ(error->column, c.expected.column);
        EXPECT_EQ(error->offset, c.expected.offset);
        EXPECT_EQ(error->character, c.expected.character);
        EXPECT_EQ(error->cells, c.expected.cells);
    }
}

TEST(BoardOutput, LineAndGridReadBackAsTheGivensOrAsShown) {
    Board board;
    board.cell(0).makeGiven(4);
    board.cell(1).setValue(7); // a solved digit, not a given
    board.cell(80).makeGiven(9);
    EXPECT_EQ(writeLine(board), "4" + zeros(79) + "9");
    EXPECT_EQ(writeLine(board, CellsWritten::Shown), "47" + zeros(78) + "9");
    EXPECT_EQ(writeGrid(board).substr(0, 22), "4 . . | . . . | . . .\n");
    for (const CellsWritten which : {CellsWritten::Givens, CellsWritten::Shown}) {
        const auto fromLine = readBoard(writeLine(board, which));
        const auto fromGrid = readPuzzles(writeGrid(board, which));
        ASSERT_TRUE(std::holds_alternative<Board>(fromLine));
        ASSERT_TRUE(std::holds_alternative<std::vector<PuzzleText>>(fromGrid));
        EXPECT_EQ(writeLine(std::get<Board>(fromLine)), writeLine(board, which));
        EXPECT_EQ(writeLine(std::get<std::vector<PuzzleText>>(fromGrid).at(0).givens()),
                  writeLine(board, which));
    }
}

TEST(BoardOutput, MarkedGridShowsEveryDigitAndStarsTheGivens) {
    Board board;
    board.cell(0).makeGiven(4);
    board.cell(1).setValue(7);
    const std::string grid = writeMarkedGrid(board);
    EXPECT_EQ(grid.substr(0, 29), "+--------+--------+--------+\n");
    EXPECT_EQ(grid.substr(29, 8), "| 4*7 . ");
}

} // namespace
} // namespace dodoru
