#pragma once

#include <optional>

namespace dodoru {

// --help and --version, answered on standard output before any window or display is needed. Returns
// the exit status when one of them is given, nothing otherwise: then the window starts, and Qt takes
// its own options (-platform, -style...).
std::optional<int> answerInformationOptions(int argc, char* argv[]);

} // namespace dodoru
