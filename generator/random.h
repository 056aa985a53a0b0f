#pragma once

#include <cstdint>

namespace dodoru {

// Uniform single-precision numbers in [0, 1). The program reseeds from the clock at start-up and at
// every new full grid; a seeded source ignores reseeds so that a run can be repeated.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    virtual void reseedFromClock() = 0;
};

// Int(n·u) for a draw u in [0, 1): 0..n-1. The product is taken in double, where it is exact for a
// single-precision u, and clamped, so that no rounding can give n.
constexpr int scaledDraw(float u, int n) {
    const double x = static_cast<double>(u) * n;
    int k = static_cast<int>(x);
    if (x < 0.0) k = 0;
    return k >= n ? n - 1 : k;
}

}  // namespace dodoru
