#include "techniquelevelcommand.h"

#include <QAction>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "playgame.h"
#include "windowcommand.h"

namespace dodoru {

TechniqueLevelCommand::TechniqueLevelCommand(QWidget& window, PlayGame& play, WindowSettings settings,
                                             std::function<std::uint64_t()> nextSeed, ShowPuzzle show)
    : window_(window), play_(play), settings_(std::move(settings)),
      nextSeed_(std::move(nextSeed)), show_(std::move(show)),
      //: Context-menu command (checkable): the level buttons make puzzles whose difficulty is measured by
      //: the solving techniques they need.
      action_(makeWindowCommand(this, tr("難度依解題技巧"), {QKeySequence(Qt::CTRL | Qt::Key_T)},
                                QStringLiteral("Level buttons make puzzles rated by the solving techniques they need"))),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), &window)), busyDelay_(new QTimer(this)) {
    action_->setObjectName(QStringLiteral("levelsByTechnique"));
    action_->setCheckable(true);
    action_->setChecked(settings_.levelsByTechnique());
    connect(action_, &QAction::toggled, this, [this](bool checked) { settings_.setLevelsByTechnique(checked); });

    escape_->setContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, [this] { cancel(); });

    busyDelay_->setSingleShot(true);
    busyDelay_->setInterval(kBusyDelayMs);
    connect(busyDelay_, &QTimer::timeout, this, [this] {
        if (!running_) return;
        //: The play line while a puzzle is being made by solving technique.
        play_.showBusy(tr("正在依解題技巧產生題目…（Esc 取消）"));
    });
}

TechniqueLevelCommand::~TechniqueLevelCommand() {
    if (running_) {
        running_->cancel.store(true);
        running_->watcher.waitForFinished();
    }
    for (const auto& run : ended_) run->watcher.waitForFinished();
}

bool TechniqueLevelCommand::on() const {
    return action_->isChecked();
}

void TechniqueLevelCommand::start(int level) {
    if (running_) cancel();
    auto run = std::make_unique<Run>();
    run->level = level;
    RatedRequest request;
    request.level = level;
    request.method = GenerationMethod::ByTechnique;
    request.ratings = ratings_;
    request.seed = nextSeed_();
    request.cancel = &run->cancel;
    Run* const started = run.get();
    connect(&run->watcher, &QFutureWatcher<RatedPuzzle>::finished, this, [this, started] {
        if (running_.get() == started) finished();
        // The run has ended; it goes once its watcher has finished telling.
        QTimer::singleShot(0, this, [this, started] {
            std::erase_if(ended_, [started](const std::unique_ptr<Run>& r) { return r.get() == started; });
        });
    });
    running_ = std::move(run);
    escape_->setEnabled(true);
    busyDelay_->start();
    running_->watcher.setFuture(QtConcurrent::run([request] { return generateRated(request); }));
}

void TechniqueLevelCommand::cancel() {
    if (!running_) return;
    running_->cancel.store(true);
    ended_.push_back(std::move(running_));
    busyDelay_->stop();
    escape_->setEnabled(false);
    play_.endBusy();
}

void TechniqueLevelCommand::finished() {
    Run& run = *running_;
    ended_.push_back(std::move(running_));
    busyDelay_->stop();
    escape_->setEnabled(false);
    play_.endBusy();
    const RatedPuzzle puzzle = run.watcher.result();
    if (puzzle.outcome == RatedOutcome::Found) show_(run.level, puzzle);
}

} // namespace dodoru
