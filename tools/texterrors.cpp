#include "texterrors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "commands.h"

namespace dodoru::cli {

namespace {

constexpr const char* kCellRule = "(cells are 1-9, 0 or '.')";

// A character as the message shows it: a printable one in quotes (with its code when it is not ASCII),
// any other by its code; a byte that starts no UTF-8 character as that byte.
std::string shownCharacter(const std::string& character) {
    const char* hex = "0123456789abcdef";
    const auto lead = static_cast<unsigned char>(character.empty() ? '\0' : character.front());
    if (lead >= 0x20 && lead < 0x7F) return std::string("'") + static_cast<char>(lead) + "'";
    if (character.size() <= 1 && lead >= 0x80)
        return std::string("byte 0x") + hex[lead >> 4] + hex[lead & 15] + " (not UTF-8)";
    char32_t code = character.size() <= 1 ? lead : lead & (0xFF >> (character.size() + 1));
    for (std::size_t k = 1; k < character.size(); ++k)
        code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, "U+%04X", static_cast<unsigned>(code));
    // C0 and C1 controls, and the line and paragraph separators, are not shown themselves.
    const bool control =
        code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0) || code == 0x2028 || code == 0x2029;
    if (control) return codeText;
    return "'" + character + "' (" + codeText + ")";
}

std::string cellCount(int cells) {
    return std::to_string(cells) + " cells; it needs exactly 81";
}

} // namespace

std::string describeBoardError(const TextError& error) {
    if (error.fault == TextFault::UnexpectedCharacter) {
        // A position counts characters; a board drawn over several lines is placed by line and column.
        const std::string place = error.line == 1 ? "at position " + std::to_string(error.column)
                                                  : "at line " + std::to_string(error.line) + ", column " +
                                                        std::to_string(error.column);
        return "unexpected character " + shownCharacter(error.character) + " " + place + " " + kCellRule;
    }
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
    case TextFault::NotText:
        return "line " + std::to_string(error.line) + ": a NUL character; this is no text";
    case TextFault::NoPuzzle:
        break;
    }
    return "no puzzle in the file (a puzzle is 81 cells)";
}

std::string describeKind(const PathKind& kind) {
    switch (kind.kind) {
    case FileKind::Missing:
        return std::strerror(ENOENT);
    case FileKind::Regular:
        return "a regular file";
    case FileKind::DanglingLink:
        return "it is a link to '" + kind.linkTarget + "', which does not exist";
    case FileKind::Directory:
        return std::strerror(EISDIR);
    case FileKind::Device:
        return "it is a device, not a regular file";
    case FileKind::Fifo:
        return "it is a FIFO (a named pipe), not a regular file";
    case FileKind::Socket:
        return "it is a socket, not a regular file";
    case FileKind::Other:
        return "it is not a regular file";
    case FileKind::Unknown:
        return std::strerror(kind.errorNumber);
    }
    return {};
}

int answerStream(const char* command,
                 const std::function<int(const std::string& line, const std::string& where)>& answer) {
    int status = kExitOk;
    bool stopped = false;
    const TextLines::Sink take = [&](const TextLine& line) {
        if (stopped) return;
        const std::string where = "line " + std::to_string(line.number) + ": ";
        switch (line.fault) {
        case TextLine::Fault::NotText:
            std::fprintf(stderr, "dodoru-cli %s: %sa NUL character; standard input is no text, reading stopped\n",
                         command, where.c_str());
            status = kExitBadInput;
            stopped = true;
            return;
        case TextLine::Fault::TooLong:
            std::fprintf(stderr, "dodoru-cli %s: %slonger than %zu bytes; skipped\n", command, where.c_str(),
                         kMaxStreamLineBytes);
            status = kExitBadInput;
            return;
        case TextLine::Fault::None:
            break;
        }
        if (isBlankOrComment(line.text)) return;
        const int answered = answer(line.text, where);
        if (answered == kExitIncomplete) {
            status = kExitIncomplete;
            stopped = true;
        } else if (answered != kExitOk) {
            status = kExitBadInput;
        }
    };
    TextLines lines(kMaxStreamLineBytes);
    char chunk[65536];
    while (!stopped) {
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            std::fprintf(stderr, "dodoru-cli %s: cannot read standard input: %s\n", command, std::strerror(errno));
            return kExitBadInput;
        }
        if (got == 0) break;
        lines.feed(std::string_view(chunk, static_cast<std::size_t>(got)), take);
    }
    if (!stopped) lines.finish(take);
    return status;
}

std::variant<std::vector<PuzzleText>, std::string> readPuzzleFile(const std::string& path) {
    const FileRead read = readRegularFile(path, kMaxPuzzleTextBytes);
    switch (read.fault) {
    case FileRead::Fault::None:
        break;
    case FileRead::Fault::Kind:
        return "cannot read '" + path + "': " + describeKind(read.kind);
    case FileRead::Fault::System:
        return "cannot read '" + path + "': " + std::strerror(read.errorNumber);
    case FileRead::Fault::TooLarge:
        return "cannot read '" + path + "': it is larger than a puzzle file may be (" +
               std::to_string(kMaxPuzzleTextBytes / (1024 * 1024)) + " MB)";
    }
    auto parsed = readPuzzleText(read.bytes);
    if (const auto* error = std::get_if<TextError>(&parsed)) return path + ": " + describeFileError(*error);
    return std::get<std::vector<PuzzleText>>(std::move(parsed));
}

} // namespace dodoru::cli
