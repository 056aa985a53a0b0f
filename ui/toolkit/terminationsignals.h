#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace dodoru {

// Turns SIGTERM and SIGHUP (a logout, kill, a closed terminal) into a Qt signal delivered by the event
// loop, so that a polite end closes the window the normal way, with its save. The handler only writes
// the signal's number into a pipe that a socket notifier reads. One instance at a time; the previous
// handlers come back when it is destroyed.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up; the signals then end the program as usual.
    bool active() const { return notifier_ != nullptr; }

signals:
    void requested(int signalNumber);

private:
    void readPending();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousHangUp_ {};
};

} // namespace dodoru
