#include <cstdio>
#include <iostream>
#include <string>
#include <variant>

#include "boardtext.h"
#include "commands.h"
#include "engine.h"

namespace dodoru::cli {

namespace {

const char* verdictWord(SolveVerdict verdict) {
    switch (verdict) {
    case SolveVerdict::Unique: return "unique";
    case SolveVerdict::Several: return "several";
    default: return "none";
    }
}

std::string jsonAnswer(const Board& board, const SolveReport& report) {
    std::string out = "{\"verdict\": \"";
    out += verdictWord(report.verdict);
    out += "\", \"message\": \"";
    if (board.message().visible) out += board.message().text;
    out += "\", \"puzzle_error\": ";
    out += report.puzzleError ? "true" : "false";
    out += ", \"board\": \"" + board.digits() + "\", \"givens\": \"" + board.givenMask() + "\", \"added\": [";
    for (int i = 0; i < report.addedCount; ++i) {
        if (i > 0) out += ", ";
        out += std::to_string(report.added[static_cast<std::size_t>(i)]);
    }
    out += "], \"searches\": [";
    for (int i = 0; i < report.searches; ++i) {
        if (i > 0) out += ", ";
        out += std::to_string(report.calls[static_cast<std::size_t>(i)]);
    }
    out += "]}\n";
    return out;
}

std::string humanAnswer(const Board& board, const SolveReport& report) {
    std::string out;
    switch (report.verdict) {
    case SolveVerdict::Unique: out = "One solution.\n"; break;
    case SolveVerdict::Several: out = "Several solutions (有多組解答); the board shows one of them.\n"; break;
    default: out = "No solution (此題無解).\n"; break;
    }
    if (report.puzzleError) out += "Puzzle error (題目錯誤): an empty cell has no possible digit.\n";
    if (report.addedCount > 0) {
        out += "Givens added in cells:";
        for (int i = 0; i < report.addedCount; ++i) out += " " + std::to_string(report.added[static_cast<std::size_t>(i)]);
        out += "\n";
    }
    out += "Search calls:";
    for (int i = 0; i < report.searches; ++i) out += " " + std::to_string(report.calls[static_cast<std::size_t>(i)]);
    out += "\n" + formatGrid(board) + "(* marks a given)\n";
    return out;
}

// Solves one board text; prints the answer or the error. Returns the exit status.
int solveOne(const std::string& text, bool json, const std::string& where) {
    auto parsed = parseBoard(text);
    if (auto* error = std::get_if<BoardParseError>(&parsed)) {
        std::fprintf(stderr, "dodoru-cli solve: %s%s\n", where.c_str(), error->message.c_str());
        return kExitUsage;
    }
    Board board = std::get<Board>(parsed);
    WindowState state;
    NoEventPump pump;
    Engine engine(board, state, pump);
    BoardSnapshot snapshot{};
    state.GenerateFlag = 0;
    const SolveReport report = engine.SolveBoard(snapshot);
    const std::string answer = json ? jsonAnswer(board, report) : humanAnswer(board, report);
    std::fwrite(answer.data(), 1, answer.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

}  // namespace

int runSolve(const std::vector<std::string>& args) {
    bool json = false;
    const std::string* boardArg = nullptr;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "dodoru-cli solve: unknown option '%s' (see dodoru-cli --help)\n", arg.c_str());
            return kExitUsage;
        } else if (boardArg == nullptr) {
            boardArg = &arg;
        } else {
            std::fprintf(stderr, "dodoru-cli solve: give one BOARD (quote a grid that contains blanks)\n");
            return kExitUsage;
        }
    }
    if (boardArg == nullptr) {
        std::fprintf(stderr, "dodoru-cli solve: missing BOARD (81 cells, or '-' to read boards from stdin)\n");
        return kExitUsage;
    }
    if (*boardArg != "-") return solveOne(*boardArg, json, "");

    int status = kExitOk;
    std::string line;
    long lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        if (solveOne(line, json, "line " + std::to_string(lineNumber) + ": ") != kExitOk) status = kExitUsage;
    }
    return status;
}

}  // namespace dodoru::cli
