#include "textinput.h"

#include <array>
#include <optional>

namespace dodoru {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isPrefixOf(std::string_view start, std::string_view whole) {
    return start.size() < whole.size() && whole.substr(0, start.size()) == start;
}

} // namespace

void TextLines::feed(std::string_view bytes, const Sink& sink) {
    if (encoding_ == Encoding::Utf8) {
        for (const char byte : bytes) putUtf8Byte(byte, sink);
        return;
    }
    pending_.append(bytes);
    if (encoding_ == Encoding::Undecided)
        decide(sink, false);
    else
        decode(sink);
}

void TextLines::finish(const Sink& sink) {
    if (encoding_ == Encoding::Undecided) decide(sink, true);
    if (encoding_ != Encoding::Utf8) {
        decode(sink);
        // A character cut short by the end of the input.
        if (!pending_.empty() || highSurrogate_ != 0) put(kReplacement, sink);
        pending_.clear();
        highSurrogate_ = 0;
    }
    if (!noText_ && !skippingLongLine_ && !line_.text.empty()) endLine(sink);
}

void TextLines::decide(const Sink& sink, bool atEnd) {
    // Longest first: the UTF-32 little-endian mark begins with the UTF-16 one.
    static constexpr std::array<std::pair<std::string_view, Encoding>, 5> kMarks = {{
        {std::string_view("\x00\x00\xFE\xFF", 4), Encoding::Utf32BE},
        {std::string_view("\xFF\xFE\x00\x00", 4), Encoding::Utf32LE},
        {std::string_view("\xEF\xBB\xBF", 3), Encoding::Utf8},
        {std::string_view("\xFE\xFF", 2), Encoding::Utf16BE},
        {std::string_view("\xFF\xFE", 2), Encoding::Utf16LE},
    }};
    if (!atEnd)
        for (const auto& [mark, encoding] : kMarks)
            if (isPrefixOf(pending_, mark)) return; // too few bytes yet to tell
    encoding_ = Encoding::Utf8;
    std::size_t skipped = 0;
    for (const auto& [mark, encoding] : kMarks) {
        if (std::string_view(pending_).substr(0, mark.size()) == mark) {
            encoding_ = encoding;
            skipped = mark.size();
            break;
        }
    }
    std::string rest = pending_.substr(skipped);
    pending_.clear();
    feed(rest, sink);
}

void TextLines::decode(const Sink& sink) {
    const bool wide = encoding_ == Encoding::Utf32LE || encoding_ == Encoding::Utf32BE;
    const bool littleEndian = encoding_ == Encoding::Utf16LE || encoding_ == Encoding::Utf32LE;
    const std::size_t unitSize = wide ? 4 : 2;
    std::size_t at = 0;
    for (; at + unitSize <= pending_.size(); at += unitSize) {
        char32_t unit = 0;
        for (std::size_t k = 0; k < unitSize; ++k) {
            const auto byte =
                static_cast<unsigned char>(pending_[at + (littleEndian ? unitSize - 1 - k : k)]);
            unit = (unit << 8) | byte;
        }
        if (wide) {
            put(unit > 0x10FFFF || (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit, sink);
            continue;
        }
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (highSurrogate_ != 0) {
            if (low) {
                put(0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00),
                    sink);
                highSurrogate_ = 0;
                continue;
            }
            put(kReplacement, sink);
            highSurrogate_ = 0;
        }
        if (high)
            highSurrogate_ = static_cast<char16_t>(unit);
        else
            put(low ? kReplacement : unit, sink);
    }
    pending_.erase(0, at);
}

void TextLines::put(char32_t character, const Sink& sink) {
    if (character < 0x80) {
        putUtf8Byte(static_cast<char>(character), sink);
        return;
    }
    char bytes[4];
    int count = 0;
    if (character < 0x800) {
        bytes[count++] = static_cast<char>(0xC0 | (character >> 6));
    } else if (character < 0x10000) {
        bytes[count++] = static_cast<char>(0xE0 | (character >> 12));
        bytes[count++] = static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    } else {
        bytes[count++] = static_cast<char>(0xF0 | (character >> 18));
        bytes[count++] = static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        bytes[count++] = static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    }
    bytes[count++] = static_cast<char>(0x80 | (character & 0x3F));
    for (int k = 0; k < count; ++k) putUtf8Byte(bytes[k], sink);
}

void TextLines::putUtf8Byte(char byte, const Sink& sink) {
    if (noText_) return;
    if (byte == '\n' && afterCarriageReturn_) { // the second half of CR LF
        afterCarriageReturn_ = false;
        return;
    }
    afterCarriageReturn_ = byte == '\r';
    if (byte == '\n' || byte == '\r') {
        if (skippingLongLine_)
            startNextLine();
        else
            endLine(sink);
        return;
    }
    if (byte == '\0') {
        // Said at once, and nothing after it is read: an endless input of zeros has no line end.
        line_.fault = TextLine::Fault::NotText;
        line_.text.clear();
        sink(line_);
        noText_ = true;
        return;
    }
    if (skippingLongLine_) return;
    if (maxLineBytes_ != 0 && line_.text.size() >= maxLineBytes_) {
        // Said at once; the rest of the line, however long, is dropped unread.
        line_.fault = TextLine::Fault::TooLong;
        std::string().swap(line_.text);
        sink(line_);
        skippingLongLine_ = true;
        return;
    }
    line_.text += byte;
}

void TextLines::startNextLine() {
    const int next = line_.number + 1;
    line_ = TextLine{};
    line_.number = next;
    skippingLongLine_ = false;
}

void TextLines::endLine(const Sink& sink) {
    sink(line_);
    startNextLine();
}

TextResult<std::vector<PuzzleText>> readPuzzleText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::optional<int> notText;
    const TextLines::Sink sink = [&](const TextLine& line) {
        if (line.fault == TextLine::Fault::NotText && !notText) notText = line.number;
        text += line.text;
        text += '\n';
    };
    TextLines lines;
    lines.feed(bytes, sink);
    lines.finish(sink);
    if (notText) return TextError{TextFault::NotText, *notText, 0, 0, {}, 0};
    return readPuzzles(text);
}

bool isBlankOrComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

} // namespace dodoru
