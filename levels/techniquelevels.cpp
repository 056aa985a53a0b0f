#include "techniquelevels.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace dodoru {

namespace {

// The one table of the levels by technique, in tenths of the rating scale.
constexpr std::array<RatingBounds, 5> kBands = {{
    {10, 19},         // singles only
    {20, 29},         // locked candidates
    {30, 39},         // pairs, X-wing, triples, swordfish
    {40, 59},         // hidden triples, wings, kites, unique rectangle, quads, colouring
    {60, kTopRating}, // chains or harder
}};

} // namespace

RatingBounds techniqueLevelBand(int level) {
    if (level < 1 || level > static_cast<int>(kBands.size()))
        throw std::out_of_range("no level " + std::to_string(level));
    return kBands[static_cast<std::size_t>(level - 1)];
}

RatingBounds intersect(const RatingBounds& a, const RatingBounds& b) {
    return RatingBounds{std::max(a.least, b.least), std::min(a.most, b.most)};
}

} // namespace dodoru
