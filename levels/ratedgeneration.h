#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "generator.h"
#include "logicsolver.h"
#include "techniquelevels.h"

namespace dodoru {

// How a draw makes its puzzle: the designed generator of the level, or carving by solving technique.
enum class GenerationMethod { Designed, ByTechnique };

// Draws for one puzzle before the generation gives up.
inline constexpr long kMostDraws = 10000;

struct RatedRequest {
    int level = 1;
    GenerationMethod method = GenerationMethod::Designed;
    // The ratings kept. By technique they narrow the level's band; designed, the whole scale keeps
    // the first draw.
    RatingBounds ratings;
    std::uint64_t seed = 0;
    int threads = 0; // 0: one a core
    long mostDraws = kMostDraws;
    const std::atomic<bool>* cancel = nullptr; // stops the draws when set
};

enum class RatedOutcome { Found, NoneInRange, Cancelled };

struct RatedPuzzle {
    RatedOutcome outcome = RatedOutcome::Cancelled;
    logic::DigitGrid puzzle{};   // the givens
    logic::DigitGrid solution{}; // the puzzle's one solution
    int ratingTenths = 0;
    std::optional<logic::Technique> hardest;
    long draws = 0;           // draws made up to and including the one kept (all of them when none was)
    GenerationResult designed; // designed draws: what the generator said of the puzzle kept
};

// The bounds a request keeps: the level's band by technique narrowed by the request's ratings.
RatingBounds keptRatings(const RatedRequest& request);

// A puzzle of the level rated within the request's bounds. Draw i is made from drawSeed(seed, i)
// alone, on every core at once; the kept puzzle is the first in draw order that is in range, so a
// seed gives the same puzzle on any number of threads. A level outside 1..5 throws std::out_of_range.
RatedPuzzle generateRated(const RatedRequest& request);

// The seed of draw `draw` for a puzzle of seed `seed`: the seed itself first, then seeds made of it
// and the draw's number.
std::uint64_t drawSeed(std::uint64_t seed, long draw);
// A seed made of a base seed and an index.
std::uint64_t mixedSeed(std::uint64_t baseSeed, long index);

} // namespace dodoru
