// The command line's wording of text errors: the board messages are the ones users and scripts know.
#include <variant>

#include <gtest/gtest.h>

#include "texterrors.h"

namespace dodoru::cli {
namespace {

TEST(TextErrorWords, BoardAndFileMessages) {
    const auto boardError = [](std::string_view text) {
        return describeBoardError(std::get<TextError>(readBoard(text)));
    };
    const auto fileError = [](std::string_view text) {
        return describeFileError(std::get<TextError>(readPuzzles(text)));
    };
    const std::string zeros(81, '0');
    EXPECT_EQ(boardError(zeros.substr(0, 10) + "x" + zeros.substr(11)),
              "unexpected character 'x' at position 11 (cells are 1-9, 0 or '.')");
    // A character is named, not its first byte; a byte that starts no UTF-8 character is that byte.
    EXPECT_EQ(boardError("00\x01"), "unexpected character U+0001 at position 3 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError(zeros.substr(0, 40) + "五"),
              "unexpected character '五' (U+4E94) at position 41 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError("五0x"),
              "unexpected character '五' (U+4E94) at position 1 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError("0\xE9"),
              "unexpected character byte 0xe9 (not UTF-8) at position 2 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError("000\n0\xE2\x80\x94"),
              "unexpected character '\xE2\x80\x94' (U+2014) at line 2, column 2 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError(zeros.substr(1)), "the board has 80 cells; it needs exactly 81");
    EXPECT_EQ(fileError("\n0a"), "line 2, column 2: unexpected character 'a' (cells are 1-9, 0 or '.')");
    EXPECT_EQ(fileError(zeros + "0"), "line 1, column 82: the line goes on after the puzzle's 81st cell");
    EXPECT_EQ(fileError("\n000"), "line 2: the puzzle that starts here has 3 cells; it needs exactly 81");
    EXPECT_EQ(fileError("# empty\n"), "no puzzle in the file (a puzzle is 81 cells)");
    EXPECT_EQ(describeFileError(std::get<TextError>(readPuzzleText(std::string("0\n0\0", 4)))),
              "line 2: a NUL character; this is no text");
}

} // namespace
} // namespace dodoru::cli
