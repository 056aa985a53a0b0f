#pragma once

#include <QString>

#include "puzzlestate.h"

namespace dodoru {

// The window's words for a verdict of the message label over the board.
QString boardVerdictText(Verdict verdict);

} // namespace dodoru
