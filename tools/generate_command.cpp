#include <cstdio>

#include "commands.h"

namespace dodoru::cli {

int runGenerate(const std::vector<std::string>&) {
    std::fprintf(stderr, "dodoru-cli generate: not built yet\n");
    return kExitUsage;
}

}  // namespace dodoru::cli
