#include "batchgeneration.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <random>

#include "generator.h"
#include "seededrandom.h"

namespace dodoru {

namespace {

// Lets nothing run; answers Unwind once the batch is cancelled, so a long generation stops early.
class CancelPump final : public EventPump {
public:
    explicit CancelPump(const std::atomic<bool>& cancel) : cancel_(cancel) {}

protected:
    PumpResult poll() override {
        return cancel_.load(std::memory_order_relaxed) ? PumpResult::Unwind : PumpResult::Continue;
    }

private:
    const std::atomic<bool>& cancel_;
};

} // namespace

std::vector<int> levelsForMix(const std::vector<int>& mix, int count) {
    std::vector<int> levels;
    if (mix.empty() || count <= 0) return levels;
    const auto size = static_cast<long long>(mix.size());
    for (long long i = 0; i < count; ++i) levels.push_back(mix[static_cast<std::size_t>(i * size / count)]);
    return levels;
}

std::uint64_t puzzleSeed(std::uint64_t baseSeed, int index) {
    SeededRandom mix(baseSeed ^ (0xD1B54A32D192ED03ULL * (static_cast<std::uint64_t>(index) + 1)));
    return mix.nextBits();
}

std::uint64_t randomBaseSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

std::uint64_t drawSeed(std::uint64_t seed, int draw) {
    return draw == 0 ? seed : puzzleSeed(seed, draw);
}

GeneratedPuzzle generateBatchPuzzle(int level, std::uint64_t seed, const std::atomic<bool>& cancel,
                                    const RatingBounds& bounds) {
    GeneratedPuzzle out;
    for (int draw = 0; draw < (bounds.limited() ? kMostRatingDraws : 1); ++draw) {
        if (cancel.load()) return out;
        Board board;
        WindowState state;
        CancelPump pump(cancel);
        Engine engine(board, state, pump);
        SeededRandom random(drawSeed(seed, draw));
        Generator generator(engine, random);
        const GenerationResult result = generator.generate(level);
        if (result.outcome != GenerationOutcome::Accepted) return out;
        out.puzzle.level = level;
        for (int c = 0; c < kCellCount; ++c)
            out.puzzle.givens[static_cast<std::size_t>(c)] =
                board.cell(c).isGiven() ? static_cast<std::uint8_t>(board.cell(c).value()) : 0;
        out.puzzle.solution = result.puzzleSolution;
        out.puzzle.ratingTenths = ratePuzzle(out.puzzle.givens);
        out.record = LogRecord{level, result.clueCount, 1, result.tally};
        if (bounds.holds(out.puzzle.ratingTenths)) {
            out.completed = true;
            return out;
        }
    }
    out.outOfRange = true;
    return out;
}

BatchGeneration::BatchGeneration(std::vector<int> levels, std::uint64_t baseSeed, RatingBounds bounds)
    : levels_(std::move(levels)), baseSeed_(baseSeed), bounds_(bounds) {}

QFuture<GeneratedPuzzle> BatchGeneration::start(QThreadPool* pool) {
    std::vector<int> indices(levels_.size());
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<int>(i);
    auto cancel = cancel_;
    auto finished = finished_;
    auto levels = levels_;
    const std::uint64_t base = baseSeed_;
    const RatingBounds bounds = bounds_;
    auto make = [cancel, finished, levels, base, bounds](int index) {
        GeneratedPuzzle puzzle = generateBatchPuzzle(levels[static_cast<std::size_t>(index)],
                                                     puzzleSeed(base, index), *cancel, bounds);
        if (puzzle.completed) finished->fetch_add(1);
        return puzzle;
    };
    future_ = QtConcurrent::mapped(pool ? pool : QThreadPool::globalInstance(), std::move(indices), make);
    return future_;
}

void BatchGeneration::cancel() {
    cancel_->store(true);
    future_.cancel();
}

std::vector<GeneratedPuzzle> BatchGeneration::results() const {
    if (cancelled() || !future_.isFinished()) return {};
    QFuture<GeneratedPuzzle> future = future_;
    const QList<GeneratedPuzzle> list = future.results();
    if (list.size() != count()) return {};
    std::vector<GeneratedPuzzle> out(list.begin(), list.end());
    for (const GeneratedPuzzle& puzzle : out)
        if (!puzzle.completed) return {};
    return out;
}

bool BatchGeneration::outOfRange() const {
    if (!future_.isFinished() || future_.isCanceled()) return false;
    QFuture<GeneratedPuzzle> future = future_;
    const QList<GeneratedPuzzle> list = future.results();
    return std::any_of(list.begin(), list.end(), [](const GeneratedPuzzle& p) { return p.outOfRange; });
}

LogWriteResult logBatch(PuzzleLog& log, const std::vector<GeneratedPuzzle>& puzzles) {
    for (const GeneratedPuzzle& puzzle : puzzles) {
        const LogWriteResult written = log.append(puzzle.record);
        if (!written.ok) return written;
    }
    return {};
}

} // namespace dodoru
