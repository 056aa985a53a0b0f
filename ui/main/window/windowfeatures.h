#pragma once

#include <array>
#include <functional>
#include <cstdint>
#include <memory>

#include "puzzletransfer.h"

namespace dodoru {

class AboutCommand;
class Announcer;
class BoardAnnouncements;
class BoardHistory;
class BoardSession;
class CellLabel;
class PlayFile;
class PlayGame;
class DigitChooser;
class EditingAids;
class ManuscriptCommand;
class MessageBoxes;
class PuzzleLog;
class TechniqueLevelCommand;
class TransferPlatform;
struct RatedPuzzle;
class WindowContextMenu;

// What the features need of the main window besides the session: its cell labels and digit chooser,
// its manual set-up command (what a puzzle read in ends with, as after 0.手動) and its About box.
struct FeatureControls {
    std::array<CellLabel*, kCellCount> cells{};
    DigitChooser* chooser = nullptr;
    QWidget* countLabel = nullptr; // the generation's count at the top right
    std::function<void()> enterManualSetUp;
    std::function<void()> reopenAboutBox;
    // The window's settings file (empty: nothing kept between runs), a seed for each puzzle made by
    // solving technique, and how such a puzzle is shown.
    QString settingsPath;
    std::function<std::uint64_t()> nextSeed;
    std::function<void(int level, const RatedPuzzle& puzzle)> showTechniquePuzzle;
};

// The features that take the window beyond its design, wired to the window and the session here and
// nowhere else: the editing aids, what a screen reader is told, playing the puzzle, puzzles in and out
// as text, the manuscript, the About box again, and the context menu that lists their commands in the
// order written down in the constructor.
class WindowFeatures final : public TransferTarget {
public:
    // `playFile` keeps the game in progress between runs; none keeps nothing.
    WindowFeatures(QWidget& window, BoardSession& session, FeatureControls controls,
                   std::unique_ptr<TransferPlatform> platform, MessageBoxes& messageBoxes, PuzzleLog* log,
                   std::unique_ptr<PlayFile> playFile);
    ~WindowFeatures() override;

    EditingAids& editing() { return *editing_; }
    PlayGame& play() { return *play_; }
    BoardHistory& history();
    PuzzleTransfer& transfer() { return *transfer_; }
    ManuscriptCommand& manuscript() { return *manuscript_; }
    WindowContextMenu& contextMenu() { return *contextMenu_; }
    TechniqueLevelCommand& techniqueLevels() { return *techniqueLevels_; }
    // Tells a screen reader news at once: any feature's results and hints go through it.
    Announcer& announcer() { return *announcer_; }

    // The keyboard in the grid.
    bool gridHasFocus() const;
    void focusFirstEmptyCell();
    // A digit the cell does not take: told, and the cell stays as it is.
    void refuseDigit(int cell);
    // The game in progress kept between runs (PlayGame::restoreAtStartUp, PlayGame::saveAtShutdown).
    void restoreGameAtStartUp(QWidget* parent);
    void saveGameAtShutdown(QWidget* parent, bool mayAsk);

    Board shownBoard() const override;
    void setUpPuzzle(const Board& givens) override;
    bool commandRunning() const override;

private:
    BoardSession& session_;
    FeatureControls controls_;
    std::unique_ptr<TransferPlatform> platform_;
    std::unique_ptr<EditingAids> editing_;
    Announcer* announcer_; // owned by the window
    std::unique_ptr<BoardAnnouncements> announcements_;
    std::unique_ptr<PlayGame> play_;
    std::unique_ptr<TechniqueLevelCommand> techniqueLevels_;
    std::unique_ptr<PuzzleTransfer> transfer_;
    std::unique_ptr<ManuscriptCommand> manuscript_;
    std::unique_ptr<AboutCommand> about_;
    std::unique_ptr<WindowContextMenu> contextMenu_;
};

} // namespace dodoru
