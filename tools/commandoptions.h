#pragma once

#include "options.h"

namespace dodoru::cli {

// Each command's options and help, declared once; dodoru-cli's --help is made of them in this order.
extern const CommandOptions kSolveOptions;
extern const CommandOptions kGenerateOptions;
extern const CommandOptions kExplainOptions;
extern const CommandOptions kHintOptions;
extern const CommandOptions kRateOptions;
extern const CommandOptions kReadOptions;
extern const CommandOptions kManuscriptOptions;

} // namespace dodoru::cli
