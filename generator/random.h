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

}  // namespace dodoru
