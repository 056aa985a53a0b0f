#pragma once

#include <string>
#include <vector>

namespace dodoru::cli {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

int runSolve(const std::vector<std::string>& args);
int runGenerate(const std::vector<std::string>& args);
#ifdef DODORU_HAVE_MANUSCRIPT
// Sets up the GUI application the manuscript needs (offscreen when no platform is chosen), then runs it.
int runManuscriptCommand(const std::vector<std::string>& args);
#endif

}  // namespace dodoru::cli
