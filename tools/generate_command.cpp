#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "boardtext.h"
#include "clockrandom.h"
#include "commandoptions.h"
#include "commands.h"
#include "engine.h"
#include "filepuzzlelog.h"
#include "generator.h"
#include "jsonwriter.h"
#include "logicsolver.h"
#include "options.h"
#include "ratedgeneration.h"
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
    bool byTechnique = false;
    int threads = 0; // 0: one a core
};

std::optional<OutputFormat> formatNamed(const std::string& name) {
    if (name == "line") return OutputFormat::Line;
    if (name == "grid") return OutputFormat::Grid;
    if (name == "json") return OutputFormat::Json;
    return std::nullopt;
}

// Parses the arguments into `options`: what is wrong with them, or that --help was asked for.
OptionsRead parseOptions(const std::vector<std::string>& args, GenerateOptions& options) {
    bool levelGiven = false;
    std::optional<std::string> formatGiven;  // the option that chose the format, to catch two that disagree
    const auto chooseFormat = [&](OutputFormat format, const std::string& option) -> std::optional<std::string> {
        if (formatGiven && options.format != format) return *formatGiven + " and " + option + " disagree";
        options.format = format;
        formatGiven = option;
        return std::nullopt;
    };
    const auto take = [&](const std::string& name, const std::string& value) -> std::optional<std::string> {
        if (name == "--json") return chooseFormat(OutputFormat::Json, name);
        if (name == "--by-technique") {
            options.byTechnique = true;
            return std::nullopt;
        }
        if (name == "--threads") {
            const auto threads = parseNumber<int>(value);
            if (!threads || *threads < 1 || *threads > 256)
                return "--threads must be a whole number from 1 to 256, not '" + value + "'";
            options.threads = *threads;
            return std::nullopt;
        }
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
    if (auto read = readOptions(args, kGenerateOptions, take); read.help || read.error) return read;
    if (!levelGiven) return {false, "missing --level L (1 very easy .. 5 very hard)"};
    if (options.byTechnique && options.logPath)
        return {false, "--log records the designed levels' puzzles; it takes no --by-technique"};
    if (auto error = checkRatingRange(options.ratings)) return {false, error};
    if (options.byTechnique && options.ratings.limited &&
        intersect(techniqueLevelBand(options.level), RatingBounds{options.ratings.least, options.ratings.most}).empty())
        return {false, "level " + std::to_string(options.level) + " by technique has no puzzle rated " +
                           ratingText(options.ratings.least) + " to " + ratingText(options.ratings.most)};
    return {};
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
// check added a given. A puzzle kept for its rating adds the draws it took.
std::string jsonLine(const Board& board, const GenerationResult& result, double ms, int ratingTenths,
                     const std::optional<logic::Technique>& hardest, std::optional<long> draws = std::nullopt) {
    Json line;
    line["level"] = result.level;
    line["puzzle"] = board.digits();
    line["solution"] = snapshotDigits(result.puzzleSolution);
    line["grid"] = snapshotDigits(result.solution);
    line["clues"] = result.clueCount;
    line["tally"] = result.tally;
    line["tries"] = result.tries;
    line["grids"] = result.grids;
    line["rating"] = ratingJson(ratingTenths);
    line["hardest"] = hardestJson(hardest);
    if (draws) line["draws"] = *draws;
    line["ms"] = fixedJson(ms, 3);
    return writeJson(line) + "\n";
}

std::string digitsText(const logic::DigitGrid& digits) {
    std::string out;
    for (const auto digit : digits) out += static_cast<char>('0' + digit);
    return out;
}

int clueCount(const logic::DigitGrid& digits) {
    int count = 0;
    for (const auto digit : digits) count += digit != 0 ? 1 : 0;
    return count;
}

std::string bandId(int tenths) {
    return std::string(logic::ratingBandId(logic::ratingBand(tenths)));
}

// A designed puzzle kept for its rating: the designed record with the draws it took.
std::string rangedJsonLine(const Board& board, const RatedPuzzle& puzzle, double ms) {
    return jsonLine(board, puzzle.designed, ms, puzzle.ratingTenths, puzzle.hardest, puzzle.draws);
}

// A puzzle carved by solving technique: no tally, tries or full grid of the designed generator.
std::string techniqueJsonLine(int level, const RatedPuzzle& puzzle, double ms) {
    Json line;
    line["level"] = level;
    line["by_technique"] = true;
    line["puzzle"] = digitsText(puzzle.puzzle);
    line["solution"] = digitsText(puzzle.solution);
    line["clues"] = clueCount(puzzle.puzzle);
    line["rating"] = ratingJson(puzzle.ratingTenths);
    line["hardest"] = hardestJson(puzzle.hardest);
    line["band"] = bandId(puzzle.ratingTenths);
    line["draws"] = puzzle.draws;
    line["ms"] = fixedJson(ms, 3);
    return writeJson(line) + "\n";
}

std::string techniqueHumanText(const Board& board, int level, const RatedPuzzle& puzzle, double ms, long number,
                               long count) {
    std::string out = "Puzzle " + std::to_string(number) + " of " + std::to_string(count) + ": level " +
                      std::to_string(level) + " by technique, rated " + ratingText(puzzle.ratingTenths) + " (" +
                      bandId(puzzle.ratingTenths) + "), " + std::to_string(clueCount(puzzle.puzzle)) + " givens\n";
    out += writeMarkedGrid(board);
    out += "puzzle:    " + board.digits() + "\n";
    out += "solution:  " + digitsText(puzzle.solution) + "\n";
    out += "hardest:   " + (puzzle.hardest ? techniqueName(*puzzle.hardest) : std::string("-")) + "\n";
    out += std::to_string(puzzle.draws) + (puzzle.draws == 1 ? " draw, " : " draws, ") + millisecondsText(ms) +
           " ms\n\n";
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

// Puzzles of a rating range, or by solving technique: each from one call of the rated generation,
// puzzle n seeded with the n-th number of the seed's sequence.
int runRated(const GenerateOptions& options) {
    std::unique_ptr<FilePuzzleLog> log;
    if (options.logPath) log = std::make_unique<FilePuzzleLog>(*options.logPath);
    std::uint64_t base = 0;
    if (options.seed) {
        base = *options.seed;
    } else {
        std::random_device device;
        base = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    }
    SeededRandom seeds(base);
    RatedRequest request;
    request.level = options.level;
    request.method = options.byTechnique ? GenerationMethod::ByTechnique : GenerationMethod::Designed;
    if (options.ratings.limited) request.ratings = RatingBounds{options.ratings.least, options.ratings.most};
    request.threads = options.threads;

    int status = kExitOk;
    for (long number = 1; number <= options.count; ++number) {
        const auto start = std::chrono::steady_clock::now();
        request.seed = seeds.nextBits();
        const RatedPuzzle puzzle = generateRated(request);
        if (puzzle.outcome != RatedOutcome::Found) {
            const RatingBounds kept = keptRatings(request);
            std::fprintf(stderr, "dodoru-cli generate: no puzzle of level %d%s rated %s to %s in %ld draws\n",
                         options.level, options.byTechnique ? " by technique" : "", ratingText(kept.least).c_str(),
                         kept.most >= kTopRating ? "the top" : ratingText(kept.most).c_str(), puzzle.draws);
            return kExitIncomplete;
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        Board board;
        for (int c = 0; c < kCellCount; ++c)
            if (const int digit = puzzle.puzzle[static_cast<std::size_t>(c)]; digit != 0) board.cell(c).makeGiven(digit);
        LogWriteResult logged;
        if (log && !options.byTechnique)
            logged = log->append(LogRecord{options.level, puzzle.designed.clueCount, 1, puzzle.designed.tally});
        std::string text;
        switch (options.format) {
        case OutputFormat::Human:
            text = options.byTechnique ? techniqueHumanText(board, options.level, puzzle, ms, number, options.count)
                                       : humanText(board, puzzle.designed, ms, number, options.count);
            break;
        case OutputFormat::Line: text = writeLine(board) + "\n"; break;
        case OutputFormat::Grid: text = (number > 1 ? "\n" : "") + writeGrid(board); break;
        case OutputFormat::Json:
            text = options.byTechnique ? techniqueJsonLine(options.level, puzzle, ms) : rangedJsonLine(board, puzzle, ms);
            break;
        }
        if (!writeOutput(text)) return kExitIncomplete;
        if (!logged.ok) {
            std::fprintf(stderr, "dodoru-cli generate: puzzle %ld was not logged: %s\n", number, logged.error.c_str());
            status = kExitIncomplete;
        }
    }
    return status;
}

} // namespace

int runGenerate(const std::vector<std::string>& args) {
    GenerateOptions options;
    const OptionsRead asked = parseOptions(args, options);
    if (asked.help) return showCommandHelp(kGenerateOptions);
    if (asked.error) return usageError("generate", *asked.error);
    // A range of the whole scale keeps every puzzle: the designed run, as without one.
    if (options.byTechnique || RatingBounds{options.ratings.least, options.ratings.most}.limited())
        return runRated(options);

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
    Generator generator(engine, *random, log.get());
    const auto rateBoard = [&board]() {
        logic::DigitGrid digits{};
        for (int c = 0; c < kCellCount; ++c)
            digits[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
        return logic::rate(digits);
    };

    int status = kExitOk;
    for (long number = 1; number <= options.count; ++number) {
        const auto start = std::chrono::steady_clock::now();
        const GenerationResult result = generator.generate(options.level);
        if (result.outcome != GenerationOutcome::Accepted) {
            std::fprintf(stderr, "dodoru-cli generate: generation was interrupted\n");
            return kExitIncomplete;
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::optional<logic::Rating> rating;
        if (options.format == OutputFormat::Json) rating = rateBoard();
        std::string text;
        switch (options.format) {
        case OutputFormat::Human: text = humanText(board, result, ms, number, options.count); break;
        case OutputFormat::Line: text = writeLine(board) + "\n"; break;
        case OutputFormat::Grid: text = (number > 1 ? "\n" : "") + writeGrid(board); break;
        case OutputFormat::Json:
            text = jsonLine(board, result, ms, rating->ratingTenths, rating->hardest);
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
