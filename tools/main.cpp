#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "commandoptions.h"
#include "commands.h"
#include "projectinfo.h"

namespace {

// What follows the commands' own help in dodoru-cli --help.
constexpr const char* kUsageEnd =
    "  dodoru-cli --help\n"
    "  dodoru-cli --version\n"
    "Exit status:\n"
    "  0  success; also when the reader of the output goes away early (dodoru-cli ... | head)\n"
    "  1  an output was lost: standard output (a full disk), a --log record or a manuscript's PDF\n"
    "     could not be written; the message on standard error says which\n"
    "  2  bad arguments, or a board that cannot be read (also an input file that is missing, not a\n"
    "     regular file, too large or unreadable), or an image that gave no puzzle\n";

std::string usage() {
    std::string out = "Usage:\n";
    for (const dodoru::cli::CommandOptions* command :
         {&dodoru::cli::kSolveOptions, &dodoru::cli::kGenerateOptions, &dodoru::cli::kExplainOptions,
          &dodoru::cli::kHintOptions, &dodoru::cli::kRateOptions, &dodoru::cli::kReadOptions})
        out += dodoru::cli::commandHelp(*command);
#ifdef DODORU_HAVE_MANUSCRIPT
    out += dodoru::cli::commandHelp(dodoru::cli::kManuscriptOptions);
#endif
    return out + kUsageEnd;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that goes away (| head) shows as EPIPE on the next write, which ends the run quietly
    // with status 0, rather than as a signal that kills it with 141.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(usage().c_str(), stderr);
        return dodoru::cli::kExitBadInput;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        return dodoru::cli::writeOutput(usage()) ? dodoru::cli::kExitOk : dodoru::cli::kExitIncomplete;
    }
    if (command == "--version" || command == "-v") {
        return dodoru::cli::writeOutput(std::string("dodoru-cli ") + dodoru::project::kVersion + "\n")
                   ? dodoru::cli::kExitOk
                   : dodoru::cli::kExitIncomplete;
    }
    if (command == "solve") return dodoru::cli::runSolve(args);
    if (command == "generate") return dodoru::cli::runGenerate(args);
    if (command == "explain") return dodoru::cli::runExplain(args);
    if (command == "hint") return dodoru::cli::runHint(args);
    if (command == "rate") return dodoru::cli::runRate(args);
    // Reading images loads the image libraries: their own program, as for manuscripts.
    if (command == "read") return dodoru::cli::runHelperProgram("dodoru-read", args);
#ifdef DODORU_HAVE_MANUSCRIPT
    // Manuscripts paint with Qt Gui, which only their own program loads: every other command starts
    // without it.
    if (command == "manuscript") return dodoru::cli::runHelperProgram("dodoru-cli-manuscript", args);
#endif
    std::fprintf(stderr, "dodoru-cli: unknown command '%s'\n%s", command.c_str(), usage().c_str());
    return dodoru::cli::kExitBadInput;
}
