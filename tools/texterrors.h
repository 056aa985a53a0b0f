#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "boardtext.h"
#include "regularfile.h"
#include "textinput.h"

namespace dodoru::cli {

// The command line's English for a board argument or a line of standard input that is not a board.
std::string describeBoardError(const TextError& error);
// The same for a puzzle file; the place is given as line and column.
std::string describeFileError(const TextError& error);

// Why a file of this kind is not read or written: "it is a FIFO (a named pipe), not a regular file".
std::string describeKind(const PathKind& kind);

// The puzzles of a puzzle file, or the message that says why there are none: "cannot read 'PATH':
// REASON", or "PATH: " and what is wrong in the file.
std::variant<std::vector<PuzzleText>, std::string> readPuzzleFile(const std::string& path);

// Answers standard input line by line, as the lines come, for `command`: `answer` gets each line that
// is neither blank nor a comment, and where it is ("line N: "), and returns an exit status. A line longer
// than kMaxStreamLineBytes is refused and the next one read; a NUL character means the input is no
// text, and the reading stops there. Returns the run's exit status (kExitIncomplete at once when an
// answer could not be written).
int answerStream(const char* command, const std::function<int(const std::string& line, const std::string& where)>& answer);

} // namespace dodoru::cli
