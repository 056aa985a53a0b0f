// How fast dodoru-cli starts, against a plain C++ program that prints a line, measured in the same run:
//   dodoru_startup_bench [ROUNDS]
// Each round starts the plain program, `dodoru-cli --version` and `dodoru-cli solve BOARD` once each, in
// turn, so that the machine's load falls on all three alike; the medians (ms) and their ratio to the
// plain program's are printed. Every run must exit 0, or the bench stops.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Command {
    const char* name;
    std::vector<std::string> words;
    std::vector<double> ms;
};

double runOnce(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end with status 0\n", argv[0]);
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const std::string board =
        "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
    std::vector<Command> commands = {
        {"plain C++ program", {DODORU_STARTUP_BASELINE}, {}},
        {"dodoru-cli --version", {DODORU_CLI, "--version"}, {}},
        {"dodoru-cli solve BOARD", {DODORU_CLI, "solve", board}, {}},
    };
    for (Command& command : commands) runOnce(command.words); // warm the page cache
    for (int round = 0; round < rounds; ++round)
        for (Command& command : commands) command.ms.push_back(runOnce(command.words));
    const double baseline = median(commands.front().ms);
    std::printf("%-26s %10s %8s\n", "start-up (median)", "ms", "ratio");
    for (const Command& command : commands)
        std::printf("%-26s %10.2f %8.2f\n", command.name, median(command.ms), median(command.ms) / baseline);
    return 0;
}
