#pragma once

#include <memory>

#include "puzzletransfer.h"

namespace dodoru {

class AboutCommand;
class MainWindow;
class MessageBoxes;
class TransferPlatform;
class WindowContextMenu;

// The rooms that take the window beyond its design, wired to it here and nowhere else: puzzles in and
// out as text, the About box again, and the context menu that lists every command added to the window.
class WindowRooms final : public TransferTarget {
public:
    WindowRooms(MainWindow& window, std::unique_ptr<TransferPlatform> platform, MessageBoxes& messageBoxes);
    ~WindowRooms() override;

    PuzzleTransfer& transfer() { return *transfer_; }
    WindowContextMenu& contextMenu() { return *contextMenu_; }

    const Board& shownBoard() const override;
    void setUpPuzzle(const Board& givens) override;
    bool commandRunning() const override;

private:
    MainWindow& window_;
    std::unique_ptr<TransferPlatform> platform_;
    std::unique_ptr<PuzzleTransfer> transfer_;
    std::unique_ptr<AboutCommand> about_;
    std::unique_ptr<WindowContextMenu> contextMenu_;
};

} // namespace dodoru
