// Generation time per level: median and 95th percentile over seeded puzzles (seed 1000·L + i), each
// checked for a unique solution and its level's rule before its time counts. Times are the thread's
// CPU time, so that other load on the machine does not count.
// Usage: dodoru_generate_bench [PUZZLES_PER_LEVEL] [--exact]   (default 100, at least 50)
//   --exact: the solve routine searches node by node instead of taking its fast path
#include <algorithm>
#include <cstring>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine.h"
#include "generator.h"
#include "seededrandom.h"

namespace {

using namespace dodoru;
// The calling thread's CPU time.
struct Clock {
    using time_point = double;  // milliseconds
    static time_point now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
};

double millisecondsSince(Clock::time_point start) { return Clock::now() - start; }

// Times the seed solves apart from the carving.
class SeedTimer final : public GenerationObserver {
public:
    void fullGridBegun(long) override { start_ = Clock::now(); }
    void fullGridReady(const BoardSnapshot&) override { seedMs += millisecondsSince(start_); }
    double seedMs = 0;

private:
    Clock::time_point start_;
};

// The engine's verdict on the puzzle's givens alone: one search, one solution, nothing added.
bool uniqueByEngine(const Board& puzzle) {
    Board board;
    for (int c = 0; c < kCellCount; ++c)
        if (puzzle.cell(c).isGiven()) board.cell(c).makeGiven(puzzle.cell(c).value());
    WindowState state;
    state.GenerateFlag = -1;
    NoEventPump pump;
    Engine engine(board, state, pump);
    BoardSnapshot snapshot{};
    const SolveReport report = engine.SolveBoard(snapshot);
    return report.verdict == SolveVerdict::Unique && report.addedCount == 0;
}

double percentile(std::vector<double> values, double p) {
    // Nearest rank: the smallest value with at least p of the values at or below it.
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::max(1.0, std::ceil(p * static_cast<double>(values.size()))));
    return values[rank - 1];
}

}  // namespace

int main(int argc, char* argv[]) {
    long perLevel = 100;
    SearchMethod method = SearchMethod::Fast;
    bool usage = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--exact") == 0)
            method = SearchMethod::Exact;
        else if ((perLevel = std::strtol(argv[i], nullptr, 10)) < 50)
            usage = true;
    }
    if (usage) {
        std::fprintf(stderr, "usage: dodoru_generate_bench [PUZZLES_PER_LEVEL >= 50] [--exact]\n");
        return 2;
    }
    std::printf("%ld seeded puzzles per level (seed 1000*L + i), %s search, CPU times in ms\n", perLevel,
                method == SearchMethod::Exact ? "node-by-node" : "fast");
    std::printf(
        "level | median |    p95 |    max |   mean | seed-solve share | tries/puzzle | grids/puzzle | slowest seed\n");
    std::printf(
        "------|--------|--------|--------|--------|------------------|--------------|--------------|-------------\n");
    int failures = 0;
    for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
        std::vector<double> times;
        double seedMs = 0, total = 0;
        long tries = 0, grids = 0;
        long slowestSeed = 0;
        double slowest = -1;
        for (long i = 0; i < perLevel; ++i) {
            Board board;
            WindowState state;
            NoEventPump pump;
            Engine engine(board, state, pump);
            engine.setSearchMethod(method);
            SeededRandom random(static_cast<std::uint64_t>(1000 * level + i));
            Generator generator(engine, random);
            SeedTimer timer;
            generator.setObserver(&timer);
            const auto start = Clock::now();
            const GenerationResult result = generator.generate(level);
            const double ms = millisecondsSince(start);
            const bool ok = result.outcome == GenerationOutcome::Accepted && uniqueByEngine(board) &&
                            acceptsTry(rulesForLevel(level), 1, result.tally, result.clueCount);
            if (!ok) {
                std::fprintf(stderr, "level %d seed %ld: wrong puzzle\n", level, 1000 * level + i);
                ++failures;
                continue;
            }
            times.push_back(ms);
            if (ms > slowest) {
                slowest = ms;
                slowestSeed = 1000 * level + i;
            }
            total += ms;
            seedMs += timer.seedMs;
            tries += result.tries;
            grids += result.grids;
        }
        if (times.empty()) continue;
        const double n = static_cast<double>(times.size());
        std::printf("%5d | %6.2f | %6.2f | %6.2f | %6.2f | %15.0f%% | %12.1f | %12.2f | %12ld\n", level,
                    percentile(times, 0.5), percentile(times, 0.95), slowest, total / n,
                    total > 0 ? 100.0 * seedMs / total : 0.0, static_cast<double>(tries) / n,
                    static_cast<double>(grids) / n, slowestSeed);
    }
    return failures == 0 ? 0 : 1;
}
