#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace dodoru {

// Turns SIGTERM, SIGHUP, SIGINT and SIGQUIT (kill, a logout, a closed terminal, Ctrl+C or Ctrl+\ in
// the terminal that started the program) into a Qt signal delivered by the event loop, so that every
// polite end closes the window the normal way, with its save. A signal the program was started with
// ignored (nohup, a background job of a shell) stays ignored; SIGTERM is always taken. The handler
// only writes the signal's number into a pipe that a socket notifier reads. One instance at a time;
// the previous handlers come back when it is destroyed.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up; the signals then end the program as usual.
    bool active() const { return notifier_ != nullptr; }

    static constexpr std::array<int, 4> kSignals = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

signals:
    void requested(int signalNumber);

private:
    void readPending();
    void restoreHandlers();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, kSignals.size()> previous_{};
    std::array<bool, kSignals.size()> taken_{};
};

} // namespace dodoru
