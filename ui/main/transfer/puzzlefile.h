#pragma once

#include <QString>

#include "board.h"

namespace dodoru {

// Saves the givens of `board` to `path` as one 81-character line and a line feed, the file replaced
// whole (written beside it and renamed into place). Only a regular file, or a link to one, is
// replaced: a folder, device, FIFO or socket in its place is refused and left as it is. Returns why
// the file could not be saved, in the window's language, or an empty string once it is saved.
QString savePuzzleFile(const QString& path, const Board& board);

} // namespace dodoru
