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
    EXPECT_EQ(boardError("00\x01"), "unexpected character byte 0x01 at position 3 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError(zeros.substr(0, 40) + "五"),
              "unexpected character byte 0xe4 at position 41 (cells are 1-9, 0 or '.')");
    EXPECT_EQ(boardError(zeros.substr(1)), "the board has 80 cells; it needs exactly 81");
    EXPECT_EQ(fileError("\n0a"), "line 2, column 2: unexpected character 'a' (cells are 1-9, 0 or '.')");
    EXPECT_EQ(fileError(zeros + "0"), "line 1, column 82: the line goes on after the puzzle's 81st cell");
    EXPECT_EQ(fileError("\n000"), "line 2: the puzzle that starts here has 3 cells; it needs exactly 81");
    EXPECT_EQ(fileError("# empty\n"), "no puzzle in the file (a puzzle is 81 cells)");
}

} // namespace
} // namespace dodoru::cli
