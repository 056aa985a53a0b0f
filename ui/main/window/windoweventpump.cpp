#include "windoweventpump.h"

#include <algorithm>

namespace dodoru {

WindowEventPump::WindowEventPump(Clock& clock, EventPass& pass, std::int64_t intervalNs, std::uint32_t stride)
    : EventPump(stride), clock_(clock), pass_(pass), intervalNs_(intervalNs) {
    lastPassStart_ = clock_.nanoseconds();
}

void WindowEventPump::startCommand() {
    statistics_ = Statistics{};
    lastPassStart_ = clock_.nanoseconds();
}

PumpResult WindowEventPump::poll() {
    const std::int64_t start = clock_.nanoseconds();
    const std::int64_t gap = start - lastPassStart_;
    if (gap < intervalNs_) return PumpResult::Continue;
    statistics_.longestGapNs = std::max(statistics_.longestGapNs, gap);
    ++statistics_.passes;
    lastPassStart_ = start;
    if (beforePass) beforePass();
    pass_.run();
    statistics_.timeInPassesNs += clock_.nanoseconds() - start;
    return PumpResult::Continue;
}

} // namespace dodoru
