#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "boardtext.h"

namespace dodoru {

// Puzzle text as it arrives, before it is read as puzzles: the same rules for a file, a paste, a drop
// and a stream. The bytes are UTF-8 (a leading byte order mark is skipped) or, after their byte order
// mark, UTF-16 or UTF-32 in either byte order; lines end with LF, CR LF or CR alone. A NUL character
// means the bytes are no text at all.

// Larger puzzle files and pasted texts are refused rather than read: no puzzle file comes near it.
inline constexpr std::size_t kMaxPuzzleTextBytes = 8 * 1024 * 1024;
// A longer line of a stream is refused (a board with every separator drawn is about 200 characters).
inline constexpr std::size_t kMaxStreamLineBytes = 4096;

// One line of the text, in UTF-8 without its line end.
struct TextLine {
    enum class Fault { None, TooLong, NotText };
    std::string text; // empty when the line is at fault
    int number = 1;   // 1-based
    Fault fault = Fault::None;
};

// Splits bytes into lines as they come, whatever their encoding and line ends; memory stays within
// one line of at most `maxLineBytes` (0: no limit). A longer line is reported TooLong as soon as it
// passes the limit, and the rest of it is dropped. A NUL character is reported at once as a NotText
// line, and nothing after it is read.
class TextLines {
public:
    using Sink = std::function<void(const TextLine&)>;

    explicit TextLines(std::size_t maxLineBytes = 0) : maxLineBytes_(maxLineBytes) {}

    void feed(std::string_view bytes, const Sink& sink);
    // The input ended: the last line, if it has no line end.
    void finish(const Sink& sink);

private:
    enum class Encoding { Undecided, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

    void decide(const Sink& sink, bool atEnd);
    void decode(const Sink& sink);
    void put(char32_t character, const Sink& sink);
    void putUtf8Byte(char byte, const Sink& sink);
    void endLine(const Sink& sink);
    void startNextLine();

    std::size_t maxLineBytes_;
    Encoding encoding_ = Encoding::Undecided;
    std::string pending_; // bytes not yet decoded (the byte order mark's, or a character's first bytes)
    char16_t highSurrogate_ = 0;
    bool afterCarriageReturn_ = false;
    bool skippingLongLine_ = false; // the rest of a line reported TooLong
    bool noText_ = false;           // a NUL was met
    TextLine line_;
};

// The one reader of puzzle texts, for the window and the command line alike: the text's bytes as
// TextLines takes them, then readPuzzles(). A NUL character is the NotText fault.
TextResult<std::vector<PuzzleText>> readPuzzleText(std::string_view bytes);

// A blank line, or a comment: a line whose first character after blanks is '#'.
bool isBlankOrComment(std::string_view line);

} // namespace dodoru
