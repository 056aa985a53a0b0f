#pragma once

#include <QElapsedTimer>
#include <cstdint>

class QWidget;

namespace dodoru {

// A monotonic clock for the window's pacing decisions.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nanoseconds() = 0;
};

class SteadyClock final : public Clock {
public:
    SteadyClock() { timer_.start(); }
    std::int64_t nanoseconds() override { return timer_.nsecsElapsed(); }

private:
    QElapsedTimer timer_;
};

// One event pass: every pending event of the program's windows is handled, then control returns.
class EventPass {
public:
    virtual ~EventPass() = default;
    virtual void run() = 0;
};

class QtEventPass final : public EventPass {
public:
    void run() override;
};

// Ends the program at once: every window is closed and no further event is handled.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // `closing` is the window whose close started the end; it is closing already.
    virtual void endProgram(QWidget* closing) = 0;
};

class QtProgramEnd final : public ProgramEnd {
public:
    void endProgram(QWidget* closing) override;
};

} // namespace dodoru
