#pragma once

#include <string>
#include <vector>

namespace dodoru::cli {

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

int runSolve(const std::vector<std::string>& args);
int runGenerate(const std::vector<std::string>& args);

}  // namespace dodoru::cli
