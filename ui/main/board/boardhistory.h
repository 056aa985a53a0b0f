#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include "boardsession.h"
#include "gamehistory.h"

class QAction;
class QWidget;

namespace dodoru {

// Undo and redo in the window over the game's history of snapshots (up to GameHistory::kLimit
// steps). A step is a cell edit (typing on in the same cell joins the step), a pencil mark, or whatever one command or
// transfer changes, announced or not, between opening and closing a step. Undo and Redo are actions of
// the window (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y) that do nothing while a long command runs. A state is
// put back through the session, which tells the window.
class BoardHistory final : public QObject {
public:
    // How undoing a step sets the mode.
    enum class UndoMode {
        AsBefore,    // the mode the step began in
        ManualSetUp, // editing again: an undone solve gives back its puzzle to work on
    };

    // Everything that changes the board while a Step lives is one step named `text`; steps opened while
    // another lives join it. A step that leaves the board as it found it is no step.
    class Step {
    public:
        Step(BoardHistory& history, QString text, UndoMode undoMode);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        QPointer<BoardHistory> history_;
        bool outermost_;
    };

    // The actions are made here; whoever lists the window's commands adds them to the window.
    BoardHistory(QWidget& window, BoardSession& session);
    ~BoardHistory() override;

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

    void undo();
    void redo();

    // The state as it is now.
    GameSnapshot current() const;
    // Puts `state` on the board and in the window without making a step of it.
    void apply(const GameSnapshot& state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `cell` is the cell typed in (edits of one cell in a row join), -1 for a step of its own.
    void recordEdit(int cell);
    void push(const GameSnapshot& before, const GameSnapshot& after, const QString& text, int cell);
    // The actions' state and names as the history now has them.
    void showHistory();

    QWidget& window_;
    BoardSession& session_;
    QAction* undo_;
    QAction* redo_;

    // The state every step since the last was made from; single-cell edits start from it.
    GameSnapshot known_;
    int openSteps_ = 0;
    GameSnapshot stepBefore_;
    QString stepText_;
    UndoMode stepUndoMode_ = UndoMode::AsBefore;
    bool applying_ = false;
};

} // namespace dodoru
