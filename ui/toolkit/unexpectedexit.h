#pragma once

#include <functional>

namespace dodoru {

// Runs a last piece of work when the program ends through exit() while the guard lives, without the
// window having closed: Qt ends the program so when the display goes away ("The X11 connection
// broke"). The work runs once, on the thread that called exit(); the guard's end (a normal return
// from main) disarms it. One guard at a time.
class UnexpectedExitGuard {
public:
    explicit UnexpectedExitGuard(std::function<void()> lastWork);
    ~UnexpectedExitGuard();
    UnexpectedExitGuard(const UnexpectedExitGuard&) = delete;
    UnexpectedExitGuard& operator=(const UnexpectedExitGuard&) = delete;
};

} // namespace dodoru
