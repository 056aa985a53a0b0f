#pragma once

#include "engine.h"

namespace dodoru::cli {

// The JSON word of a solve's verdict, as `solve` and `read` give it: unique, several or none.
const char* verdictWord(SolveVerdict verdict);

} // namespace dodoru::cli
