#pragma once

#include <cstdint>

#include "engine.h"

namespace dodoru::testing {

// The search written the plain way: recursion, and the whole-grid check after every placement.
// It works on the state's table and grid and counts its calls.
struct ReferenceSearch {
    WindowState& state;
    std::uint64_t calls = 0;

    // The engine's whole-grid check on this search's own grid.
    bool consistent() const;
    void run(std::int16_t step, std::int16_t& abort);
};

}  // namespace dodoru::testing
