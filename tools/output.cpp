#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "commands.h"

namespace dodoru::cli {

bool writeOutput(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) return true;
    const int error = errno;
    if (error == EPIPE) std::_Exit(kExitOk);
    std::fprintf(stderr, "dodoru-cli: cannot write the output: %s\n", std::strerror(error));
    return false;
}

}  // namespace dodoru::cli
