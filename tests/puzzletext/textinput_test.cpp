// Puzzle text as it arrives: one table of inputs (encodings, line ends, comments, faults) read whole
// by the one reader and, byte by byte, by the stream's line splitter, which must agree.
#include <variant>

#include <gtest/gtest.h>

#include "textinput.h"

namespace dodoru {
namespace {

// Two puzzles: the first with a 5 in its first cell, the second with a 9 in its last.
const std::string kFirst = "5" + std::string(80, '0');
const std::string kSecond = std::string(80, '.') + "9";

std::string utf16(std::string_view ascii, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char ch : ascii) {
        out += littleEndian ? ch : '\0';
        out += littleEndian ? '\0' : ch;
    }
    return out;
}

std::string utf32(std::string_view ascii, bool littleEndian) {
    std::string out = littleEndian ? std::string("\xFF\xFE\0\0", 4) : std::string("\0\0\xFE\xFF", 4);
    for (const char ch : ascii)
        out += littleEndian ? std::string(1, ch) + std::string(3, '\0') : std::string(3, '\0') + ch;
    return out;
}

struct InputCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines; // as the stream's splitter gives them
};

const std::vector<InputCase>& inputCases() {
    static const std::vector<InputCase> cases = {
        {"LF", "# two\n" + kFirst + "\n" + kSecond + "\n", {"# two", kFirst, kSecond}},
        {"CR LF", "# two\r\n" + kFirst + "\r\n" + kSecond + "\r\n", {"# two", kFirst, kSecond}},
        {"CR alone", "# two\r" + kFirst + "\r" + kSecond + "\r", {"# two", kFirst, kSecond}},
        {"no final line end", kFirst + "\n" + kSecond, {kFirst, kSecond}},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF" + kFirst + "\n" + kSecond + "\n", {kFirst, kSecond}},
        {"UTF-16 LE", utf16(kFirst + "\r\n" + kSecond + "\r\n", true), {kFirst, kSecond}},
        {"UTF-16 BE", utf16("# c\n" + kFirst + "\n" + kSecond, false), {"# c", kFirst, kSecond}},
        {"UTF-32 LE", utf32(kFirst + "\n" + kSecond, true), {kFirst, kSecond}},
        {"UTF-32 BE", utf32(kFirst + "\r" + kSecond + "\r", false), {kFirst, kSecond}},
        {"blank lines and indented comment",
         "\n  # c\n" + kFirst + "\n\n" + kSecond + "\n",
         {"", "  # c", kFirst, "", kSecond}},
    };
    return cases;
}

class PuzzleTextInput : public testing::TestWithParam<std::size_t> {};

TEST_P(PuzzleTextInput, FileAndStreamReadTheSamePuzzles) {
    const InputCase& input = inputCases()[GetParam()];
    const auto read = readPuzzleText(input.bytes);
    ASSERT_TRUE(std::holds_alternative<std::vector<PuzzleText>>(read)) << input.name;
    const auto& puzzles = std::get<std::vector<PuzzleText>>(read);
    ASSERT_EQ(puzzles.size(), 2u) << input.name;
    EXPECT_EQ(puzzles[0].digits[0], 5);
    EXPECT_EQ(puzzles[1].digits[80], 9);
    EXPECT_EQ(puzzles[0].clueCount() + puzzles[1].clueCount(), 2);

    std::vector<std::string> lines;
    TextLines splitter(kMaxStreamLineBytes);
    const TextLines::Sink sink = [&](const TextLine& line) {
        EXPECT_EQ(line.fault, TextLine::Fault::None);
        EXPECT_EQ(line.number, static_cast<int>(lines.size()) + 1);
        lines.push_back(line.text);
    };
    for (const char byte : input.bytes) splitter.feed(std::string_view(&byte, 1), sink);
    splitter.finish(sink);
    EXPECT_EQ(lines, input.lines) << input.name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, PuzzleTextInput, testing::Range<std::size_t>(0, 10), [](const auto& testCase) {
    std::string name = inputCases()[testCase.param].name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

// Faults of the text, with the place in characters (a character of another encoding counts once).
TEST(PuzzleTextInput, FaultsNameTheLineAndCharacter) {
    const auto error = [](const std::string& bytes) { return std::get<TextError>(readPuzzleText(bytes)); };
    const TextError wide = error(utf16("000\n0", true) + "\x14\x20"); // U+2014 in UTF-16 LE
    EXPECT_EQ(wide.fault, TextFault::UnexpectedCharacter);
    EXPECT_EQ(wide.line, 2);
    EXPECT_EQ(wide.column, 2);
    EXPECT_EQ(wide.character, "\xE2\x80\x94");
    const TextError crOnly = error(kFirst + "\r0x");
    EXPECT_EQ(crOnly.line, 2);
    EXPECT_EQ(crOnly.column, 2);
    const TextError nul = error(kFirst + "\n00" + std::string(1, '\0') + "0\n" + kSecond);
    EXPECT_EQ(nul.fault, TextFault::NotText);
    EXPECT_EQ(nul.line, 2);
}

// A stream keeps one line in memory: a longer one is refused at once and the next is read; a NUL
// ends the reading there, however much follows.
TEST(PuzzleTextInput, StreamLinesAreBounded) {
    std::vector<TextLine> seen;
    const TextLines::Sink sink = [&](const TextLine& line) { seen.push_back(line); };
    TextLines splitter(16);
    splitter.feed(std::string(100000, '0'), sink);
    ASSERT_EQ(seen.size(), 1u); // said before the line ends
    EXPECT_EQ(seen[0].fault, TextLine::Fault::TooLong);
    splitter.feed("0\r\n123\n", sink);
    splitter.feed(std::string("45\0", 3) + kFirst + "\n", sink);
    splitter.finish(sink);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].text, "123");
    EXPECT_EQ(seen[1].number, 2);
    EXPECT_EQ(seen[2].fault, TextLine::Fault::NotText);
    EXPECT_EQ(seen[2].number, 3);
}

} // namespace
} // namespace dodoru
