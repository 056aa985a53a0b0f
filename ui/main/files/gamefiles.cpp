#include "gamefiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSessionManager>

#include "boardsession.h"
#include "engineboard.h"

namespace dodoru {

GameFiles::GameFiles(std::unique_ptr<SaveFile> saveFile, MessageBoxes& boxes, SaveLocationChooser& chooser,
                     const BoardSession& session, QWidget& window)
    : keeper_(std::move(saveFile), boxes, chooser), session_(session), window_(window) {
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            const bool mayAsk = manager.allowsInteraction();
            saveForSessionEnd(mayAsk);
            if (mayAsk) manager.release();
        });
}

QString GameFiles::besideSaveFile(const QString& name) const {
    return QFileInfo(keeper_.file().path()).dir().filePath(name);
}

QString GameFiles::playFilePath() const {
    return besideSaveFile(QStringLiteral("play.json"));
}

QString GameFiles::settingsPath() const {
    return besideSaveFile(QStringLiteral("settings.json"));
}

void GameFiles::loadAtStartUp(Board& board) {
    keeper_.loadAtStartUp(board, &window_);
}

void GameFiles::saveAtShutdown(bool mayAsk) {
    if (mayAsk)
        keeper_.saveAtShutdown(toBoard(session_.puzzleToKeep()), &window_);
    else
        keeper_.saveForSessionEnd(toBoard(session_.puzzleToKeep()), false, &window_);
    if (saveGame_) saveGame_(&window_, mayAsk);
}

void GameFiles::saveForSessionEnd(bool mayAsk) {
    keeper_.saveForSessionEnd(toBoard(session_.puzzleToKeep()), mayAsk, &window_);
    if (saveGame_) saveGame_(&window_, mayAsk);
}

void GameFiles::deleteForClear() {
    keeper_.deleteForClear(&window_);
}

} // namespace dodoru
