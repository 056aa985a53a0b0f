#include "texterrors.h"

namespace dodoru::cli {

namespace {

constexpr const char* kCellRule = "(cells are 1-9, 0 or '.')";

// A printable ASCII character in quotes, anything else as the hexadecimal value of its first byte.
std::string shownCharacter(const std::string& character) {
    const auto code = static_cast<unsigned char>(character.empty() ? '\0' : character.front());
    if (code >= 0x20 && code < 0x7F) return std::string("'") + static_cast<char>(code) + "'";
    const char* hex = "0123456789abcdef";
    return std::string("byte 0x") + hex[code >> 4] + hex[code & 15];
}

std::string cellCount(int cells) {
    return std::to_string(cells) + " cells; it needs exactly 81";
}

} // namespace

std::string describeBoardError(const TextError& error) {
    if (error.fault == TextFault::UnexpectedCharacter)
        return "unexpected character " + shownCharacter(error.character) + " at position " +
               std::to_string(error.offset) + " " + kCellRule;
    return "the board has " + cellCount(error.cells);
}

std::string describeFileError(const TextError& error) {
    const std::string place =
        "line " + std::to_string(error.line) + ", column " + std::to_string(error.column);
    switch (error.fault) {
    case TextFault::UnexpectedCharacter:
        return place + ": unexpected character " + shownCharacter(error.character) + " " + kCellRule;
    case TextFault::TooManyCells:
        return place + ": the line goes on after the puzzle's 81st cell";
    case TextFault::UnfinishedPuzzle:
        return "line " + std::to_string(error.line) + ": the puzzle that starts here has " +
               cellCount(error.cells);
    case TextFault::WrongCellCount:
        return "the board has " + cellCount(error.cells);
    case TextFault::NoPuzzle:
        break;
    }
    return "no puzzle in the file (a puzzle is 81 cells)";
}

} // namespace dodoru::cli
