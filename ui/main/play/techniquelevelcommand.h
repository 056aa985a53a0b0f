#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ratedgeneration.h"
#include "windowsettings.h"

class QAction;
class QShortcut;
class QTimer;
class QWidget;

namespace dodoru {

class PlayGame;

// 難度依解題技巧: a checkable command of the context menu, kept between runs in the window's settings.
// While it is on, a level button makes its puzzle by solving technique, away from the window's thread,
// so that the window answers at once; after a moment the play line says so, and Escape or any button
// of the panel cancels, the board left as it was. The puzzle made is handed to `show`.
class TechniqueLevelCommand final : public QObject {
    Q_OBJECT
public:
    using ShowPuzzle = std::function<void(int level, const RatedPuzzle& puzzle)>;

    TechniqueLevelCommand(QWidget& window, PlayGame& play, WindowSettings settings,
                          std::function<std::uint64_t()> nextSeed, ShowPuzzle show);
    ~TechniqueLevelCommand() override;

    QAction* action() const { return action_; }
    bool on() const;
    bool busy() const { return running_ != nullptr; }
    // Begins a puzzle of `level` by technique; one already being made is cancelled first.
    void start(int level);
    void cancel();
    // Narrows the levels' bands for the puzzles begun from now on (tests make a band no puzzle reaches,
    // so that a generation lasts).
    void narrowRatings(const RatingBounds& ratings) { ratings_ = ratings; }

    // How long the window waits before the play line says a puzzle is being made.
    static constexpr int kBusyDelayMs = 300;

private:
    void finished();

    struct Run {
        int level = 0;
        std::atomic<bool> cancel{false};
        QFutureWatcher<RatedPuzzle> watcher;
    };

    QWidget& window_;
    PlayGame& play_;
    WindowSettings settings_;
    std::function<std::uint64_t()> nextSeed_;
    ShowPuzzle show_;
    RatingBounds ratings_;
    QAction* action_;
    QShortcut* escape_;
    QTimer* busyDelay_;
    std::unique_ptr<Run> running_;
    std::vector<std::unique_ptr<Run>> ended_; // cancelled or finished runs, until their watchers are done
};

} // namespace dodoru
