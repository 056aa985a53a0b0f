#include "ratedgeneration.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "carving.h"
#include "seededrandom.h"

namespace dodoru {

namespace {

// Lets nothing run; answers Unwind once the draw is to stop, so a long designed generation ends early.
class StopPump final : public EventPump {
public:
    explicit StopPump(const std::function<bool()>& stop) : stop_(stop) {}

protected:
    PumpResult poll() override { return stop_() ? PumpResult::Unwind : PumpResult::Continue; }

private:
    const std::function<bool()>& stop_;
};

logic::DigitGrid givensOf(const Board& board) {
    logic::DigitGrid givens{};
    for (int c = 0; c < kCellCount; ++c)
        if (board.cell(c).isGiven()) givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
    return givens;
}

std::optional<RatedPuzzle> designedDraw(int level, std::uint64_t seed, const RatingBounds& bounds,
                                        const std::function<bool()>& stop) {
    Board board;
    WindowState state;
    StopPump pump(stop);
    Engine engine(board, state, pump);
    SeededRandom random(seed);
    Generator generator(engine, random);
    RatedPuzzle out;
    out.designed = generator.generate(level);
    if (out.designed.outcome != GenerationOutcome::Accepted) return std::nullopt;
    out.puzzle = givensOf(board);
    out.solution = out.designed.puzzleSolution;
    const logic::Rating rating = logic::rate(out.puzzle);
    if (!bounds.holds(rating.ratingTenths)) return std::nullopt;
    out.ratingTenths = rating.ratingTenths;
    out.hardest = rating.hardest;
    return out;
}

std::optional<RatedPuzzle> techniqueDraw(std::uint64_t seed, const RatingBounds& bounds,
                                         const std::function<bool()>& stop) {
    const std::optional<CarvedPuzzle> carved = carvePuzzle(seed, bounds, stop);
    if (!carved) return std::nullopt;
    RatedPuzzle out;
    out.puzzle = carved->puzzle;
    out.solution = carved->solution;
    out.ratingTenths = carved->rating.ratingTenths;
    out.hardest = carved->rating.hardest;
    return out;
}

} // namespace

std::uint64_t mixedSeed(std::uint64_t baseSeed, long index) {
    SeededRandom mix(baseSeed ^ (0xD1B54A32D192ED03ULL * (static_cast<std::uint64_t>(index) + 1)));
    return mix.nextBits();
}

std::uint64_t drawSeed(std::uint64_t seed, long draw) {
    return draw == 0 ? seed : mixedSeed(seed, draw);
}

RatingBounds keptRatings(const RatedRequest& request) {
    if (request.method == GenerationMethod::Designed) {
        rulesForLevel(request.level); // throws for a level outside 1..5
        return request.ratings;
    }
    return intersect(techniqueLevelBand(request.level), request.ratings);
}

RatedPuzzle generateRated(const RatedRequest& request) {
    const RatingBounds bounds = keptRatings(request);
    const bool designed = request.method == GenerationMethod::Designed;
    // A designed puzzle of the whole scale is the first draw's.
    const long mostDraws = designed && !bounds.limited() ? 1 : std::max(1L, request.mostDraws);
    const auto cancelled = [&request] { return request.cancel && request.cancel->load(std::memory_order_relaxed); };

    std::atomic<long> next{0};
    std::atomic<long> first{LONG_MAX}; // the first draw in range found so far
    std::mutex keptMutex;
    RatedPuzzle kept;
    const auto work = [&] {
        for (;;) {
            const long draw = next.fetch_add(1);
            if (draw >= mostDraws || draw > first.load() || cancelled()) return;
            // A draw after one already in range can only lose to it.
            const std::function<bool()> stop = [&, draw] { return cancelled() || first.load() < draw; };
            const std::uint64_t seed = drawSeed(request.seed, draw);
            std::optional<RatedPuzzle> found =
                designed ? designedDraw(request.level, seed, bounds, stop) : techniqueDraw(seed, bounds, stop);
            if (!found) continue;
            const std::lock_guard<std::mutex> lock(keptMutex);
            if (draw < first.load()) {
                first.store(draw);
                kept = std::move(*found);
            }
        }
    };
    const int threads = request.threads > 0 ? request.threads
                                            : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads && t < mostDraws; ++t) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();

    if (cancelled()) {
        RatedPuzzle out;
        out.outcome = RatedOutcome::Cancelled;
        out.draws = std::min(next.load(), mostDraws);
        return out;
    }
    if (first.load() == LONG_MAX) {
        RatedPuzzle out;
        out.outcome = RatedOutcome::NoneInRange;
        out.draws = mostDraws;
        return out;
    }
    kept.outcome = RatedOutcome::Found;
    kept.draws = first.load() + 1;
    return kept;
}

} // namespace dodoru
