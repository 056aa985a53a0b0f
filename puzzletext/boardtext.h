#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "board.h"

namespace dodoru {

// Puzzles as text. A cell is 1-9 (a given) or 0 or '.' (empty); blanks, line ends and the grid
// characters '|', '-', '+' are skipped, so an 81-character line and a drawn nine-line grid read alike.

// Why a text is not a puzzle. Each front end words these in its own language.
enum class TextFault {
    UnexpectedCharacter, // a character that is neither a cell nor skipped
    WrongCellCount,      // a single board with other than 81 cells
    UnfinishedPuzzle,    // a puzzle of a file ends before its 81st cell
    TooManyCells,        // a line goes on with cells after its puzzle's 81st
    NoPuzzle,            // a file without a single cell
    NotText,             // a NUL character: the bytes are no text (its line is given)
};

struct TextError {
    TextFault fault = TextFault::NoPuzzle;
    int line = 0;           // 1-based line of the fault; the puzzle's first line for UnfinishedPuzzle
    int column = 0;         // 1-based, in characters of that line (0 when the fault has no place)
    std::size_t offset = 0; // 1-based byte of the fault in the whole text (0 when it has no place)
    std::string character;  // the unexpected character's bytes (a lone byte when it is not UTF-8)
    int cells = 0;          // cells counted (WrongCellCount, UnfinishedPuzzle)
};

template <typename Value> using TextResult = std::variant<Value, TextError>;

// One puzzle of a text: its digits cell by cell (0 empty) and the line where it starts.
struct PuzzleText {
    std::array<std::uint8_t, kCellCount> digits{};
    int line = 1;

    int clueCount() const;
    // An otherwise empty board with these digits as givens.
    Board givens() const;
};

// Exactly one board: 81 cells anywhere in the text.
TextResult<Board> readBoard(std::string_view text);

// A file of puzzles: one per line in the 81-character form, or nine-line grids; lines that start with
// '#' are comments, lines without cells are skipped, and a leading UTF-8 byte order mark is ignored.
TextResult<std::vector<PuzzleText>> readPuzzles(std::string_view text);

enum class CellsWritten { Givens, Shown };

// 81 characters, '0' for an empty cell (or, with Givens, for a cell that is not a given).
std::string writeLine(const Board& board, CellsWritten which = CellsWritten::Givens);
// Nine lines of "5 3 . | . 7 . | . . .", '.' for an empty cell, each ending in a line feed.
std::string writeGrid(const Board& board, CellsWritten which = CellsWritten::Givens);
// The board between rules, every digit shown and each given marked with '*'.
std::string writeMarkedGrid(const Board& board);

} // namespace dodoru
