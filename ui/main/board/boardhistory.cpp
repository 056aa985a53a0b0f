#include "boardhistory.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "windowcommand.h"

namespace dodoru {

namespace {

// The names of the undo commands and of the steps, in the window's language.
struct HistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(dodoru::HistoryTexts)
};

// The verdict alone makes no step: every command hides it.
bool sameCells(const GameSnapshot& a, const GameSnapshot& b) {
    return a.puzzle.sameCells(b.puzzle);
}

} // namespace

BoardHistory::Step::Step(BoardHistory& history, QString text, UndoMode undoMode)
    : history_(&history), outermost_(history.openSteps_++ == 0) {
    if (!outermost_) return;
    history.stepBefore_ = history.current();
    history.stepText_ = std::move(text);
    history.stepUndoMode_ = undoMode;
}

BoardHistory::Step::~Step() {
    if (!history_) return;
    BoardHistory& history = *history_;
    --history.openSteps_;
    if (!outermost_) return;
    GameSnapshot before = history.stepBefore_;
    const GameSnapshot after = history.current();
    if (sameCells(before, after)) {
        history.known_ = after; // a change of mode alone is no step
        return;
    }
    if (history.stepUndoMode_ == UndoMode::ManualSetUp) {
        before.mode = Mode::ManualSetUp;
        before.level = 0;
        before.playing = false;
    }
    history.push(before, after, history.stepText_, -1);
}

BoardHistory::BoardHistory(QWidget& window, BoardSession& session) : window_(window), session_(session) {
    //: The command that takes back the last change to the board (Ctrl+Z).
    undo_ = makeWindowCommand(&window, HistoryTexts::tr("復原"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                              QStringLiteral("Undo the last change to the board"));
    //: The command that makes a change taken back again (Ctrl+Shift+Z, Ctrl+Y).
    redo_ = makeWindowCommand(
        &window, HistoryTexts::tr("重做"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        QStringLiteral("Redo the change undone last"));
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    undo_->setObjectName(QStringLiteral("undoAction"));
    redo_->setObjectName(QStringLiteral("redoAction"));
    connect(undo_, &QAction::triggered, this, [this] { undo(); });
    connect(redo_, &QAction::triggered, this, [this] { redo(); });
    known_ = current();
    connect(&session_, &BoardSession::cellChanged, this, [this](int cell) { recordEdit(cell); });
    connect(&session_, &BoardSession::boardChanged, this, [this] { recordEdit(-1); });
    connect(&session_, &BoardSession::pencilMarksChanged, this, [this] { recordEdit(-1); });
    const auto modeOnly = [this] {
        if (openSteps_ == 0 && !applying_) known_ = current();
    };
    connect(&session_, &BoardSession::modeChanged, this, modeOnly);
    connect(&session_, &BoardSession::playingChanged, this, modeOnly);
    // Ctrl+Z and its kind belong to the board, also while the chooser's text field has the focus.
    qApp->installEventFilter(this);
}

BoardHistory::~BoardHistory() {
    delete undo_;
    delete redo_;
}

GameSnapshot BoardHistory::current() const {
    return {session_.puzzle(), session_.mode(), session_.level(), session_.playing()};
}

void BoardHistory::undo() {
    if (session_.running()) return;
    if (const std::optional<GameSnapshot> before = session_.undoStep()) apply(*before);
    showHistory();
}

void BoardHistory::redo() {
    if (session_.running()) return;
    if (const std::optional<GameSnapshot> after = session_.redoStep()) apply(*after);
    showHistory();
}

void BoardHistory::showHistory() {
    const GameHistory& history = session_.game().history();
    undo_->setEnabled(history.canUndo());
    redo_->setEnabled(history.canRedo());
    const QString undoText = QString::fromStdString(history.undoText());
    const QString redoText = QString::fromStdString(history.redoText());
    //: The undo command with the step it takes back (%1, such as 讀入題目).
    undo_->setText(undoText.isEmpty() ? HistoryTexts::tr("復原")
                                      : HistoryTexts::tr("復原：%1").arg(undoText));
    //: The redo command with the step it makes again (%1).
    redo_->setText(redoText.isEmpty() ? HistoryTexts::tr("重做")
                                      : HistoryTexts::tr("重做：%1").arg(redoText));
}

void BoardHistory::apply(const GameSnapshot& state) {
    applying_ = true;
    session_.restore(state.puzzle, state.mode, state.level, state.playing);
    applying_ = false;
    known_ = current();
}

void BoardHistory::recordEdit(int cell) {
    // Steps record their own changes, and a long command's are recorded by its step.
    if (openSteps_ > 0 || applying_) return;
    if (session_.running()) return;
    const GameSnapshot now = current();
    if (sameCells(now, known_)) return;
    QString text;
    //: An undo step: typing in one cell. %1: its row, %2: its column, both counted from 1 at the top left.
    if (cell >= 0) text = HistoryTexts::tr("編輯第%1列第%2行").arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
    push(known_, now, text, cell);
}

void BoardHistory::push(const GameSnapshot& before, const GameSnapshot& after, const QString& text,
                        int cell) {
    session_.recordStep(before, after, text.toStdString(), cell);
    known_ = after;
    showHistory();
}

bool BoardHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != &window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : {undo_, redo_})
        for (const QKeySequence& shortcut : action->shortcuts())
            if (shortcut == pressed) return true; // not taken by the focus widget: the shortcut fires
    return false;
}

} // namespace dodoru
