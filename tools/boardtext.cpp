#include "boardtext.h"

namespace dodoru::cli {

std::variant<Board, BoardParseError> parseBoard(std::string_view text) {
    Board board;
    int cells = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '|' || ch == '-' || ch == '+') continue;
        const bool digit = ch >= '0' && ch <= '9';
        if (!digit && ch != '.') {
            const auto code = static_cast<unsigned char>(ch);
            std::string shown = (code >= 0x20 && code < 0x7F) ? std::string("'") + ch + "'"
                                                               : "byte 0x" + std::string(1, "0123456789abcdef"[code >> 4]) +
                                                                     "0123456789abcdef"[code & 15];
            return BoardParseError{"unexpected character " + shown + " at position " + std::to_string(i + 1) +
                                   " (cells are 1-9, 0 or '.')"};
        }
        if (cells < kCellCount && digit && ch != '0') board.cell(cells).makeGiven(ch - '0');
        ++cells;
    }
    if (cells != kCellCount)
        return BoardParseError{"the board has " + std::to_string(cells) + " cells; it needs exactly 81"};
    return board;
}

std::string formatGrid(const Board& board) {
    std::string out;
    const std::string rule = "+--------+--------+--------+\n";
    for (int r = 0; r < 9; ++r) {
        if (r % 3 == 0) out += rule;
        for (int k = 0; k < 9; ++k) {
            if (k % 3 == 0) out += "| ";
            const Cell& cell = board.cell(9 * r + k);
            out += cell.empty() ? '.' : static_cast<char>('0' + cell.value());
            out += cell.isGiven() ? '*' : ' ';
        }
        out += "|\n";
    }
    out += rule;
    return out;
}

}  // namespace dodoru::cli
