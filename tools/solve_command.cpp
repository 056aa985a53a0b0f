#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>
#include <variant>

#include "boardtext.h"
#include "commandoptions.h"
#include "commands.h"
#include "verdictword.h"
#include "engine.h"
#include "jsonwriter.h"
#include "texterrors.h"
#include "textinput.h"

namespace dodoru::cli {

namespace {

// The JSON's "message" is the text of the window's message label, as the window shows it.
const char* messageLabelText(BoardMessage message) {
    switch (message) {
    case BoardMessage::NoSolution: return "此題無解";
    case BoardMessage::SeveralSolutions: return "有多組解答";
    case BoardMessage::PuzzleError: break;
    }
    return "題目錯誤";
}

std::string jsonAnswer(const Board& board, const SolveReport& report) {
    Json added = Json::array();
    for (int i = 0; i < report.addedCount; ++i) added.push_back(report.added[static_cast<std::size_t>(i)]);
    Json searches = Json::array();
    for (int i = 0; i < report.searches; ++i) searches.push_back(report.calls[static_cast<std::size_t>(i)]);
    Json answer;
    answer["verdict"] = verdictWord(report.verdict);
    answer["message"] = board.message().visible ? messageLabelText(board.message().text) : "";
    answer["puzzle_error"] = report.puzzleError;
    answer["board"] = board.digits();
    answer["givens"] = board.givenMask();
    answer["added"] = added;
    answer["searches"] = searches;
    return writeJson(answer) + "\n";
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
    out += "\n" + writeMarkedGrid(board) + "(* marks a given)\n";
    return out;
}

// Solves and prints one board; false when the answer could not be written.
bool solveAndPrint(Board board, bool json, SearchMethod method) {
    WindowState state;
    NoEventPump pump;
    Engine engine(board, state, pump);
    engine.setSearchMethod(method);
    BoardSnapshot snapshot{};
    state.GenerateFlag = 0;
    const SolveReport report = engine.SolveBoard(snapshot);
    const std::string answer = json ? jsonAnswer(board, report) : humanAnswer(board, report);
    return writeOutput(answer);
}

// Solves one board text; prints the answer or the error. Returns the exit status.
int solveOne(const std::string& text, bool json, SearchMethod method, const std::string& where) {
    auto parsed = readBoard(text);
    if (const auto* error = std::get_if<TextError>(&parsed)) {
        std::fprintf(stderr, "dodoru-cli solve: %s%s\n", where.c_str(), describeBoardError(*error).c_str());
        return kExitBadInput;
    }
    return solveAndPrint(std::get<Board>(parsed), json, method) ? kExitOk : kExitIncomplete;
}

// Solves every puzzle of a file, in order; a file that is not a puzzle file solves nothing.
int solveFile(const std::string& path, bool json, SearchMethod method) {
    const auto read = readPuzzleFile(path);
    if (const auto* error = std::get_if<std::string>(&read)) {
        std::fprintf(stderr, "dodoru-cli solve: %s\n", error->c_str());
        return kExitBadInput;
    }
    for (const PuzzleText& puzzle : std::get<std::vector<PuzzleText>>(read))
        if (!solveAndPrint(puzzle.givens(), json, method)) return kExitIncomplete;
    return kExitOk;
}

// An argument that names something on disk is a file; anything else is a board.
bool namesAFile(const std::string& argument) {
    const FileKind kind = examinePath(argument).kind;
    return kind != FileKind::Missing && kind != FileKind::Unknown;
}

// A board argument that reads as a file name nobody has: say so rather than quote its first letter.
bool looksLikeAFileName(const std::string& argument) {
    return argument.find('/') != std::string::npos ||
           argument.find(".txt") != std::string::npos || argument.find(".sdk") != std::string::npos;
}

}  // namespace

int runSolve(const std::vector<std::string>& args) {
    bool json = false;
    SearchMethod method = SearchMethod::Fast;
    std::optional<std::string> boardArg;
    bool twoBoards = false;
    const auto take = [&](const std::string& name, const std::string& value) -> std::optional<std::string> {
        if (name == "--json") {
            json = true;
        } else if (name == "--exact") {
            method = SearchMethod::Exact;
        } else if (!boardArg) {
            boardArg = value;
        } else {
            twoBoards = true;
            return "give one BOARD (quote a grid that contains blanks)";
        }
        return std::nullopt;
    };
    const OptionsRead asked = readOptions(args, kSolveOptions, take);
    if (asked.help) return showCommandHelp(kSolveOptions);
    if (asked.error && twoBoards) {
        std::fprintf(stderr, "dodoru-cli solve: %s\n", asked.error->c_str());
        return kExitBadInput;
    }
    if (asked.error) return usageError("solve", *asked.error);
    if (!boardArg) {
        std::fprintf(stderr, "dodoru-cli solve: missing BOARD (81 cells, or '-' to read boards from stdin)\n");
        return kExitBadInput;
    }
    if (*boardArg != "-") {
        if (namesAFile(*boardArg)) return solveFile(*boardArg, json, method);
        if (looksLikeAFileName(*boardArg) && std::holds_alternative<TextError>(readBoard(*boardArg))) {
            std::fprintf(stderr, "dodoru-cli solve: cannot read '%s': %s\n", boardArg->c_str(), std::strerror(ENOENT));
            return kExitBadInput;
        }
        return solveOne(*boardArg, json, method, "");
    }

    return answerStream("solve", [&](const std::string& line, const std::string& where) {
        return solveOne(line, json, method, where);
    });
}

}  // namespace dodoru::cli
