#include "unexpectedexit.h"

#include <cstdlib>
#include <utility>

namespace dodoru {

namespace {

std::function<void()>& pendingWork() {
    static std::function<void()> work;
    return work;
}

extern "C" void runPendingWork() {
    // Taken out first: the work may itself end in exit().
    const std::function<void()> work = std::exchange(pendingWork(), nullptr);
    if (work) work();
}

} // namespace

UnexpectedExitGuard::UnexpectedExitGuard(std::function<void()> lastWork) {
    // The holder first: what is registered later runs earlier at exit, so it outlives the handler.
    std::function<void()>& work = pendingWork();
    static const bool registered = std::atexit(runPendingWork) == 0;
    if (registered) work = std::move(lastWork);
}

UnexpectedExitGuard::~UnexpectedExitGuard() {
    pendingWork() = nullptr;
}

} // namespace dodoru
