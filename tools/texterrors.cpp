#include "texterrors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace dodoru::cli {

namespace {

struct FileText {
    std::string text;
    std::string error;  // why the file could not be read; empty when it was
};

FileText readWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {{}, std::strerror(errno)};
    FileText read;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) read.text.append(chunk, got);
    if (std::ferror(file) != 0) read.error = std::strerror(errno);
    std::fclose(file);
    return read;
}

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

std::variant<std::vector<PuzzleText>, std::string> readPuzzleFile(const std::string& path) {
    const FileText read = readWholeFile(path);
    if (!read.error.empty()) return "cannot read '" + path + "': " + read.error;
    auto parsed = readPuzzles(read.text);
    if (const auto* error = std::get_if<TextError>(&parsed)) return path + ": " + describeFileError(*error);
    return std::get<std::vector<PuzzleText>>(std::move(parsed));
}

} // namespace dodoru::cli
