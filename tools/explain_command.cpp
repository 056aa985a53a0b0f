// explain, hint and rate: the logical solver on the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <variant>

#include "boardtext.h"
#include "commandoptions.h"
#include "commands.h"
#include "jsonwriter.h"
#include "logicsolver.h"
#include "options.h"
#include "stepwords.h"
#include "texterrors.h"

namespace dodoru::cli {

namespace {

using logic::PuzzleVerdict;

logic::DigitGrid digitsOf(const Board& board) {
    logic::DigitGrid digits{};
    for (int c = 0; c < kCellCount; ++c)
        digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
    return digits;
}

std::string digitText(const logic::DigitGrid& digits) {
    std::string out;
    for (const auto d : digits) out += static_cast<char>('0' + d);
    return out;
}

const char* verdictId(PuzzleVerdict verdict) {
    switch (verdict) {
    case PuzzleVerdict::Unique:
        return "unique";
    case PuzzleVerdict::Several:
        return "several";
    case PuzzleVerdict::NoSolution:
    case PuzzleVerdict::PuzzleError:
        break;
    }
    return "none";
}

// The verdict in the words of solve, for a board without exactly one solution.
std::string verdictWords(PuzzleVerdict verdict) {
    switch (verdict) {
    case PuzzleVerdict::Several:
        return "Several solutions (有多組解答)";
    case PuzzleVerdict::PuzzleError:
        return "No solution (此題無解), puzzle error (題目錯誤): an empty cell has no possible digit";
    case PuzzleVerdict::NoSolution:
    case PuzzleVerdict::Unique:
        break;
    }
    return "No solution (此題無解)";
}

std::string refusal(const char* command, PuzzleVerdict verdict, bool json) {
    const std::string need = std::string(command) + " needs a puzzle with one solution";
    if (!json) return verdictWords(verdict) + "; " + need + ".\n";
    Json answer;
    answer["verdict"] = verdictId(verdict);
    answer["puzzle_error"] = verdict == PuzzleVerdict::PuzzleError;
    answer["solved"] = false;
    answer["error"] = need;
    return writeJson(answer) + "\n";
}

std::string hardestId(const std::optional<logic::Technique>& hardest) {
    return hardest ? std::string(logic::techniqueId(*hardest)) : std::string("none");
}

std::string explainText(const Board& board, bool json) {
    const logic::Explanation e = logic::explain(digitsOf(board));
    if (e.verdict != PuzzleVerdict::Unique) return refusal("explain", e.verdict, json);
    std::string out;
    int number = 0;
    for (const logic::Step& step : e.steps) {
        ++number;
        out += json ? writeJson(stepJson(step, number)) + "\n" : std::to_string(number) + ". " + stepWords(step) + "\n";
    }
    if (json) {
        Json closing;
        closing["rating"] = ratingJson(e.ratingTenths);
        closing["hardest"] = hardestJson(e.hardest);
        closing["steps"] = e.steps.size();
        closing["solved"] = e.solved;
        return out + writeJson(closing) + "\n";
    }
    out += "Rating " + ratingText(e.ratingTenths) + " (" +
           std::string(logic::ratingBandId(logic::ratingBand(e.ratingTenths))) + ")";
    if (e.hardest) out += ", hardest step: " + techniqueName(*e.hardest);
    out += "; " + std::to_string(e.steps.size()) + (e.steps.size() == 1 ? " step" : " steps");
    return out + (e.solved ? ", solved.\n" : ", not solved.\n");
}

std::string hintText(const Board& board, bool json) {
    const logic::Hint h = logic::hint(digitsOf(board));
    if (h.verdict != PuzzleVerdict::Unique) return refusal("hint", h.verdict, json);
    if (!h.step) return json ? writeJson(Json{{"solved", true}}) + "\n" : "The board is solved.\n";
    return json ? writeJson(stepJson(*h.step, 1)) + "\n" : stepWords(*h.step) + "\n";
}

std::string rateText(const Board& board, bool json) {
    const logic::DigitGrid digits = digitsOf(board);
    const logic::Rating r = logic::rate(digits);
    const std::string puzzle = digitText(digits);
    Json answer;
    answer["puzzle"] = puzzle;
    if (r.verdict != PuzzleVerdict::Unique) {
        if (json) {
            answer["verdict"] = verdictId(r.verdict);
            answer["puzzle_error"] = r.verdict == PuzzleVerdict::PuzzleError;
            return writeJson(answer) + "\n";
        }
        const char* word = r.verdict == PuzzleVerdict::Several       ? "several_solutions"
                           : r.verdict == PuzzleVerdict::PuzzleError ? "puzzle_error"
                                                                     : "no_solution";
        return std::string("- ") + word + " " + puzzle + "\n";
    }
    if (json) {
        answer["rating"] = ratingJson(r.ratingTenths);
        answer["hardest"] = hardestJson(r.hardest);
        answer["band"] = logic::ratingBandId(logic::ratingBand(r.ratingTenths));
        answer["steps"] = r.steps;
        return writeJson(answer) + "\n";
    }
    return ratingText(r.ratingTenths) + " " + hardestId(r.hardest) + " " + puzzle + "\n";
}

using Answer = std::function<std::string(const Board&, bool json)>;

struct Command {
    const CommandOptions& options;
    Answer answer;
    bool files; // takes a puzzle file as well as a board
    const char* name() const { return options.name.data(); } // a literal: its text ends in a NUL
};

int answerBoard(const Command& command, const std::string& text, bool json, const std::string& where) {
    auto parsed = readBoard(text);
    if (const auto* error = std::get_if<TextError>(&parsed)) {
        std::fprintf(stderr, "dodoru-cli %s: %s%s\n", command.name(), where.c_str(),
                     describeBoardError(*error).c_str());
        return kExitBadInput;
    }
    return writeOutput(command.answer(std::get<Board>(parsed), json)) ? kExitOk : kExitIncomplete;
}

int run(const Command& command, const std::vector<std::string>& args) {
    bool json = false;
    std::optional<std::string> boardArg;
    const auto take = [&](const std::string& name, const std::string& value) -> std::optional<std::string> {
        if (name == "--json") {
            json = true;
        } else if (boardArg) {
            return "give one BOARD (quote a grid that contains blanks)";
        } else {
            boardArg = value;
        }
        return std::nullopt;
    };
    const OptionsRead asked = readOptions(args, command.options, take);
    if (asked.help) return showCommandHelp(command.options);
    if (asked.error) return usageError(command.name(), *asked.error);
    if (!boardArg)
        return usageError(command.name(), std::string("missing ") + (command.files ? "BOARD, FILE" : "BOARD") +
                                              " or '-' to read boards from stdin");
    if (*boardArg != "-") {
        std::error_code error;
        if (command.files && std::filesystem::exists(std::filesystem::path(*boardArg), error)) {
            const auto read = readPuzzleFile(*boardArg);
            if (const auto* message = std::get_if<std::string>(&read)) {
                std::fprintf(stderr, "dodoru-cli %s: %s\n", command.name(), message->c_str());
                return kExitBadInput;
            }
            bool firstPuzzle = true;
            for (const PuzzleText& puzzle : std::get<std::vector<PuzzleText>>(read)) {
                // The paths of several puzzles are set apart by a blank line.
                const bool separate = !firstPuzzle && !json && std::string(command.name()) == "explain";
                firstPuzzle = false;
                if (separate && !writeOutput("\n")) return kExitIncomplete;
                if (!writeOutput(command.answer(puzzle.givens(), json))) return kExitIncomplete;
            }
            return kExitOk;
        }
        // A board argument that reads as a file name nobody has: say so rather than quote its first letter.
        const bool fileName = boardArg->find('/') != std::string::npos ||
                              boardArg->find(".txt") != std::string::npos ||
                              boardArg->find(".sdk") != std::string::npos;
        if (command.files && fileName && std::holds_alternative<TextError>(readBoard(*boardArg))) {
            std::fprintf(stderr, "dodoru-cli %s: cannot read '%s': %s\n", command.name(), boardArg->c_str(),
                         std::strerror(ENOENT));
            return kExitBadInput;
        }
        return answerBoard(command, *boardArg, json, "");
    }
    return answerStream(command.name(), [&](const std::string& line, const std::string& where) {
        return answerBoard(command, line, json, where);
    });
}

} // namespace

int runExplain(const std::vector<std::string>& args) {
    return run({kExplainOptions, explainText, true}, args);
}
int runHint(const std::vector<std::string>& args) {
    return run({kHintOptions, hintText, false}, args);
}
int runRate(const std::vector<std::string>& args) {
    return run({kRateOptions, rateText, true}, args);
}

} // namespace dodoru::cli
