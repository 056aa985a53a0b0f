#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"

namespace dodoru::cli {

namespace {

// dodoru-read beside this program (the build tree), else where the package installs it, found from
// this program's folder.
std::string readProgram() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "dodoru-read";
    std::string folder(self, static_cast<std::size_t>(length));
    folder = folder.substr(0, folder.find_last_of('/') + 1);
    const std::string beside = folder + "dodoru-read";
    if (access(beside.c_str(), X_OK) == 0) return beside;
    return folder + DODORU_READ_PROGRAM;
}

}  // namespace

int launchRead(int argc, char* argv[]) {
    const std::string program = readProgram();
    std::vector<char*> arguments;
    arguments.push_back(const_cast<char*>(program.c_str()));
    for (int i = 2; i < argc; ++i) arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    std::fflush(stdout);
    execv(program.c_str(), arguments.data());
    std::fprintf(stderr, "dodoru-cli read: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
    return kExitBadInput;
}

}  // namespace dodoru::cli
