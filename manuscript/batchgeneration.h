#pragma once

#include <QFuture>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "manuscriptpuzzle.h"
#include "puzzlelog.h"
#include "ratedgeneration.h"

class QThreadPool;

namespace dodoru {

inline constexpr int kMostBatchPuzzles = 1000;

// The levels of `count` puzzles made from a mix: the mix stretched over the count in its own order,
// puzzle i getting mix[i * mix.size() / count]. "1,2,3,4,5" over 30 gives six of each, easiest first;
// "2,2,3,3,4" over 10 gives four of 2, four of 3 and two of 4.
std::vector<int> levelsForMix(const std::vector<int>& mix, int count);

// The seed of puzzle `index` of a batch: a mix of the base seed and the index, so that a puzzle does
// not depend on which worker makes it or on how many there are.
std::uint64_t puzzleSeed(std::uint64_t baseSeed, int index);

// A base seed from the system's entropy, for a batch the user did not seed.
std::uint64_t randomBaseSeed();

struct GeneratedPuzzle {
    ManuscriptPuzzle puzzle; // with its rating
    LogRecord record;       // what the puzzle log gets for it
    bool completed = false; // false when the batch was cancelled before this puzzle was done
    bool outOfRange = false; // no draw in kMostDraws was rated within the bounds
};

// One puzzle on the calling thread, by the rated generation: with limited bounds (or by technique),
// draws from drawSeed(seed, 0), (seed, 1), ... until a puzzle is rated within them. The generation stops
// early (completed false) once `cancel` is set. Puzzles by technique have no log record.
GeneratedPuzzle generateBatchPuzzle(int level, std::uint64_t seed, const std::atomic<bool>& cancel,
                                    const RatingBounds& bounds = {},
                                    GenerationMethod method = GenerationMethod::Designed);

// N puzzles made on a thread pool, each from its own seed; results come back by index. Cancel stops
// the running puzzles at their next pump pass and starts no new ones.
class BatchGeneration {
public:
    BatchGeneration(std::vector<int> levels, std::uint64_t baseSeed, RatingBounds bounds = {},
                    GenerationMethod method = GenerationMethod::Designed);

    // Starts on `pool` (the global pool when null). The future's results are in index order.
    QFuture<GeneratedPuzzle> start(QThreadPool* pool = nullptr);
    void cancel();
    bool cancelled() const { return cancel_->load(); }
    // Puzzles finished so far.
    int finished() const { return finished_->load(); }
    int count() const { return static_cast<int>(levels_.size()); }
    std::uint64_t baseSeed() const { return baseSeed_; }
    // The puzzles of a batch that ran to its end, by index; empty when it was cancelled.
    std::vector<GeneratedPuzzle> results() const;
    // Whether some puzzle of a finished batch found no draw within the rating bounds.
    bool outOfRange() const;

private:
    std::vector<int> levels_;
    std::uint64_t baseSeed_;
    RatingBounds bounds_;
    GenerationMethod method_;
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<int>> finished_ = std::make_shared<std::atomic<int>>(0);
    QFuture<GeneratedPuzzle> future_;
};

// Appends the records of `puzzles` to `log` one after the other, in index order; stops at the first
// failure and returns it.
LogWriteResult logBatch(PuzzleLog& log, const std::vector<GeneratedPuzzle>& puzzles);

} // namespace dodoru
