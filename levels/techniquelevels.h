#pragma once

namespace dodoru {

// Ratings in tenths, both ends included. kTopRating stands for "no upper end": it is above any
// rating the logical solver gives.
inline constexpr int kTopRating = 1000;

struct RatingBounds {
    int least = 0;
    int most = kTopRating;
    bool limited() const { return least > 10 || most < 90; }
    bool holds(int tenths) const { return tenths >= least && tenths <= most; }
    bool empty() const { return least > most; }
};

// The five levels by solving technique: level 1 needs singles only, level 5 chains or harder. The
// bands are contiguous and rising; a level outside 1..5 throws std::out_of_range.
RatingBounds techniqueLevelBand(int level);

// The bounds that hold both.
RatingBounds intersect(const RatingBounds& a, const RatingBounds& b);

} // namespace dodoru
