#include "playgame.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "boardhistory.h"
#include "boardsession.h"
#include "celllabel.h"
#include "chainoverlay.h"
#include "fonts.h"
#include "layout.h"
#include "logicsolver.h"
#include "messageboxes.h"
#include "platform.h"
#include "playbar.h"
#include "playfile.h"
#include "techniquenames.h"
#include "twips.h"
#include "windowcommand.h"

namespace dodoru {

namespace {

// The play line's height over the banner (twips of the client area); its width is set when it shows.
constexpr int kBarHeight = 390;

Verdict verdictOf(logic::PuzzleVerdict verdict) {
    switch (verdict) {
    case logic::PuzzleVerdict::PuzzleError:
        return Verdict::PuzzleError;
    case logic::PuzzleVerdict::NoSolution:
        return Verdict::NoSolution;
    case logic::PuzzleVerdict::Several:
        return Verdict::SeveralSolutions;
    case logic::PuzzleVerdict::Unique:
        break;
    }
    return Verdict::None;
}

} // namespace

QString playTimeText(std::int64_t seconds) {
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = seconds / 60 % 60;
    const std::int64_t s = seconds % 60;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2")
            .arg(h > 0 ? QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')) : QString::number(m))
            .arg(s, 2, 10, QLatin1Char('0'));
    return h > 0 ? QStringLiteral("%1:%2").arg(h).arg(minutesAndSeconds) : minutesAndSeconds;
}

PlayGame::PlayGame(QWidget& window, BoardSession& session, BoardHistory& history,
                   const std::array<CellLabel*, kCellCount>& cells, MessageBoxes& messageBoxes,
                   std::unique_ptr<PlayFile> file)
    : window_(window), session_(session), game_(session.game()), history_(history),
      messageBoxes_(messageBoxes), file_(std::move(file)), keep_(new QTimer(this)),
      writer_(std::make_unique<QThreadPool>()), bar_(new PlayBar(&window)), tick_(new QTimer(this)),
      overlay_(new ChainOverlay(cells, cells[0]->parentWidget())), firstCell_(cells[0]) {
    writer_->setMaxThreadCount(1);
    keep_->setSingleShot(true);
    keep_->setInterval(kKeepDelayMs);
    connect(keep_, &QTimer::timeout, this, [this] { keepNow(); });
    const TwipsScale scale = TwipsScale::forScreen(window.screen());
    bar_->setGeometry(0, 0, window.width(), scale.toPixelsY(kBarHeight));
    bar_->setFont(windowFont(kMingFace, layout::kHintPoints));
    bar_->setLineHeight(scale.toPixelsY(kBarHeight));
    bar_->hide();

    //: Context-menu command: start playing the puzzle on the board (answer it yourself).
    play_ = makeWindowCommand(
        this, tr("作答"), {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
        QStringLiteral("Play the puzzle on the board: its givens are locked"));
    //: Context-menu command: a hint for the next step while playing.
    hint_ = makeWindowCommand(
        this, tr("提示"), {QKeySequence(Qt::Key_H)},
        QStringLiteral("Hint: the technique and where, then the cells, then the step done"));
    //: Context-menu command: mark the player's digits that differ from the solution.
    check_ = makeWindowCommand(this, tr("檢查"), {QKeySequence(Qt::CTRL | Qt::Key_K)},
                               QStringLiteral("Mark your digits that differ from the solution"));
    //: Context-menu command: fill every empty cell with the pencil marks still possible there.
    fill_ = makeWindowCommand(this, tr("填入候選數"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
                              QStringLiteral("Fill every empty cell with the digits still possible there"));
    play_->setObjectName(QStringLiteral("playAction"));
    hint_->setObjectName(QStringLiteral("hintAction"));
    check_->setObjectName(QStringLiteral("checkAction"));
    fill_->setObjectName(QStringLiteral("fillPencilMarksAction"));
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    actions_ = {play_, hint_, check_, fill_, separator};
    connect(play_, &QAction::triggered, this, [this] { play(); });
    connect(hint_, &QAction::triggered, this, [this] { hint(); });
    connect(check_, &QAction::triggered, this, [this] { check(); });
    connect(fill_, &QAction::triggered, this, [this] { fillPencilMarks(); });

    for (int d = 1; d <= 9; ++d) {
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + d);
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), &window_);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, d] { togglePencilMark(d); });
        // The keypad's digits with Ctrl as well.
        auto* keypad = new QShortcut(
            QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key)), shortcut);
        keypad->setContext(Qt::WindowShortcut);
        connect(keypad, &QShortcut::activated, this, [this, d] { togglePencilMark(d); });
        markKeys_[static_cast<std::size_t>(d - 1)] = shortcut;
    }

    tick_->setInterval(500);
    connect(tick_, &QTimer::timeout, this, [this] { showTime(); });

    connect(&session_, &BoardSession::playingChanged, this,
            [this](bool playing) { playingChanged(playing); });
    connect(&session_, &BoardSession::cellChanged, this, [this] { boardChanged(); });
    connect(&session_, &BoardSession::pencilMarksChanged, this, [this] { boardChanged(); });
    connect(&session_, &BoardSession::boardChanged, this, [this] { boardChanged(); });
    connect(&session_, &BoardSession::modeChanged, this, [this] { updateCommands(); });
    connect(&session_, &BoardSession::runningChanged, this, [this] { updateCommands(); });
    updateCommands();
    // H and Ctrl+digits belong to the play state also while the chooser's text field has the focus.
    qApp->installEventFilter(this);
}

PlayGame::~PlayGame() {
    writer_->waitForDone();
}

bool PlayGame::canPlay() const {
    return !session_.playing() && !session_.running() && session_.mode() == Mode::ManualSetUp;
}

void PlayGame::updateCommands() {
    const bool playing = session_.playing();
    play_->setEnabled(canPlay());
    for (QAction* action : {hint_, check_, fill_}) action->setEnabled(playing);
    for (QShortcut* shortcut : markKeys_) shortcut->setEnabled(playing);
}

bool PlayGame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !session_.playing() || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != &window_) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool markKey =
        modifiers == Qt::ControlModifier && key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9;
    const bool hintKey = modifiers == Qt::NoModifier && key->key() == Qt::Key_H;
    return markKey || hintKey; // not taken by the focus widget: the shortcut fires
}

// ---- entering and leaving ---------------------------------------------------------------------------

void PlayGame::play() {
    if (!canPlay()) return;
    const logic::DigitGrid givens = session_.game().givens();
    const logic::PuzzleCheck verdict = logic::checkPuzzle(givens);
    if (verdict.verdict != logic::PuzzleVerdict::Unique) {
        session_.showVerdict(verdictOf(verdict.verdict));
        emit playRefused(verdictOf(verdict.verdict));
        return;
    }
    // The solver's digits are no part of a game: they go, in the same undo step as the start.
    const BoardHistory::Step step(history_, tr("作答"), BoardHistory::UndoMode::AsBefore);
    session_.showVerdict(Verdict::None);
    session_.setMode(Mode::Play);
    session_.setPlaying(true);
    PuzzleState puzzle = session_.puzzle();
    for (int c = 0; c < kCellCount; ++c)
        if (puzzle.kind(c) == CellKind::Answer) puzzle.setCell(c, 0, CellKind::Empty);
    session_.changeWhilePlaying(puzzle);
    engage();
    if (gameBegun_) gameBegun_();
}

void PlayGame::playingChanged(bool playing) {
    updateCommands();
    clearMarks();
    guide_.reset();
    keepSoon();
    if (!playing) {
        session_.stopGameClock();
        tick_->stop();
        bar_->hide();
        return;
    }
    const logic::DigitGrid givens = session_.game().givens();
    // Another puzzle: its own clock and solution.
    if (!game_.isGameOf(givens)) {
        session_.beginGame(givens, logic::checkPuzzle(givens).solution);
        engaged_ = false;
    }
    if (!game_.solved()) session_.startGameClock();
    tick_->start();
    if (engaged_) showBar();
    checkSolved();
}

void PlayGame::boardChanged() {
    if (!session_.playing()) return;
    clearMarks();
    engage();
    restLine();
    checkSolved();
    keepSoon();
}

void PlayGame::engage() {
    if (!session_.playing()) return;
    engaged_ = true;
    showBar();
}

void PlayGame::placeBar() {
    // Across the banner up to the count, or across the whole line when no count is shown.
    const bool count = inFront_ != nullptr && !inFront_->isHidden();
    bar_->setGeometry(0, 0, count ? inFront_->x() : window_.width(), bar_->height());
    bar_->show();
    bar_->raise();
    if (inFront_) inFront_->raise();
}

void PlayGame::showBar() {
    if (!bar_->isHidden()) return;
    placeBar();
    showTime();
    bar_->setRating(TechniqueNames::difficulty(session_.ratingTenths()));
    say(restingText());
}

QString PlayGame::restingText() const {
    return game_.solved()
               ? tr("這一題已經完成了。")
               //: The play line's help while playing; keep it short, it shares a line with the clock.
               : tr("作答中：1–9 填入數字，0 清除，Ctrl+1–9 候選數，H 提示，Ctrl+K 檢查。");
}

void PlayGame::restLine() {
    if (!lineAboutBoard_) return;
    lineAboutBoard_ = false;
    // Quietly: a screen reader hears the edit itself.
    bar_->setMessage(restingText());
}

void PlayGame::checkSolved() {
    if (!session_.updateSolved()) return;
    if (!game_.solved()) {
        // A digit of the finished board was changed or taken back: the game is open again.
        showTime();
        say(restingText());
        return;
    }
    showTime();
    const QString text = tr("恭喜！這一題完成了，用時 %1。").arg(playTimeText(game_.elapsedSeconds()));
    // Once per puzzle a message box tells it, and a screen reader hears it as the box opens: the line only
    // shows it. Finished again after an undo, the line alone says it.
    if (game_.congratulated()) {
        say(text);
        return;
    }
    session_.setCongratulated();
    bar_->setMessage(text);
    // After the edit that solved it has been handled in full.
    QTimer::singleShot(0, this, [this, text] {
        if (session_.playing()) messageBoxes_.show(&window_, text, MessageButtons::Ok, MessageIcon::None);
    });
}

// ---- the commands -------------------------------------------------------------------------------

void PlayGame::hint() {
    if (!session_.playing() || !game_.hasGame()) return;
    engage();
    const HintView view = guide_.press(session_.puzzle(), game_.solution());
    if (view.result) {
        const BoardHistory::Step step(history_, tr("提示"), BoardHistory::UndoMode::AsBefore);
        session_.changeWhilePlaying(*view.result);
    }
    for (const int c : view.markedCells) session_.addMark(c, CellMark::Hint);
    if (!view.drawing.empty()) overlay_->draw(view.drawing);
    for (const int c : view.wrongCells) session_.addMark(c, CellMark::Mistake);
    say(view.text);
    // A hint that would run onto the board shows a shorter form; screen readers have the whole.
    const int boardTop = firstCell_->mapTo(&window_, QPoint(0, 0)).y();
    for (const QString& shorter : view.shorterTexts) {
        if (bar_->geometry().bottom() < boardTop) break;
        bar_->setShorterMessage(shorter, view.text);
    }
    lineAboutBoard_ = true;
}

void PlayGame::check() {
    if (!session_.playing() || !game_.hasGame()) return;
    engage();
    clearMarks();
    const std::vector<int> wrong = wrongPlayerDigits(session_.puzzle(), game_.solution());
    for (const int c : wrong) session_.addMark(c, CellMark::Mistake);
    say(wrong.empty()
            ? tr("沒有與答案不符的數字。")
            : tr("有 %n 個數字與答案不符，已用紅框標出。", nullptr, static_cast<int>(wrong.size())));
    lineAboutBoard_ = true;
}

void PlayGame::fillPencilMarks() {
    if (!session_.playing()) return;
    PuzzleState puzzle = session_.puzzle();
    for (int c = 0; c < kCellCount; ++c) puzzle.setPencilMarks(c, puzzle.possibleDigits(c));
    const BoardHistory::Step step(history_, tr("填入候選數"), BoardHistory::UndoMode::AsBefore);
    session_.changeWhilePlaying(puzzle);
}

void PlayGame::togglePencilMark(int digit) {
    session_.togglePencilMark(session_.selectedCell(), digit);
}

void PlayGame::showBusy(const QString& text) {
    if (busy_) return;
    busy_ = true;
    shownForBusy_ = bar_->isHidden();
    messageBeforeBusy_ = bar_->message();
    if (shownForBusy_) {
        placeBar();
        bar_->setTime(QString());
        bar_->setRating(QString());
    }
    say(text);
}

void PlayGame::endBusy() {
    if (!busy_) return;
    busy_ = false;
    if (shownForBusy_) {
        bar_->hide();
        // A game begun meanwhile keeps its line.
        if (engaged_ && session_.playing()) showBar();
        return;
    }
    bar_->setMessage(messageBeforeBusy_);
}

void PlayGame::say(const QString& text) {
    bar_->setMessage(text);
    if (announce_) {
        announce_(text);
    } else if (QAccessible::isActive()) {
        QAccessibleEvent event(bar_->messageLabel(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void PlayGame::clearMarks() {
    session_.clearMarks(CellMark::Hint);
    session_.clearMarks(CellMark::Mistake);
    overlay_->clear();
}

// ---- the clock ------------------------------------------------------------------------------------

std::int64_t PlayGame::elapsedSeconds() const {
    return game_.elapsedSeconds();
}

bool PlayGame::solved() const {
    return game_.solved();
}

void PlayGame::showTime() {
    bar_->setTime(tr("用時 %1").arg(playTimeText(game_.elapsedSeconds())));
}

// ---- kept between runs ------------------------------------------------------------------------------

void PlayGame::restoreAtStartUp(QWidget* parent) {
    if (!file_) return;
    PlayRecord record;
    const PlayFileResult result = file_->load(record);
    if (result.status == PlayFileStatus::Unread) {
        fileUnread_ = true;
        messageBoxes_.show(
            parent,
            tr("無法讀取遊戲進度檔：\n%1\n\n這個檔案會原封不動地保留，這次的遊戲進度不會存進這個檔案。")
                .arg(result.reason),
            MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (result.status != PlayFileStatus::Loaded || !session_.editable()) return;
    // A run that ended without its close may have played a puzzle the save file does not hold yet (a
    // generation's): its game comes back with its own givens. A game kept by a close is this board's only.
    const PuzzleState& board = session_.puzzle();
    const logic::DigitGrid givens = givensOf(record.puzzle);
    const bool recovered = !record.atClose;
    if (!recovered && givens != session_.game().givens()) return;
    const logic::PuzzleCheck verdict = logic::checkPuzzle(givens);
    if (verdict.verdict != logic::PuzzleVerdict::Unique) return;

    PuzzleState restored = board;
    for (int c = 0; c < kCellCount; ++c) {
        if (record.puzzle.isGiven(c))
            restored.setGiven(c, record.puzzle.digit(c));
        else
            restored.setCell(c, record.puzzle.digit(c), record.puzzle.kind(c));
        restored.setPencilMarks(c, record.puzzle.pencilMarks(c));
    }
    restored.setVerdict(Verdict::None);
    session_.resumeGame(givens, verdict.solution, record.seconds, record.solved);
    engaged_ = true;
    fileHoldsGame_ = true;
    history_.apply(GameSnapshot{restored, Mode::Play, 0, true});
    //: The play line at start-up when the last run ended without closing (killed, a crash, a power loss)
    //: and the game it was playing has been brought back.
    if (recovered) say(tr("上次沒有正常結束；遊戲進度已經找回來了。"));
}

PlayRecord PlayGame::record(bool atClose) const {
    PlayRecord record;
    const PuzzleState& board = session_.puzzle();
    for (int c = 0; c < kCellCount; ++c) {
        if (board.isGiven(c))
            record.puzzle.setGiven(c, board.digit(c));
        else if (board.kind(c) == CellKind::Player)
            record.puzzle.setCell(c, board.digit(c), CellKind::Player);
        record.puzzle.setPencilMarks(c, board.pencilMarks(c));
    }
    record.seconds = std::min(game_.elapsedSeconds(), kMaxPlaySeconds);
    record.solved = game_.solved();
    record.atClose = atClose;
    return record;
}

void PlayGame::keepSoon() {
    if (!file_ || fileUnread_) return;
    // At most one delay behind the first change not yet written.
    if (!keep_->isActive()) keep_->start();
}

void PlayGame::keepNow() {
    // A generation's board is no game yet; the one it ends writes itself when it is shown.
    if (!file_ || fileUnread_ || session_.running()) return;
    if (session_.playing()) {
        fileHoldsGame_ = true;
        writer_->start([file = *file_, game = record(false)] { file.save(game); });
    } else if (fileHoldsGame_) {
        // The player ended the game.
        fileHoldsGame_ = false;
        writer_->start([file = *file_] { file.remove(); });
    }
}

void PlayGame::saveAtShutdown(QWidget* parent, bool mayAsk) {
    // A generation's board is not the player's; the game from before it stays in the file.
    if (!file_ || fileUnread_ || session_.running()) return;
    keep_->stop();
    writer_->waitForDone();
    PlayFileResult result;
    if (session_.playing()) {
        result = file_->save(record(true));
    } else if (fileHoldsGame_) {
        result = file_->remove();
    } else {
        // Another puzzle's game, or a file that stays as the player left it: nothing of this run's.
        return;
    }
    if (result.status == PlayFileStatus::Failed && mayAsk)
        messageBoxes_.show(parent, tr("無法儲存遊戲進度：\n%1").arg(result.reason), MessageButtons::Ok,
                           MessageIcon::Warning);
}

} // namespace dodoru
