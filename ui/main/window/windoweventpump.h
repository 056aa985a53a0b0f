#pragma once

#include <cstdint>
#include <functional>

#include "eventpump.h"
#include "platform.h"

namespace dodoru {

// The window's side of the engine's pump: every `stride` search nodes it reads the clock, and once
// `interval` has passed since the last event pass it brings the board on screen up to date and runs
// another pass. The window's closing makes it answer Unwind (requestUnwind).
class WindowEventPump final : public EventPump {
public:
    static constexpr std::int64_t kDefaultIntervalNs = 10'000'000;
    static constexpr std::uint32_t kDefaultStride = 4096;

    struct Statistics {
        std::int64_t passes = 0;
        std::int64_t longestGapNs = 0; // from the start of one pass (or of the command) to the next
        std::int64_t timeInPassesNs = 0;
    };

    WindowEventPump(Clock& clock, EventPass& pass, std::int64_t intervalNs = kDefaultIntervalNs,
                    std::uint32_t stride = kDefaultStride);

    // The window's hook before each pass.
    std::function<void()> beforePass;

    // A long command starts: the gap is measured from now and the statistics start afresh.
    void startCommand();
    const Statistics& statistics() const { return statistics_; }

protected:
    PumpResult poll() override;

private:
    Clock& clock_;
    EventPass& pass_;
    std::int64_t intervalNs_;
    std::int64_t lastPassStart_ = 0;
    Statistics statistics_;
};

} // namespace dodoru
