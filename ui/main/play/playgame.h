#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "hintguide.h"
#include "position.h"

class QAction;
class QShortcut;
class QThreadPool;
class QTimer;
class QWidget;

namespace dodoru {

class BoardHistory;
class BoardSession;
class CellLabel;
class ChainOverlay;
class Game;
class MessageBoxes;
class PlayBar;
class PlayFile;
struct PlayRecord;

// The time played as the window shows it: 4:05, or 1:02:05 from an hour on.
QString playTimeText(std::int64_t seconds);

// Playing the puzzle in the window: the commands 作答 (Ctrl+Return, from manual set-up), 提示 (H),
// 檢查 (Ctrl+K) and 填入候選數, the pencil marks of Ctrl+1 … Ctrl+9 on the selected cell, the play
// line with the clock, the solved message, and the game kept in the play file as it is played and between
// runs. The play
// state itself (the player's digits and marks, whether a puzzle is played) belongs to the session;
// this class changes it only through the session, and each change it makes is one undo step.
class PlayGame final : public QObject {
    Q_OBJECT

public:
    PlayGame(QWidget& window, BoardSession& session, BoardHistory& history,
             const std::array<CellLabel*, kCellCount>& cells, MessageBoxes& messageBoxes,
             std::unique_ptr<PlayFile> file);
    ~PlayGame() override;

    // The commands in the order the context menu lists them.
    const QList<QAction*>& actions() const { return actions_; }

    // 作答: the givens of manual set-up become the puzzle to play, when they have exactly one solution;
    // otherwise the message label gives the solve routine's verdict and nothing else changes.
    void play();
    void hint();
    // Marks the player's digits that differ from the solution, until the next change of the board.
    void check();
    void fillPencilMarks();
    // The pencil mark of `digit` in the selected cell, on or off.
    void togglePencilMark(int digit);

    std::int64_t elapsedSeconds() const;
    bool solved() const;
    PlayBar& bar() const { return *bar_; }
    const ChainOverlay& chainOverlay() const { return *overlay_; }

    // Start-up, after the givens are on the board: a kept game of the same givens is played on; a game
    // whose run ended without its close comes back whatever its givens, and the play line says so.
    void restoreAtStartUp(QWidget* parent);
    // The close: the game in progress is kept. A file that could not be read at start-up is left as it
    // was. Failures are told only when `mayAsk`.
    void saveAtShutdown(QWidget* parent, bool mayAsk);
    // While playing, the game is written to the play file at most this long after each change, away
    // from the window's thread; a game the player ends (a command of the panel, 清除重來, an undo out
    // of the play state) leaves the file as late. A file of another game is replaced only by a game.
    static constexpr int kKeepDelayMs = 1000;

    // Called when 作答 has begun a game: the keyboard is for the new game.
    void setGameBegun(std::function<void()> begun) { gameBegun_ = std::move(begun); }
    // A long command's news on the play line (a generation by solving technique): the line shows for it,
    // and goes back to what it was when the command ends.
    void showBusy(const QString& text);
    void endBusy();
    bool busy() const { return busy_; }

    // Everything the play line says is also handed to `announce`, for screen readers.
    void setAnnouncer(std::function<void(const QString&)> announce) { announce_ = std::move(announce); }
    // A widget of the window's top line that stays in front of the play line (the generation's count,
    // whose left edge moves with its text).
    void keepInFront(QWidget* widget) { inFront_ = widget; }

signals:
    // 作答 found not exactly one solution: the message label shows `verdict`, and nothing else changed.
    void playRefused(Verdict verdict);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void playingChanged(bool playing);
    void boardChanged();
    // The player has begun on this puzzle: the play line shows from now on. A generated puzzle is
    // played from the moment it is shown, but the line waits for the first move, so that a user who
    // only generates puzzles sees the window as it always was.
    void engage();
    // Puts the line on the window, in front of the board, the count still in front of it.
    void placeBar();
    void showBar();
    void checkSolved();
    // The line as it stands between commands: the keys, or that the puzzle is done.
    QString restingText() const;
    // After a change of the board: what a hint or a check said of the board before it is no longer
    // shown.
    void restLine();
    PlayRecord record(bool atClose) const;
    void keepSoon();
    void keepNow();
    // Whether 作答 may begin a game now: in manual set-up, while nothing runs and nothing is played.
    bool canPlay() const;
    void updateCommands();
    void say(const QString& text);
    void clearMarks();
    void showTime();

    QWidget& window_;
    BoardSession& session_;
    const Game& game_; // the session's
    BoardHistory& history_;
    MessageBoxes& messageBoxes_;
    std::unique_ptr<PlayFile> file_;
    bool fileUnread_ = false;
    // The file holds a game of this run (read from it, or written): ending that game removes it.
    bool fileHoldsGame_ = false;
    QTimer* keep_;
    // One thread: the writes land in the order they were made.
    std::unique_ptr<QThreadPool> writer_;

    QList<QAction*> actions_;
    QAction* play_ = nullptr;
    QAction* hint_ = nullptr;
    QAction* check_ = nullptr;
    QAction* fill_ = nullptr;
    std::array<QShortcut*, 9> markKeys_{};
    PlayBar* bar_;
    QTimer* tick_;
    ChainOverlay* overlay_; // the chain of a hint's second press, drawn over the board
    QWidget* firstCell_;    // the board's top left cell: the play line stays above it
    std::function<void(const QString&)> announce_;
    std::function<void()> gameBegun_;
    QWidget* inFront_ = nullptr;

    HintGuide guide_;
    bool engaged_ = false;
    bool lineAboutBoard_ = false; // the line says what a hint or a check found on the board
    bool busy_ = false;
    bool shownForBusy_ = false; // the line was hidden before the busy state showed it
    QString messageBeforeBusy_;
};

} // namespace dodoru
