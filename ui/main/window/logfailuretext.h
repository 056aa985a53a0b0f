#pragma once

#include <QString>

#include "puzzlelog.h"

namespace dodoru {

// The message shown when a generated puzzle could not be logged in out.txt, with the reason in the
// window's language.
QString logFailedText(const LogWriteResult& result);

} // namespace dodoru
