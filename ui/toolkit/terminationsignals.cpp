#include "terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dodoru {

namespace {

volatile std::sig_atomic_t writeEnd = -1;

extern "C" void onTerminationSignal(int signalNumber) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (writeEnd != -1) return; // another instance owns the handlers
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipe_) != 0) return;
    writeEnd = pipe_[1];
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0) continue;
        if (kSignals[i] != SIGTERM && current.sa_handler == SIG_IGN) continue;
        taken_[i] = ::sigaction(kSignals[i], &action, &previous_[i]) == 0;
    }
    if (!taken_[0]) { // without SIGTERM nothing is worth having
        restoreHandlers();
        writeEnd = -1;
        ::close(pipe_[0]);
        ::close(pipe_[1]);
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readPending(); });
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    delete notifier_;
    restoreHandlers();
    writeEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::restoreHandlers() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        if (taken_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
    taken_ = {};
}

void TerminationSignals::readPending() {
    unsigned char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(pipe_[0], bytes, sizeof bytes)) > 0)
        for (ssize_t i = 0; i < count; ++i) emit requested(bytes[i]);
}

} // namespace dodoru
