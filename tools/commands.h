#pragma once

#include <string>
#include <vector>

namespace dodoru::cli {

// Exit statuses of the command line (--help lists them).
inline constexpr int kExitOk = 0;          // everything asked for was done and written
inline constexpr int kExitIncomplete = 1;  // an output was lost: standard output, a --log record or a PDF could not be written
inline constexpr int kExitBadInput = 2;    // bad arguments, or a board that cannot be read

// Writes `text` to standard output at once. False, after saying why on standard error, when it could
// not be written (a full disk); a reader that has gone away (`| head`) ends the program quietly with
// kExitOk, as a closed pipe ends other Unix tools.
bool writeOutput(const std::string& text);

int runSolve(const std::vector<std::string>& args);
int runGenerate(const std::vector<std::string>& args);
int runExplain(const std::vector<std::string>& args);
int runHint(const std::vector<std::string>& args);
int runRate(const std::vector<std::string>& args);
// Runs the program `name` installed with dodoru-cli in this one's place, with `args`; returns only when
// it could not be started (after saying why on standard error).
int runHelperProgram(const std::string& name, const std::vector<std::string>& args);
// Reads the puzzle in each image given (a photo or a scan). Runs in dodoru-read, the one program that
// loads the image libraries.
int runRead(const std::vector<std::string>& args);
#ifdef DODORU_HAVE_MANUSCRIPT
// Sets up the GUI application the manuscript needs (offscreen when no platform is chosen), then runs it.
int runManuscriptCommand(const std::vector<std::string>& args);
#endif

}  // namespace dodoru::cli
