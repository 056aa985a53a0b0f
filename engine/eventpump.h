#pragma once

#include <cstdint>

namespace dodoru {

enum class PumpResult { Continue, Unwind };

// The hook through which long work lets the window live. The search ticks it once per node and the
// generator once per rejected try. A tick is an inline countdown; every `stride` ticks it calls poll(),
// where the window decides whether enough time has passed to run an event pass. Once poll() answers
// Unwind (the window is closing) every later tick does too, and the work unwinds without finishing.
class EventPump {
public:
    explicit EventPump(std::uint32_t stride = 4096) : stride_(stride == 0 ? 1 : stride), countdown_(stride_) {}
    virtual ~EventPump() = default;
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;

    PumpResult tick() {
        if (--countdown_ != 0) return PumpResult::Continue;
        countdown_ = stride_;
        return pollNow();
    }
    // An event pass now, whatever the countdown says (the generator's pass after a rejected try).
    PumpResult pollNow() {
        if (!unwinding_ && poll() == PumpResult::Unwind) unwinding_ = true;
        if (!unwinding_) return PumpResult::Continue;
        countdown_ = 1;  // every later tick answers Unwind as well
        return PumpResult::Unwind;
    }
    bool unwinding() const { return unwinding_; }
    void requestUnwind() {
        unwinding_ = true;
        countdown_ = 1;
    }

protected:
    virtual PumpResult poll() { return PumpResult::Continue; }

private:
    std::uint32_t stride_;
    std::uint32_t countdown_;
    bool unwinding_ = false;
};

// The default hook: lets nothing run and never asks to unwind.
class NoEventPump final : public EventPump {
public:
    NoEventPump() : EventPump(UINT32_MAX) {}
};

}  // namespace dodoru
