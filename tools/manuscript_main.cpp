// The manuscript command of dodoru-cli, as a program of its own: it alone loads Qt Gui, so the other
// commands start without it. dodoru-cli runs it in its own place with the command's arguments.

#include <csignal>
#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char* argv[]) {
    // A reader that goes away shows as EPIPE on the next write, as in dodoru-cli itself.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return dodoru::cli::runManuscriptCommand(args);
}
