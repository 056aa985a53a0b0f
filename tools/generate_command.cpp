#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "boardtext.h"
#include "clockrandom.h"
#include "commands.h"
#include "engine.h"
#include "filepuzzlelog.h"
#include "generator.h"
#include "logicsolver.h"
#include "options.h"
#include "seededrandom.h"
#include "stepwords.h"

namespace dodoru::cli {

namespace {

// How each puzzle is printed: the human report, or the puzzle alone as one of the text forms.
enum class OutputFormat { Human, Line, Grid, Json };

struct GenerateOptions {
    int level = 0;
    long count = 1;
    std::optional<std::uint64_t> seed;
    OutputFormat format = OutputFormat::Human;
    std::optional<std::string> logPath;
    RatingRange ratings;
};

// Draws for one puzzle of a rating range before the command gives up.
constexpr long kMostDraws = 10000;

std::optional<OutputFormat> formatNamed(const std::string& name) {
    if (name == "line") return OutputFormat::Line;
    if (name == "grid") return OutputFormat::Grid;
    if (name == "json") return OutputFormat::Json;
    return std::nullopt;
}

// Parses the arguments into `options`; returns an error message when they are wrong.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, GenerateOptions& options) {
    bool levelGiven = false;
    std::optional<std::string> formatGiven;  // the option that chose the format, to catch two that disagree
    const auto chooseFormat = [&](OutputFormat format, const std::string& option) -> std::optional<std::string> {
        if (formatGiven && options.format != format) return *formatGiven + " and " + option + " disagree";
        options.format = format;
        formatGiven = option;
        return std::nullopt;
    };
    const OptionNames names{
        {"--json"}, {"--level", "--count", "--seed", "--log", "--format", "--min-rating", "--max-rating"}};
    const auto take = [&](const std::string& name, const std::string& value) -> std::optional<std::string> {
        if (name == "--json") return chooseFormat(OutputFormat::Json, name);
        if (name == "--min-rating" || name == "--max-rating")
            return takeRatingOption(name, value, options.ratings);
        if (name == "--level") {
            const auto level = parseNumber<int>(value);
            if (!level || !isValidLevel(*level)) return "--level must be 1, 2, 3, 4 or 5, not '" + value + "'";
            options.level = *level;
            levelGiven = true;
        } else if (name == "--count") {
            const auto count = parseNumber<long>(value);
            if (!count || *count < 1) return "--count must be a whole number of at least 1, not '" + value + "'";
            options.count = *count;
        } else if (name == "--seed") {
            std::string error;
            options.seed = parseSeed(value, error);
            if (!options.seed) return error;
        } else if (name == "--format") {
            const auto format = formatNamed(value);
            if (!format) return "--format must be line, grid or json, not '" + value + "'";
            return chooseFormat(*format, name + " " + value);
        } else {
            if (value.empty()) return "--log needs a file name";
            options.logPath = value;
        }
        return std::nullopt;
    };
    if (auto error = readOptions(args, names, take)) return error;
    if (!levelGiven) return "missing --level L (1 very easy .. 5 very hard)";
    return checkRatingRange(options.ratings);
}

std::string snapshotDigits(const BoardSnapshot& snapshot) {
    std::string out;
    for (const auto digit : snapshot) out += static_cast<char>('0' + digit);
    return out;
}

std::string millisecondsText(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", ms);
    return text;
}

// "solution" is the puzzle's one solution, "grid" the full grid it was carved from; they differ where a
// check added a given.
std::string jsonLine(const Board& board, const GenerationResult& result, double ms,
                     const logic::Rating& rating) {
    std::string out = "{\"level\": " + std::to_string(result.level) + ", \"puzzle\": \"" + board.digits() +
                      "\", \"solution\": \"" + snapshotDigits(result.puzzleSolution) + "\", \"grid\": \"" +
                      snapshotDigits(result.solution) + "\", \"clues\": " + std::to_string(result.clueCount) + ", \"tally\": [";
    for (std::size_t n = 0; n < result.tally.size(); ++n) {
        if (n > 0) out += ", ";
        out += std::to_string(result.tally[n]);
    }
    out += "], \"tries\": " + std::to_string(result.tries) + ", \"grids\": " + std::to_string(result.grids) +
           ", \"rating\": " + ratingText(rating.ratingTenths) + ", \"hardest\": " +
           (rating.hardest ? "\"" + std::string(logic::techniqueId(*rating.hardest)) + "\""
                           : std::string("null")) +
           ", \"ms\": " + millisecondsText(ms) + "}\n";
    return out;
}

std::string humanText(const Board& board, const GenerationResult& result, double ms, long number,
                      long count) {
    const int singles = result.tally[1] - result.clueCount;
    std::string out = "Puzzle " + std::to_string(number) + " of " + std::to_string(count) + ": level " +
                      std::to_string(result.level) + ", " + std::to_string(result.clueCount) + " givens (空格" +
                      std::to_string(result.clueCount) + ")\n";
    out += writeMarkedGrid(board);
    out += "puzzle:    " + board.digits() + "\n";
    out += "solution:  " + snapshotDigits(result.puzzleSolution) + "\n";
    out += "full grid: " + snapshotDigits(result.solution);
    out += result.solution == result.puzzleSolution ? " (the solution)\n"
                                                    : " (the checks added givens that differ from it)\n";
    out += "tally:    ";
    for (std::size_t n = 0; n < result.tally.size(); ++n)
        out += " " + std::to_string(n) + "=" + std::to_string(result.tally[n]);
    out +=
        "  (hard cells " + std::to_string(result.tally[0]) + ", singles " + std::to_string(singles) + ")\n";
    out += std::to_string(result.tries) + (result.tries == 1 ? " try on " : " tries on ") +
           std::to_string(result.grids) + (result.grids == 1 ? " full grid, " : " full grids, ") +
           millisecondsText(ms) + " ms\n\n";
    return out;
}

}  // namespace

int runGenerate(const std::vector<std::string>& args) {
    GenerateOptions options;
    if (const auto error = parseOptions(args, options)) return usageError("generate", *error);

    std::unique_ptr<RandomSource> random;
    if (options.seed)
        random = std::make_unique<SeededRandom>(*options.seed);
    else
        random = std::make_unique<ClockRandom>();
    std::unique_ptr<FilePuzzleLog> log;
    if (options.logPath) log = std::make_unique<FilePuzzleLog>(*options.logPath);

    // One board and one window state for the whole run, as the window keeps them between commands.
    Board board;
    WindowState state;
    NoEventPump pump;
    Engine engine(board, state, pump);
    // With a rating range the generator logs nothing: only the puzzles kept are logged, below.
    Generator generator(engine, *random, options.ratings.limited ? nullptr : log.get());
    const auto rateBoard = [&board]() {
        logic::DigitGrid digits{};
        for (int c = 0; c < kCellCount; ++c)
            digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
        return logic::rate(digits);
    };

    int status = kExitOk;
    for (long number = 1; number <= options.count; ++number) {
        const auto start = std::chrono::steady_clock::now();
        // Each draw continues the one random sequence, so a seed gives the same puzzles in any range.
        GenerationResult result;
        std::optional<logic::Rating> rating;
        for (long draws = 0;; ++draws) {
            if (draws == kMostDraws) {
                std::fprintf(stderr,
                             "dodoru-cli generate: no puzzle of level %d rated %s to %s in %ld draws\n",
                             options.level, ratingText(options.ratings.least).c_str(),
                             ratingText(options.ratings.most).c_str(), kMostDraws);
                return kExitIncomplete;
            }
            result = generator.generate(options.level);
            if (result.outcome != GenerationOutcome::Accepted) {
                std::fprintf(stderr, "dodoru-cli generate: generation was interrupted\n");
                return kExitIncomplete;
            }
            if (!options.ratings.limited) break;
            rating = rateBoard();
            if (options.ratings.holds(rating->ratingTenths)) break;
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (options.ratings.limited && log)
            result.log = log->append(LogRecord{options.level, result.clueCount, 1, result.tally});
        if (options.format == OutputFormat::Json && !rating) rating = rateBoard();
        std::string text;
        switch (options.format) {
        case OutputFormat::Human: text = humanText(board, result, ms, number, options.count); break;
        case OutputFormat::Line: text = writeLine(board) + "\n"; break;
        case OutputFormat::Grid: text = (number > 1 ? "\n" : "") + writeGrid(board); break;
        case OutputFormat::Json:
            text = jsonLine(board, result, ms, *rating);
            break;
        }
        if (!writeOutput(text)) return kExitIncomplete;
        if (!result.log.ok) {
            std::fprintf(stderr, "dodoru-cli generate: puzzle %ld was not logged: %s\n", number,
                         result.log.error.c_str());
            status = kExitIncomplete;
        }
    }
    return status;
}

}  // namespace dodoru::cli
