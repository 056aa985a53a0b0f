#include "batchgeneration.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <random>

namespace dodoru {

std::vector<int> levelsForMix(const std::vector<int>& mix, int count) {
    std::vector<int> levels;
    if (mix.empty() || count <= 0) return levels;
    const auto size = static_cast<long long>(mix.size());
    for (long long i = 0; i < count; ++i) levels.push_back(mix[static_cast<std::size_t>(i * size / count)]);
    return levels;
}

std::uint64_t puzzleSeed(std::uint64_t baseSeed, int index) {
    return mixedSeed(baseSeed, index);
}

std::uint64_t randomBaseSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

GeneratedPuzzle generateBatchPuzzle(int level, std::uint64_t seed, const std::atomic<bool>& cancel,
                                    const RatingBounds& bounds, GenerationMethod method) {
    RatedRequest request;
    request.level = level;
    request.method = method;
    request.ratings = bounds;
    request.seed = seed;
    request.threads = 1; // the batch runs its puzzles side by side
    request.cancel = &cancel;
    const RatedPuzzle rated = generateRated(request);
    GeneratedPuzzle out;
    out.outOfRange = rated.outcome == RatedOutcome::NoneInRange;
    if (rated.outcome != RatedOutcome::Found) return out;
    out.puzzle.level = level;
    out.puzzle.givens = rated.puzzle;
    out.puzzle.solution = rated.solution;
    out.puzzle.ratingTenths = rated.ratingTenths;
    if (method == GenerationMethod::Designed)
        out.record = LogRecord{level, rated.designed.clueCount, 1, rated.designed.tally};
    out.completed = true;
    return out;
}

BatchGeneration::BatchGeneration(std::vector<int> levels, std::uint64_t baseSeed, RatingBounds bounds,
                                 GenerationMethod method)
    : levels_(std::move(levels)), baseSeed_(baseSeed), bounds_(bounds), method_(method) {}

QFuture<GeneratedPuzzle> BatchGeneration::start(QThreadPool* pool) {
    std::vector<int> indices(levels_.size());
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<int>(i);
    auto cancel = cancel_;
    auto finished = finished_;
    auto levels = levels_;
    const std::uint64_t base = baseSeed_;
    const RatingBounds bounds = bounds_;
    const GenerationMethod method = method_;
    auto make = [cancel, finished, levels, base, bounds, method](int index) {
        GeneratedPuzzle puzzle = generateBatchPuzzle(levels[static_cast<std::size_t>(index)],
                                                     puzzleSeed(base, index), *cancel, bounds, method);
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
