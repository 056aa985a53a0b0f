#pragma once

#include <string>

#include "boardtext.h"

namespace dodoru::cli {

// The command line's English for a board argument or a line of standard input that is not a board.
std::string describeBoardError(const TextError& error);
// The same for a puzzle file; the place is given as line and column.
std::string describeFileError(const TextError& error);

} // namespace dodoru::cli
