#include <QGuiApplication>
#include <QThreadPool>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <variant>

#include "batchgeneration.h"
#include "boardtext.h"
#include "commandoptions.h"
#include "commands.h"
#include "filepuzzlelog.h"
#include "levelrules.h"
#include "manuscriptpainter.h"
#include "options.h"
#include "stepwords.h"
#include "texterrors.h"

namespace dodoru::cli {

namespace {

struct ManuscriptArgs {
    std::vector<int> mix; // --level L is a mix of one
    int count = 0;
    int perPage = 6;
    QPageSize paper = QPageSize(QPageSize::A4);
    bool answers = false;
    QString title;
    std::optional<std::uint64_t> seed;
    std::optional<std::string> from;
    std::optional<std::string> logPath;
    std::string output;
    int threads = 0; // 0: one per core
    bool ratings = false;
    RatingRange ratingRange;
    bool byTechnique = false;
};

// Parses the arguments into `out`: what is wrong with them, or that --help was asked for.
OptionsRead parseArgs(const std::vector<std::string>& args, ManuscriptArgs& out) {
    bool countGiven = false;
    const auto take = [&](const std::string& name, const std::string& value) -> std::optional<std::string> {
        if (name == "--min-rating" || name == "--max-rating")
            return takeRatingOption(name, value, out.ratingRange);
        if (name == "--by-technique") {
            out.byTechnique = true;
            return std::nullopt;
        }
        if (name == "--rating") {
            out.ratings = true;
        } else if (name == "--answers") {
            out.answers = true;
        } else if (name == "--level" || name == "--mix") {
            if (!out.mix.empty()) return "give either --level or --mix, once";
            const auto mix = parseLevelMix(value);
            if (!mix || (name == "--level" && mix->size() != 1))
                return name == "--level"
                           ? "--level must be 1, 2, 3, 4 or 5, not '" + value + "'"
                           : "--mix must be levels 1-5 separated by commas, not '" + value + "'";
            out.mix = *mix;
        } else if (name == "--count") {
            const auto count = parseNumber<int>(value);
            if (!count || *count < 1 || *count > kMostBatchPuzzles)
                return "--count must be a whole number from 1 to " + std::to_string(kMostBatchPuzzles) +
                       ", not '" + value + "'";
            out.count = *count;
            countGiven = true;
        } else if (name == "--per-page") {
            const auto perPage = parseNumber<int>(value);
            if (!perPage || !isValidPerPage(*perPage))
                return "--per-page must be 1, 2, 4 or 6, not '" + value + "'";
            out.perPage = *perPage;
        } else if (name == "--paper") {
            const auto paper = paperByName(QString::fromStdString(value));
            if (!paper) {
                std::string known;
                for (const auto id : manuscriptPapers())
                    known += (known.empty() ? "" : ", ") + paperName(id).toStdString();
                return "--paper must be one of " + known + ", not '" + value + "'";
            }
            out.paper = *paper;
        } else if (name == "--title") {
            out.title = QString::fromUtf8(value.c_str());
        } else if (name == "--seed") {
            std::string error;
            out.seed = parseSeed(value, error);
            if (!out.seed) return error;
        } else if (name == "--from") {
            if (value.empty()) return "--from needs a file name";
            out.from = value;
        } else if (name == "--log") {
            if (value.empty()) return "--log needs a file name";
            out.logPath = value;
        } else if (name == "--threads") {
            const auto threads = parseNumber<int>(value);
            if (!threads || *threads < 1 || *threads > 256)
                return "--threads must be 1 to 256, not '" + value + "'";
            out.threads = *threads;
        } else {
            if (value.empty()) return "-o needs a file name";
            out.output = value;
        }
        return std::nullopt;
    };
    if (auto read = readOptions(args, kManuscriptOptions, take); read.help || read.error) return read;
    if (auto error = checkRatingRange(out.ratingRange)) return {false, error};
    if (out.output.empty()) return {false, "missing -o OUT.pdf"};
    if (out.from) {
        if (!out.mix.empty() || countGiven || out.seed || out.logPath || out.byTechnique)
            return {false, "--from typesets a file's puzzles; it takes no --level, --mix, --count, --seed, --log or "
                   "--by-technique"};
        return {};
    }
    if (out.mix.empty()) return {false, "missing --level L or --mix L,L,... (1 very easy .. 5 very hard)"};
    if (!countGiven) return {false, "missing --count N"};
    if (out.byTechnique && out.logPath) return {false, "--log records the designed levels' puzzles; it takes no --by-technique"};
    if (out.byTechnique && out.ratingRange.limited)
        for (const int level : out.mix)
            if (intersect(techniqueLevelBand(level), RatingBounds{out.ratingRange.least, out.ratingRange.most}).empty())
                return {false, "level " + std::to_string(level) + " by technique has no puzzle rated " +
                                   ratingText(out.ratingRange.least) + " to " + ratingText(out.ratingRange.most)};
    return {};
}

const char* verdictText(SolutionVerdict verdict) {
    switch (verdict) {
    case SolutionVerdict::NoSolution:
        return "it has no solution";
    case SolutionVerdict::Several:
        return "it has several solutions";
    case SolutionVerdict::PuzzleError:
        return "an empty cell has no possible digit";
    default:
        return "";
    }
}

// Generates the batch, with a progress line on standard error when that is a terminal.
std::optional<std::vector<GeneratedPuzzle>> generate(const ManuscriptArgs& args) {
    RatingBounds bounds;
    if (args.ratingRange.limited) bounds = RatingBounds{args.ratingRange.least, args.ratingRange.most};
    BatchGeneration batch(levelsForMix(args.mix, args.count), args.seed ? *args.seed : randomBaseSeed(),
                          bounds, args.byTechnique ? GenerationMethod::ByTechnique : GenerationMethod::Designed);
    QThreadPool pool;
    pool.setMaxThreadCount(args.threads > 0 ? args.threads : QThread::idealThreadCount());
    QFuture<GeneratedPuzzle> future = batch.start(&pool);
    const bool terminal = isatty(STDERR_FILENO) != 0;
    int shown = -1;
    while (!future.isFinished()) {
        if (terminal && batch.finished() != shown) {
            shown = batch.finished();
            std::fprintf(stderr, "\rgenerating: %d of %d puzzles", shown, batch.count());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    future.waitForFinished();
    if (terminal) std::fprintf(stderr, "\rgenerating: %d of %d puzzles\n", batch.finished(), batch.count());
    std::vector<GeneratedPuzzle> results = batch.results();
    if (batch.outOfRange())
        std::fprintf(stderr, "dodoru-cli manuscript: a puzzle found no draw rated %s to %s in %ld draws\n",
                     ratingText(args.ratingRange.least).c_str(), ratingText(args.ratingRange.most).c_str(),
                     kMostDraws);
    else if (results.empty())
        std::fprintf(stderr, "dodoru-cli manuscript: generation was interrupted\n");
    if (results.empty()) return std::nullopt;
    return results;
}

// Why the PDF was not written, in English.
std::string writeFailure(const std::string& path, const ManuscriptWriteResult& written) {
    switch (written.fault) {
    case ManuscriptWriteResult::Fault::NotAFile:
        return "cannot write '" + path + "': " + describeKind(written.kind);
    case ManuscriptWriteResult::Fault::System:
        return "cannot write '" + path + "': " + std::strerror(written.errorNumber);
    case ManuscriptWriteResult::Fault::Painting:
    case ManuscriptWriteResult::Fault::None:
        break;
    }
    return "cannot write '" + path + "': the PDF could not be made";
}

int runManuscript(const ManuscriptArgs& options) {
    // Only a regular file is replaced by the sheet: anything else is refused before the work begins.
    if (const PathKind kind = examinePath(options.output); !isUsableKind(kind.kind, true)) {
        std::fprintf(stderr, "dodoru-cli manuscript: cannot write '%s': %s\n", options.output.c_str(),
                     (kind.kind == FileKind::Unknown ? std::string(std::strerror(kind.errorNumber))
                                                     : describeKind(kind))
                         .c_str());
        return kExitIncomplete;
    }

    std::vector<ManuscriptPuzzle> puzzles;
    int status = kExitOk;
    if (options.from) {
        auto read = readPuzzleFile(*options.from);
        if (auto* error = std::get_if<std::string>(&read)) return usageError("manuscript", *error);
        int number = 0;
        for (const PuzzleText& puzzle : std::get<std::vector<PuzzleText>>(read)) {
            ++number;
            const SolvedGivens solved = solveGivens(puzzle.digits);
            if (solved.verdict != SolutionVerdict::Unique) {
                std::fprintf(stderr, "dodoru-cli manuscript: puzzle %d of %s (line %d) skipped: %s\n", number,
                             options.from->c_str(), puzzle.line, verdictText(solved.verdict));
                continue;
            }
            ManuscriptPuzzle kept{0, puzzle.digits, solved.solution};
            if (options.ratings || options.ratingRange.limited) kept.ratingTenths = ratePuzzle(puzzle.digits);
            if (!options.ratingRange.holds(kept.ratingTenths)) {
                std::fprintf(stderr, "dodoru-cli manuscript: puzzle %d of %s (line %d) skipped: rated %s\n",
                             number, options.from->c_str(), puzzle.line,
                             ratingText(kept.ratingTenths).c_str());
                continue;
            }
            puzzles.push_back(kept);
        }
        if (puzzles.empty())
            return usageError("manuscript", "'" + *options.from +
                                                "' holds no puzzle with exactly one solution" +
                                                (options.ratingRange.limited ? " rated in range" : ""));
    } else {
        const auto generated = generate(options);
        if (!generated) return kExitIncomplete;
        for (const GeneratedPuzzle& puzzle : *generated) puzzles.push_back(puzzle.puzzle);
        if (options.logPath) {
            FilePuzzleLog log(*options.logPath);
            const LogWriteResult logged = logBatch(log, *generated);
            if (!logged.ok) {
                std::fprintf(stderr, "dodoru-cli manuscript: the puzzles were not all logged: %s\n",
                             logged.error.c_str());
                status = kExitIncomplete;
            }
        }
    }

    ManuscriptOptions manuscript;
    manuscript.layout.paper = options.paper;
    manuscript.layout.perPage = options.perPage;
    manuscript.answers = options.answers;
    manuscript.title = options.title;
    manuscript.ratings = options.ratings;
    // The name goes to the system as the bytes it was given.
    const ManuscriptWriteResult written = writeManuscriptPdf(options.output, manuscript, puzzles);
    if (!written.ok) {
        std::fprintf(stderr, "dodoru-cli manuscript: %s\n", writeFailure(options.output, written).c_str());
        return kExitIncomplete;
    }
    return status;
}

} // namespace

int runManuscriptCommand(const std::vector<std::string>& args) {
    // Fonts need a GUI application, never a display: the offscreen platform serves, whatever the
    // environment asks for (a platform without its display would end the program). Qt's own notes
    // about its platform are no business of the command's user: only its errors are shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "dodoru-cli manuscript: %s\n", message.toLocal8Bit().constData());
    });
    ManuscriptArgs options;
    const OptionsRead asked = parseArgs(args, options);
    if (asked.help) return showCommandHelp(kManuscriptOptions);
    if (asked.error) return usageError("manuscript", *asked.error);
    static int argc = 1;
    static char name[] = "dodoru-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return runManuscript(options);
}

} // namespace dodoru::cli
