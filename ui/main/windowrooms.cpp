#include "windowrooms.h"

#include "aboutcommand.h"
#include "boardsession.h"
#include "contextmenu.h"
#include "editingrooms.h"
#include "mainwindow.h"
#include "transferplatform.h"

namespace dodoru {

WindowRooms::WindowRooms(MainWindow& window, std::unique_ptr<TransferPlatform> platform,
                         MessageBoxes& messageBoxes)
    : window_(window), platform_(std::move(platform)) {
    if (!platform_) platform_ = std::make_unique<QtTransferPlatform>();
    transfer_ = std::make_unique<PuzzleTransfer>(window_, *this, *platform_, messageBoxes);
    about_ = std::make_unique<AboutCommand>(window_, [this] { window_.reopenAboutBox(); });
    // A right click on a cell clears it, as designed; everywhere else it opens the menu.
    contextMenu_ = std::make_unique<WindowContextMenu>(window_, [this](const QPoint& position) {
        for (int c = 0; c < kCellCount; ++c)
            if (window_.Label1(c)->geometry().contains(position)) return false;
        return true;
    });
    QObject::connect(&window_, &MainWindow::commandRunningChanged, contextMenu_.get(),
                     [this](bool running) { contextMenu_->setCommandRunning(running); });
}

WindowRooms::~WindowRooms() = default;

const Board& WindowRooms::shownBoard() const {
    return window_.session().board();
}

void WindowRooms::setUpPuzzle(const Board& givens) {
    // One undo step, whatever the cells and the mode were before.
    const BoardHistory::Step step(window_.editing().history(), QStringLiteral("讀入題目"),
                                  BoardHistory::UndoMode::AsBefore);
    BoardSession& session = window_.session();
    session.clearAllCells();
    for (int c = 0; c < kCellCount; ++c)
        if (givens.cell(c).isGiven()) session.setDigit(c, givens.cell(c).value());
    window_.Command1_Click(MainWindow::kManualButton);
}

bool WindowRooms::commandRunning() const {
    return window_.longCommandRunning();
}

} // namespace dodoru
