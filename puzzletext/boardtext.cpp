#include "boardtext.h"

namespace dodoru {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isSkipped(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '|' || ch == '-' || ch == '+';
}
bool isCell(char ch) {
    return (ch >= '0' && ch <= '9') || ch == '.';
}
std::uint8_t cellDigit(char ch) {
    return ch == '.' ? 0 : static_cast<std::uint8_t>(ch - '0');
}
bool isContinuation(char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

// The bytes of the UTF-8 character at `at`, or the lone byte when none starts there.
std::string characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (at + length > text.size()) return std::string(1, text[at]);
    for (std::size_t k = 1; k < length; ++k)
        if (!isContinuation(text[at + k])) return std::string(1, text[at]);
    return std::string(text.substr(at, length));
}

// Walks a text byte by byte and knows the line and character column of the current byte.
class TextCursor {
public:
    explicit TextCursor(std::string_view text, std::size_t start = 0) : text_(text), at_(start) {}

    bool atEnd() const { return at_ >= text_.size(); }
    char current() const { return text_[at_]; }
    void advance() {
        if (text_[at_] == '\n') {
            ++line_;
            column_ = 0;
        } else if (!isContinuation(text_[at_])) {
            ++column_;
        }
        ++at_;
    }
    TextError unexpected() const {
        return TextError{TextFault::UnexpectedCharacter, line_, column_ + 1, at_ + 1,
                         characterAt(text_, at_),        0};
    }
    TextError tooMany() const {
        return TextError{TextFault::TooManyCells, line_, column_ + 1, at_ + 1, {}, 0};
    }
    int line() const { return line_; }

private:
    std::string_view text_;
    std::size_t at_;
    int line_ = 1;
    int column_ = 0; // characters before the current one on its line
};

char shownDigit(const Board& board, int index, CellsWritten which, char empty) {
    const Cell& cell = board.cell(index);
    if (cell.empty() || (which == CellsWritten::Givens && !cell.isGiven())) return empty;
    return static_cast<char>('0' + cell.value());
}

} // namespace

int PuzzleText::clueCount() const {
    int count = 0;
    for (const auto digit : digits) count += digit != 0 ? 1 : 0;
    return count;
}

Board PuzzleText::givens() const {
    Board board;
    for (int c = 0; c < kCellCount; ++c) {
        const int digit = digits[static_cast<std::size_t>(c)];
        if (digit != 0) board.cell(c).makeGiven(digit);
    }
    return board;
}

TextResult<Board> readBoard(std::string_view text) {
    Board board;
    int cells = 0;
    for (TextCursor cursor(text); !cursor.atEnd(); cursor.advance()) {
        const char ch = cursor.current();
        if (isSkipped(ch)) continue;
        if (!isCell(ch)) return cursor.unexpected();
        if (cells < kCellCount && cellDigit(ch) != 0) board.cell(cells).makeGiven(cellDigit(ch));
        ++cells;
    }
    if (cells != kCellCount) return TextError{TextFault::WrongCellCount, 0, 0, 0, {}, cells};
    return board;
}

TextResult<std::vector<PuzzleText>> readPuzzles(std::string_view text) {
    std::vector<PuzzleText> puzzles;
    PuzzleText current;
    int cells = 0; // of the current puzzle
    bool comment = false;
    bool lineStart = true;
    bool lineCompletedPuzzle = false;
    const std::size_t start =
        text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
    for (TextCursor cursor(text, start); !cursor.atEnd(); cursor.advance()) {
        const char ch = cursor.current();
        if (ch == '\n') {
            comment = false;
            lineStart = true;
            lineCompletedPuzzle = false;
            continue;
        }
        if (comment) continue;
        if (lineStart && ch == '#') {
            comment = true;
            continue;
        }
        if (ch == ' ' || ch == '\t') continue;
        lineStart = false;
        if (isSkipped(ch)) continue;
        if (!isCell(ch)) return cursor.unexpected();
        if (lineCompletedPuzzle) return cursor.tooMany();
        if (cells == 0) current.line = cursor.line();
        current.digits[static_cast<std::size_t>(cells)] = cellDigit(ch);
        if (++cells == kCellCount) {
            puzzles.push_back(current);
            current = PuzzleText{};
            cells = 0;
            lineCompletedPuzzle = true;
        }
    }
    if (cells != 0) return TextError{TextFault::UnfinishedPuzzle, current.line, 0, 0, {}, cells};
    if (puzzles.empty()) return TextError{};
    return puzzles;
}

std::string writeLine(const Board& board, CellsWritten which) {
    std::string out;
    out.reserve(kCellCount);
    for (int c = 0; c < kCellCount; ++c) out += shownDigit(board, c, which, '0');
    return out;
}

std::string writeGrid(const Board& board, CellsWritten which) {
    std::string out;
    for (int r = 0; r < 9; ++r) {
        for (int k = 0; k < 9; ++k) {
            if (k > 0) out += k % 3 == 0 ? " | " : " ";
            out += shownDigit(board, cellAt(r, k), which, '.');
        }
        out += '\n';
    }
    return out;
}

std::string writeMarkedGrid(const Board& board) {
    std::string out;
    const std::string rule = "+--------+--------+--------+\n";
    for (int r = 0; r < 9; ++r) {
        if (r % 3 == 0) out += rule;
        for (int k = 0; k < 9; ++k) {
            if (k % 3 == 0) out += "| ";
            const Cell& cell = board.cell(cellAt(r, k));
            out += cell.empty() ? '.' : static_cast<char>('0' + cell.value());
            out += cell.isGiven() ? '*' : ' ';
        }
        out += "|\n";
    }
    out += rule;
    return out;
}

} // namespace dodoru
