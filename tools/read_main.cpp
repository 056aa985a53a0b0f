// dodoru-read: the command line's read command on its own, so that only it loads the image libraries.
// dodoru-cli read hands its arguments over to it.
#include <csignal>
#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char* argv[]) {
    std::signal(SIGPIPE, SIG_IGN);
    return dodoru::cli::runRead(std::vector<std::string>(argv + 1, argv + argc));
}
