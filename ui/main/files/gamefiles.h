#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "boardfilekeeper.h"

class QWidget;

namespace dodoru {

class BoardSession;
class MessageBoxes;
class SaveFile;
class SaveLocationChooser;

// The files that keep the game from one run to the next, side by side in one folder: the givens (the
// save file), the game in progress (play.json) and the window's settings (settings.json). The givens
// are saved here at the close and before a logout, each time with the game in progress, which its
// keeper saves.
class GameFiles final : public QObject {
public:
    GameFiles(std::unique_ptr<SaveFile> saveFile, MessageBoxes& boxes, SaveLocationChooser& chooser,
              const BoardSession& session, QWidget& window);

    QString playFilePath() const;
    QString settingsPath() const;
    // Saves the game in progress beside the givens; failures are told only when `mayAsk`.
    void setGameSaver(std::function<void(QWidget* parent, bool mayAsk)> save) { saveGame_ = std::move(save); }

    // Start-up: the givens of the save file into `board`, which stays as it was when they cannot be read.
    void loadAtStartUp(Board& board);
    // The close: the givens the session keeps, then the game in progress. Asks nothing unless `mayAsk`.
    void saveAtShutdown(bool mayAsk);
    // A confirmed clear: the givens' file goes.
    void deleteForClear();

private:
    // A logout saves as a close does; the program ends later, when the session ends it.
    void saveForSessionEnd(bool mayAsk);
    QString besideSaveFile(const QString& name) const;

    BoardFileKeeper keeper_;
    const BoardSession& session_;
    QWidget& window_;
    std::function<void(QWidget*, bool)> saveGame_;
};

} // namespace dodoru
