// Generation by solving technique: wall-clock time per puzzle for each level (seeds 1000·L + 1..N, all
// cores or --threads T), median and 95th percentile, the median of the CPU time all threads spent on
// it (which other load on the machine does not inflate; on idle cores the wall-clock time is about
// this divided by the threads), and the rating bands of the puzzles made; every puzzle is
// checked (one solution, givens symmetric under a half turn, rating inside its level's band) before its
// time counts. --top times puzzles at the top of the scale instead, those that need a contradiction or a
// guess (8.0 and above), and --least R level-5 puzzles rated R or more (7.6: forcing nets and above, the
// top that random carving still reaches in seconds); --designed shows the bands of the designed levels
// for the same seeds. A puzzle not found within the draws is reported and counted as a failure.
// Usage: dodoru_level_bench [N] [--threads T] [--top | --least R] [--designed]   (N defaults to 200)
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "ratedgeneration.h"
#include "technique.h"

namespace {

using namespace dodoru;

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(p * static_cast<double>(values.size()) + 0.999999);
    return values[std::min(values.size(), std::max<std::size_t>(rank, 1)) - 1];
}

// The CPU time of every thread of this process, in milliseconds.
double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool symmetric(const logic::DigitGrid& puzzle) {
    for (int c = 0; c < 81; ++c)
        if ((puzzle[static_cast<std::size_t>(c)] == 0) != (puzzle[static_cast<std::size_t>(80 - c)] == 0)) return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int count = 200;
    int threads = 0;
    int least = 0; // the rating asked for at least, in tenths; 0 for the levels' own bands
    bool designed = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc)
            threads = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--top") == 0)
            least = 80;
        else if (std::strcmp(argv[i], "--least") == 0 && i + 1 < argc)
            least = static_cast<int>(std::lround(std::atof(argv[++i]) * 10));
        else if (std::strcmp(argv[i], "--designed") == 0)
            designed = true;
        else
            count = std::max(1, std::atoi(argv[i]));
    }
    std::printf("%-8s %5s %10s %10s %10s %12s %8s   %s\n", "level", "n", "median ms", "p95 ms", "max ms",
                "CPU med ms", "draws",
                "bands: easy moderate tough expert trial");
    const bool top = least > 0;
    const std::vector<int> levels = top ? std::vector<int>{5} : std::vector<int>{1, 2, 3, 4, 5};
    int failures = 0;
    for (const int level : levels) {
        std::vector<double> times;
        std::vector<double> cpuTimes;
        std::array<int, 5> bands{};
        long draws = 0;
        for (int i = 1; i <= count; ++i) {
            RatedRequest request;
            request.level = level;
            request.method = designed ? GenerationMethod::Designed : GenerationMethod::ByTechnique;
            request.seed = static_cast<std::uint64_t>(1000 * level + i);
            request.threads = threads;
            if (top) request.ratings.least = least;
            const auto start = std::chrono::steady_clock::now();
            const double cpuStart = processCpuMs();
            const RatedPuzzle puzzle = generateRated(request);
            const double cpuMs = processCpuMs() - cpuStart;
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            const logic::Rating rating = logic::rate(puzzle.puzzle);
            const bool sound = puzzle.outcome == RatedOutcome::Found && rating.verdict == logic::PuzzleVerdict::Unique &&
                               rating.ratingTenths == puzzle.ratingTenths &&
                               (designed || (symmetric(puzzle.puzzle) && keptRatings(request).holds(rating.ratingTenths)));
            if (!sound) {
                std::printf("level %d seed %d: not a sound puzzle\n", level, 1000 * level + i);
                ++failures;
                continue;
            }
            times.push_back(ms);
            cpuTimes.push_back(cpuMs);
            draws += puzzle.draws;
            ++bands[static_cast<std::size_t>(logic::ratingBand(rating.ratingTenths))];
        }
        if (times.empty()) continue;
        std::printf("%-8s %5zu %10.1f %10.1f %10.1f %12.1f %8.1f   %d %d %d %d %d\n",
                    (top ? std::to_string(least / 10) + "." + std::to_string(least % 10) + "+" : std::to_string(level)).c_str(), times.size(),
                    percentile(times, 0.5), percentile(times, 0.95), percentile(times, 1.0), percentile(cpuTimes, 0.5),
                    static_cast<double>(draws) / static_cast<double>(times.size()), bands[0], bands[1], bands[2],
                    bands[3], bands[4]);
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
