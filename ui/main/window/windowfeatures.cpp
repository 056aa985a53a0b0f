#include "windowfeatures.h"

#include <QCoreApplication>

#include <QAction>
#include <QWidget>

#include "aboutcommand.h"
#include "announcer.h"
#include "boardannouncements.h"
#include "boardsession.h"
#include "cellkeyboard.h"
#include "celllabel.h"
#include "contextmenu.h"
#include "editingaids.h"
#include "engineboard.h"
#include "manuscriptcommand.h"
#include "playfile.h"
#include "playgame.h"
#include "techniquelevelcommand.h"
#include "transferplatform.h"

namespace dodoru {

WindowFeatures::WindowFeatures(QWidget& window, BoardSession& session, FeatureControls controls,
                               std::unique_ptr<TransferPlatform> platform, MessageBoxes& messageBoxes,
                               PuzzleLog* log, std::unique_ptr<PlayFile> playFile)
    : session_(session), controls_(std::move(controls)), platform_(std::move(platform)),
      announcer_(new Announcer(&window)) {
    if (!platform_) platform_ = std::make_unique<QtTransferPlatform>();
    editing_ = std::make_unique<EditingAids>(window, session_, controls_.cells, *controls_.chooser);
    // A pixel in the corner, under everything: it paints nothing and lets the mouse through.
    announcer_->setGeometry(0, 0, 1, 1);
    announcer_->lower();
    announcements_ = std::make_unique<BoardAnnouncements>(session_, *announcer_);
    QObject::connect(&editing_->keyboard(), &CellKeyboard::digitRefused, announcements_.get(),
                     &BoardAnnouncements::tellRefusedDigit);
    play_ = std::make_unique<PlayGame>(window, session_, editing_->history(), controls_.cells, messageBoxes,
                                       std::move(playFile));
    play_->keepInFront(controls_.countLabel);
    play_->setGameBegun([this] { editing_->keyboard().focusFirstEmptyCell(); });
    play_->setAnnouncer([announcer = announcer_](const QString& text) { announcer->announce(text); });
    techniqueLevels_ = std::make_unique<TechniqueLevelCommand>(window, *play_, WindowSettings(controls_.settingsPath),
                                                               controls_.nextSeed, controls_.showTechniquePuzzle);
    QObject::connect(play_.get(), &PlayGame::playRefused, announcements_.get(), &BoardAnnouncements::tellRefusedPlay);
    transfer_ = std::make_unique<PuzzleTransfer>(window, *this, *platform_, messageBoxes);
    manuscript_ = std::make_unique<ManuscriptCommand>(window, session_, log, messageBoxes);
    about_ = std::make_unique<AboutCommand>(controls_.reopenAboutBox);

    // The window's commands, in the order the context menu lists them.
    window.addActions(play_->actions());
    window.addAction(techniqueLevels_->action());
    window.addAction(manuscript_->action());
    window.addAction(editing_->history().undoAction());
    window.addAction(editing_->history().redoAction());
    window.addActions(transfer_->actions());
    window.addActions(about_->actions());

    // A right click on a cell clears it, as designed; everywhere else it opens the menu.
    contextMenu_ = std::make_unique<WindowContextMenu>(window, [this](const QPoint& position) {
        for (const CellLabel* cell : controls_.cells)
            if (cell->geometry().contains(position)) return false;
        return true;
    });
    QObject::connect(&session_, &BoardSession::runningChanged, contextMenu_.get(),
                     [this](bool running) { contextMenu_->setCommandRunning(running); });
}

WindowFeatures::~WindowFeatures() {
    // A puzzle still being made by technique is cancelled; its play line is the game's.
    techniqueLevels_.reset();
    // The game refers to the undo history the editing aids own.
    play_.reset();
}

BoardHistory& WindowFeatures::history() {
    return editing_->history();
}

bool WindowFeatures::gridHasFocus() const {
    return editing_->keyboard().gridHasFocus();
}

void WindowFeatures::focusFirstEmptyCell() {
    editing_->keyboard().focusFirstEmptyCell();
}

void WindowFeatures::refuseDigit(int cell) {
    editing_->keyboard().refuse(cell);
}

void WindowFeatures::restoreGameAtStartUp(QWidget* parent) {
    play_->restoreAtStartUp(parent);
}

void WindowFeatures::saveGameAtShutdown(QWidget* parent, bool mayAsk) {
    play_->saveAtShutdown(parent, mayAsk);
}

Board WindowFeatures::shownBoard() const {
    return toBoard(session_.puzzle());
}

void WindowFeatures::setUpPuzzle(const Board& givens) {
    // One undo step, whatever the cells and the mode were before.
    //: An undo step: a puzzle read in from the clipboard, a file or a drop.
    const BoardHistory::Step step(history(), QCoreApplication::translate("dodoru::HistoryTexts", "讀入題目"),
                                  BoardHistory::UndoMode::AsBefore);
    session_.clearAllCells();
    for (int c = 0; c < kCellCount; ++c)
        if (givens.cell(c).isGiven()) session_.setDigit(c, givens.cell(c).value());
    controls_.enterManualSetUp();
}

bool WindowFeatures::commandRunning() const {
    return session_.running();
}

} // namespace dodoru
