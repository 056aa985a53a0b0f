#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "board.h"

namespace dodoru::cli {

struct BoardParseError {
    std::string message;
};

// Reads 81 cell characters: 1-9 a given, 0 or '.' an empty cell; whitespace and the grid characters
// '|', '-', '+' are skipped, so a nine-line grid pasted from a file reads too.
std::variant<Board, BoardParseError> parseBoard(std::string_view text);

// The board as a 9x9 grid; givens are marked with '*'.
std::string formatGrid(const Board& board);

}  // namespace dodoru::cli
