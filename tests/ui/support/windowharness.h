#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "fakeplatform.h"
#include "boardsession.h"
#include "logicsolver.h"
#include "mainwindow.h"
#include "scriptedmessageboxes.h"
#include "windoweventpump.h"
#include "scriptedtransfer.h"

namespace dodoru::testing {

// Fonts as the program sets them; call once before the first window.
void prepareApplication();

// A main window over scripted services, loaded (Form_Load) unless told otherwise. The observers point
// into the services the window owns.
struct WindowHarness {
    struct Options {
        std::uint64_t seed = 20240601;
        std::int64_t clockStepNs = 0; // 0: the real clock
        bool load = true;
        bool aboutBox = false;   // the About box at start-up
        QString saveFilePath{};  // empty: no save file
        QString saveElsewhere{}; // the save dialog's answer (empty: cancelled)
    };

    WindowHarness() : WindowHarness(Options{}) {}
    explicit WindowHarness(const Options& options);

    MainWindow& window() { return *window_; }
    MainWindow* operator->() { return window_.get(); }

    ScriptedMessageBoxes* messageBoxes = nullptr;
    MemoryPuzzleLog* log = nullptr;
    HookedEventPass* eventPass = nullptr;
    RecordingProgramEnd* programEnd = nullptr;
    SteppingClock* clock = nullptr;
    RecordingBrowser* browser = nullptr;
    ScriptedSaveLocation* saveDialog = nullptr;
    ScriptedTransferPlatform* transfer = nullptr;

private:
    std::unique_ptr<MainWindow> window_;
};

// 81 characters: the digit of each cell ('0' for empty).
QString boardDigits(const MainWindow& window);
// 81 characters of what the labels show ('0' for an empty label).
QString labelDigits(const MainWindow& window);
// 81 characters, '1' where the label's colour is blue.
QString blueMask(const MainWindow& window);
// Pixels of `area` within `tolerance` of `colour` in each channel.
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40);
// Makes givens from 81 characters through the board session, as edits are made.
void enterGivens(MainWindow& window, const QString& cells);
// While playing: the board as the logical path from its givens leaves it just before the path's first
// step of `technique` (the digits placed so far as the player's, every open cell's candidates as its
// pencil marks), and that step; nothing, and the board as it was, when the path has no such step.
std::optional<logic::Step> playUpTo(MainWindow& window, logic::Technique technique);

} // namespace dodoru::testing
