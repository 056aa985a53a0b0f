#include "mainwindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>
#include <stdexcept>

#include "aboutdialog.h"
#include "aboutplatform.h"
#include "accessibility.h"
#include "appinfo.h"
#include "artwork.h"
#include "gamefiles.h"
#include "boardhistory.h"
#include "boardsession.h"
#include "commandfocus.h"
#include "celldigitkind.h"
#include "editingaids.h"
#include "engineboard.h"
#include "fonts.h"
#include "keycodes.h"
#include "layout.h"
#include "logfailuretext.h"
#include "verdicttext.h"
#include "manuscriptpuzzle.h"
#include "windoweventpump.h"
#include "playfile.h"
#include "playgame.h"
#include "ratedgeneration.h"
#include "techniquelevelcommand.h"
#include "windowfeatures.h"

namespace dodoru {

namespace {

const QString kHintTooltipLead = QStringLiteral("點我進入我的網頁： ");
const QString kChooserTooltip = QStringLiteral("(=0 or 滑鼠右鍵) 表示此號碼清除");
const QString kCellTooltipAtCreation = QStringLiteral("Mouse Click It ");
const QString kCellTooltipManual = QStringLiteral("Click It");
// Label3's caption until the first generation sets the count; the label stays hidden meanwhile.
const QString kCountCaptionAtCreation = QStringLiteral("12");

constexpr ColourValue kHintColour = 0x4080;
constexpr ColourValue kCountColour = 0xFF0000;
constexpr ColourValue kMessageColour = 0xFF;

QString cellText(const PuzzleState& puzzle, int cell) {
    const int digit = puzzle.digit(cell);
    return digit == 0 ? QString() : QString::number(digit);
}

// The mode a command button sets; None for an index that names no command.
Mode modeOfButton(short index, int& level) {
    level = 0;
    switch (index) {
    case MainWindow::kManualButton: return Mode::ManualSetUp;
    case MainWindow::kSolveButton: return Mode::Solve;
    case MainWindow::kClearButton: return Mode::Clear;
    default: break;
    }
    if (index < MainWindow::kFirstLevelButton || index > MainWindow::kLastLevelButton) return Mode::None;
    level = index - MainWindow::kFirstLevelButton + 1;
    return Mode::Generate;
}

// The button a mode highlights; -1 for none.
short buttonOfMode(Mode mode, int level) {
    switch (mode) {
    case Mode::ManualSetUp: return MainWindow::kManualButton;
    case Mode::Solve: return MainWindow::kSolveButton;
    case Mode::Clear: return MainWindow::kClearButton;
    case Mode::Generate: return static_cast<short>(MainWindow::kFirstLevelButton + level - 1);
    case Mode::Play:
    case Mode::None: break;
    }
    return -1;
}

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {
    if (!services_.complete()) throw std::invalid_argument("MainWindow needs every service");
    aboutPlatform_ = std::make_unique<AboutPlatform>(*services_.messageBoxes, std::move(services_.browser));
    printer_ = std::make_unique<WindowPrinter>(*services_.messageBoxes, *services_.screenGrabber, *services_.printers);

    scale_ = TwipsScale::forScreen(screen());
    pump_ = std::make_unique<WindowEventPump>(*services_.clock, *services_.eventPass);
    session_ = std::make_unique<BoardSession>(*pump_, [clock = services_.clock.get()] { return clock->nanoseconds(); });
    if (services_.saveFile)
        files_ = std::make_unique<GameFiles>(std::move(services_.saveFile), *services_.messageBoxes,
                                             *services_.saveChooser, *session_, *this);
    connect(session_.get(), &BoardSession::marksChanged, this, [this] {
        for (int c = 0; c < kCellCount; ++c) mirrorMarks(c);
    });
    connect(session_.get(), &BoardSession::cellChanged, this, [this](int index) { mirrorCell(index); });
    connect(session_.get(), &BoardSession::pencilMarksChanged, this, [this](int index) { mirrorCell(index); });
    connect(session_.get(), &BoardSession::boardChanged, this, [this] { mirrorBoard(); });
    connect(session_.get(), &BoardSession::modeChanged, this, [this] { mirrorMode(); });
    connect(session_.get(), &BoardSession::selectionChanged, this, [this] { mirrorSelection(); });
    connect(session_.get(), &BoardSession::restored, this, [this] { showRestoredMode(); });
    pump_->beforePass = [this] { session_->announceProgress(); };
    connect(session_.get(), &BoardSession::boardHidden, this, [this] {
        setCellPointers(MousePointer::Default);
        setCellTooltips(QString());
        for (ColourLabel* cell : cells_) cell->hide();
        mirrorBoard();
    });
    connect(session_.get(), &BoardSession::puzzleShown, this, [this] {
        mirrorBoard();
        for (ColourLabel* cell : cells_) cell->show();
    });

    buildControls();
    // The game in progress is kept beside the givens.
    std::unique_ptr<PlayFile> playFile;
    if (files_) playFile = std::make_unique<PlayFile>(files_->playFilePath());
    FeatureControls controls;
    controls.cells = cells_;
    controls.chooser = chooser_;
    controls.countLabel = count_;
    controls.enterManualSetUp = [this] { Command1_Click(kManualButton); };
    controls.reopenAboutBox = [this] { reopenAboutBox(); };
    // The window's own choices are kept beside the givens too.
    if (files_) controls.settingsPath = files_->settingsPath();
    controls.nextSeed = [this] {
        const auto draw = [this] { return static_cast<std::uint64_t>(scaledDraw(services_.random->next(), 1 << 24)); };
        const std::uint64_t high = draw() << 40;
        const std::uint64_t middle = draw() << 20;
        return high ^ middle ^ draw();
    };
    controls.showTechniquePuzzle = [this](int level, const RatedPuzzle& puzzle) { showTechniquePuzzle(level, puzzle); };
    features_ = std::make_unique<WindowFeatures>(*this, *session_, std::move(controls), std::move(services_.transfer),
                                                 *services_.messageBoxes, services_.puzzleLog.get(),
                                                 std::move(playFile));
    if (files_)
        files_->setGameSaver([this](QWidget* over, bool mayAsk) {
            if (features_) features_->saveGameAtShutdown(over, mayAsk);
        });
}

MainWindow::~MainWindow() {
    // The files save no game once the features are gone.
    if (files_) files_->setGameSaver({});
    features_.reset();
    // The About box refers to the platform this window owns.
    delete about_.data();
}

void MainWindow::placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(scale_.toPixelsX(left), scale_.toPixelsY(top), scale_.toPixelsX(width),
                        scale_.toPixelsY(height));
}

void MainWindow::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    // A top-level window with a title bar: a frame to assistive technology, not a filler.
    setAccessibleRole(*this, QAccessible::Window);
    setWindowTitle(app::mainWindowCaption());
    // The caption with the maker's addresses is for the eye; a screen reader says the program's name.
    setAccessibleName(app::applicationTitle());
    setWindowIcon(artwork::windowIcon());
    // Fixed single border: minimise and close, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(scale_.toPixelsX(layout::kClientWidth), scale_.toPixelsY(layout::kClientHeight));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    //: The hint line at the top of the window: to make a puzzle of your own, clear a few digits (=0) of a
    //: solved board and use it as a puzzle sheet. One line of 552 pixels at most.
    const QString hint = tr("〔自創題目〕只需要(解出的答案)上面任意清除幾個數字(=0),就能夠拿來當手稿");
    banner_ = artwork::banner(hint);

    // Lines first: the window's own surface, below everything else.
    for (const auto& spec : layout::kLines) {
        GridLine* line = spec.horizontal
                             ? new GridLine(Qt::Horizontal, scale_.toPixelsY(spec.position),
                                            scale_.toPixelsX(layout::kHorizontalFrom),
                                            scale_.toPixelsX(layout::kHorizontalTo), spec.width, this)
                             : new GridLine(Qt::Vertical, scale_.toPixelsX(spec.position),
                                            scale_.toPixelsY(layout::kVerticalFrom),
                                            scale_.toPixelsY(layout::kVerticalTo), spec.width, this);
        line->setObjectName(QStringLiteral("Line1(%1)").arg(spec.index));
        lines_[static_cast<std::size_t>(spec.index)] = line;
    }

    hint_ = new ColourLabel(this);
    hint_->setObjectName(QStringLiteral("Label2"));
    hint_->setFont(windowFont(kMingFace, layout::kHintPoints));
    hint_->setForeColor(kHintColour);
    placeTwips(hint_, layout::kLabel2.left, layout::kLabel2.top, layout::kLabel2.width,
               layout::kLabel2.height);
    hint_->setAutoSize(true);
    hint_->setCaption(hint);
    hint_->setToolTip(kHintTooltipLead + app::kWebPage);
    hint_->setCursor(Qt::PointingHandCursor);
    connect(hint_, &ColourLabel::clicked, this, [this] { Label2_Click(); });

    const QCursor pointer = artwork::cellPointer();
    const QFont cellFont = windowFont(kMingFace, layout::kCellPoints);
    for (int c = 0; c < kCellCount; ++c) {
        auto* cell = new CellLabel(rowOf(c), columnOf(c), this);
        cell->setObjectName(QStringLiteral("Label1(%1)").arg(c));
        cell->setFont(cellFont);
        cell->setAlignment(Qt::AlignCenter);
        cell->setToolTip(kCellTooltipAtCreation);
        cell->setMouseIcon(pointer);
        placeTwips(cell, layout::kCellLeft[static_cast<std::size_t>(columnOf(c))],
                   layout::kCellTop[static_cast<std::size_t>(rowOf(c))], layout::kCellWidth,
                   layout::kCellHeight);
        const auto index = static_cast<short>(c);
        connect(cell, &ColourLabel::mouseDown, this, [this, index](short button, short shift, int x, int y) {
            Label1_MouseDown(index, button, shift, x, y);
        });
        cells_[static_cast<std::size_t>(c)] = cell;
    }

    message_ = new ColourLabel(this);
    message_->setObjectName(QStringLiteral("題目錯誤"));
    message_->setFont(windowFont(kKaiFace, layout::kMessagePoints));
    message_->setForeColor(kMessageColour);
    placeTwips(message_, layout::kMessageLabel.left, layout::kMessageLabel.top, layout::kMessageLabel.width,
               layout::kMessageLabel.height);
    message_->setAutoSize(true);
    message_->setCaption(verdictText(Verdict::PuzzleError));
    message_->hide();
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);

    count_ = new ColourLabel(this);
    count_->setObjectName(QStringLiteral("Label3"));
    count_->setFont(windowFont(kMingFace, layout::kCountPoints, 700));
    count_->setForeColor(kCountColour);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count_->setOpaque(true);
    count_->setBackgroundRole(QPalette::Button);
    placeTwips(count_, layout::kLabel3.left, layout::kLabel3.top, layout::kLabel3.width,
               layout::kLabel3.height);
    count_->setAutoSize(true);
    // The count ("空格27") is wider than the room right of the label; it is kept inside the window.
    count_->setKeepInsideParent(true);
    count_->setCaption(kCountCaptionAtCreation);

    const QFont smallButton = windowFont(kKaiFace, layout::kSmallButtonPoints);
    const QFont largeButton = windowFont(kKaiFace, layout::kLargeButtonPoints);
    QWidget* previous = nullptr;
    chooser_ = new DigitChooser(this);
    for (const auto& spec : layout::kButtons) {
        auto* button = new GraphicalButton(this);
        button->setObjectName(QStringLiteral("Command1(%1)").arg(spec.index));
        const bool level = spec.index >= kFirstLevelButton && spec.index <= kLastLevelButton;
        if (level)
            button->setText(levelName(spec.index - kFirstLevelButton + 1));
        else if (*spec.caption)
            button->setText(tr(spec.caption)); // the print button has a picture instead
        button->setToolTip(QString::fromUtf16(spec.tooltip));
        // The tooltip stays English, as designed; a screen reader hears its words in the window's language.
        button->setAccessibleDescription(buttonDescription(spec.index));
        button->setFont(spec.font == layout::ButtonFont::Large ? largeButton : smallButton);
        placeTwips(button, spec.left, spec.top, spec.width, spec.height);
        button->setBackColor(kButtonFaceColour);
        const short index = spec.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        buttons_[spec.index] = button;
        setTabOrder(previous ? previous : chooser_, button);
        previous = button;
    }
    // Tab takes the level buttons in the order of their levels, after 清除重來 and before the print button.
    QWidget* before = buttons_.at(kClearButton);
    for (short i = kFirstLevelButton; i <= kLastLevelButton; ++i) {
        setTabOrder(before, buttons_.at(i));
        before = buttons_.at(i);
    }
    setTabOrder(before, buttons_.at(kPrintButton));
    mirrorMode();
    GraphicalButton* print = buttons_.at(kPrintButton);
    print->setIcon(QIcon(artwork::printButtonPicture()));
    print->setIconSize(QSize(32, 26));
    //: The print button's name for a screen reader (it shows only a picture).
    print->setAccessibleName(tr("列印"));

    chooser_->setObjectName(QStringLiteral("Combo1"));
    chooser_->setFont(windowFont(kMingFace, layout::kChooserPoints));
    chooser_->setToolTip(kChooserTooltip);
    //: The digit chooser's description for a screen reader: one short sentence.
    chooser_->setAccessibleDescription(tr("選 1 到 9 填入這一格，0 清除。"));
    placeTwips(chooser_, layout::kCombo1.left, layout::kCombo1.top, layout::kCombo1.width,
               layout::kCombo1.height);
    chooser_->hide();
    chooser_->raise();
    connect(chooser_, &DigitChooser::clicked, this, [this] { Combo1_Click(); });
    connect(chooser_, &DigitChooser::keyUp, this,
            [this](short keyCode, short shift) { Combo1_KeyUp(keyCode, shift); });

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    placeTwips(picture, layout::kPicture1.left, layout::kPicture1.top, layout::kPicture1.width,
               layout::kPicture1.height);
    picture->setFrameShape(QFrame::Box);
    picture->hide();
    picture_ = picture;

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(layout::kTimerInterval);
    connect(timer_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    timer_->start();
}

GraphicalButton* MainWindow::Command1(short index) const {
    const auto found = buttons_.find(index);
    return found == buttons_.end() ? nullptr : found->second;
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, banner_);
}

QString MainWindow::buttonDescription(short index) {
    switch (index) {
    //: A command button's description for a screen reader (0.手動): the words of its English tooltip.
    case kManualButton: return tr("自己輸入題目");
    //: A command button's description for a screen reader (自動解題).
    case kSolveButton: return tr("解出盤面上的題目");
    //: A command button's description for a screen reader (清除重來).
    case kClearButton: return tr("清除所有數字，重新開始");
    //: A command button's description for a screen reader (the print button).
    case kPrintButton: return tr("列印視窗");
    default: break;
    }
    //: A level button's description for a screen reader (1.極易 … 5.極難).
    return tr("自動出一題這個等級的題目");
}

// ---- mirroring the model ------------------------------------------------------------------------

QString MainWindow::verdictText(Verdict verdict) {
    return boardVerdictText(verdict);
}

void MainWindow::mirrorCell(int index) {
    const PuzzleState& puzzle = session_->puzzle();
    CellLabel* label = cells_[static_cast<std::size_t>(index)];
    label->setCaption(cellText(puzzle, index));
    label->setPencilMarks(puzzle.pencilMarks(index));
    label->setDigitKind(cellDigitKind(puzzle, index));
    mirrorMarks(index);
    // Blue marks a given, dark green the player's digits; other digits are black, or in the label's
    // own colour where nothing has coloured the cell yet.
    if (puzzle.isGiven(index))
        label->setForeColor(kGivenColour);
    else if (puzzle.kind(index) == CellKind::Player)
        label->setForeColor(kPlayerTextColour);
    else if (puzzle.defaultInk(index))
        label->resetForeColor();
    else
        label->setForeColor(kPlainColour);
}

void MainWindow::mirrorMarks(int index) {
    const Game& game = session_->game();
    CellLabel* label = cells_[static_cast<std::size_t>(index)];
    label->setConflictMark(game.hasMark(index, CellMark::Conflict));
    label->setHintMark(game.hasMark(index, CellMark::Hint));
    label->setMistakeMark(game.hasMark(index, CellMark::Mistake));
}

void MainWindow::mirrorMessage() {
    const Verdict verdict = session_->puzzle().verdict();
    // Hidden, the label keeps its last text.
    if (verdict != Verdict::None) message_->setCaption(verdictText(verdict));
    message_->setVisible(verdict != Verdict::None);
}

void MainWindow::mirrorBoard() {
    for (int c = 0; c < kCellCount; ++c) mirrorCell(c);
    mirrorMessage();
}

void MainWindow::showRestoredMode() {
    const Mode mode = session_->mode();
    if (mode == Mode::ManualSetUp) {
        manualSetUp();
    } else {
        setCellPointers(MousePointer::Default);
        // A declined clear leaves the tooltips as they were.
        if (mode != Mode::Clear) setCellTooltips(QString());
    }
    // A generated puzzle keeps its count; every other mode shows none.
    if (mode == Mode::Generate)
        showCount();
    else
        count_->hide();
}

void MainWindow::showCount() {
    //: The small count at the top right after a generation: the number of empty cells of the new puzzle (%1).
    count_->setCaption(tr("空格%1").arg(kCellCount - session_->puzzle().givenCount()));
    count_->show();
}

void MainWindow::mirrorMode() {
    const short highlighted = buttonOfMode(session_->mode(), session_->level());
    for (short i = kManualButton; i <= kLastLevelButton; ++i)
        Command1(i)->setBackColor(i == highlighted ? kHighlightColour : kButtonFaceColour);
}

void MainWindow::mirrorSelection() {
    const int cell = session_->selectedCell();
    if (cell == BoardSession::kNoCell) {
        chooser_->hide();
        return;
    }
    chooser_->show();
    chooser_->raise();
    const int left = layout::kCellLeft[static_cast<std::size_t>(columnOf(cell))];
    const int top = layout::kCellTop[static_cast<std::size_t>(rowOf(cell))];
    chooser_->move(scale_.toPixelsX(left + layout::kChooserOffsetLeft),
                   scale_.toPixelsY(top + layout::kChooserOffsetTop));
    chooser_->setChooserText(cellText(session_->puzzle(), cell));
}

void MainWindow::setCellPointers(MousePointer style) {
    for (ColourLabel* cell : cells_) cell->setMousePointer(style);
}

void MainWindow::setCellTooltips(const QString& tooltip) {
    for (ColourLabel* cell : cells_) cell->setToolTip(tooltip);
}

// ---- start-up and shutdown ----------------------------------------------------------------------

void MainWindow::Form_Load() {
    show();
    showAboutBox();
    services_.random->reseedFromClock();
    chooser_->clear();
    for (int digit = 0; digit <= 9; ++digit) chooser_->addItem(QString::number(digit), digit);
    chooser_->setChooserText(QString());
    loadSaveFile();
    Command1_Click(kManualButton);
    features_->restoreGameAtStartUp(this);
    // A start-up message leaves the main window in front; the About box belongs in front of it.
    if (about_ && about_->isVisible()) {
        about_->raise();
        about_->activateWindow();
    }
}

void MainWindow::Form_Unload() {
    if (closing_) return;
    closing_ = true;
    writeSaveFile();
    // A solve or a generation in progress unwinds at its next tick.
    pump_->requestUnwind();
    services_.programEnd->endProgram(this);
}

void MainWindow::closeWithoutQuestions() {
    mayAsk_ = false;
    close();
}

void MainWindow::saveWithoutQuestions() {
    if (closing_) return;
    closing_ = true;
    mayAsk_ = false;
    writeSaveFile();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// ---- the command panel --------------------------------------------------------------------------

void MainWindow::Command1_Click(short Index) {
    // While a puzzle is made by solving technique, any button of the panel cancels it and does no more.
    if (features_ && features_->techniqueLevels().busy()) {
        features_->techniqueLevels().cancel();
        return;
    }
    if (Index == kPrintButton) {
        printWindow();
        return;
    }
    // Buttons 0..7 are disabled while a long command runs; nothing else may start one meanwhile.
    if (session_->running() || closing_) return;
    if (Index >= kFirstLevelButton && Index <= kLastLevelButton && features_ && features_->techniqueLevels().on()) {
        features_->techniqueLevels().start(Index - kFirstLevelButton + 1);
        return;
    }
    // The focus goes back to the button pressed, or to the cell it was on in the grid.
    const CommandFocus focusReturn(this, features_->gridHasFocus() ? nullptr : Command1(Index));
    // Everything the command changes is one undo step; an undone solve goes back to manual set-up
    // mode, so that its puzzle can be worked on.
    // A solve from the play state is undone into it again.
    const BoardHistory::Step historyStep(features_->history(), Command1(Index) ? Command1(Index)->text() : QString(),
                                         Index == kSolveButton && !session_->playing()
                                             ? BoardHistory::UndoMode::ManualSetUp
                                             : BoardHistory::UndoMode::AsBefore);

    for (short i = kManualButton; i <= kLastLevelButton; ++i) Command1(i)->setEnabled(false);
    int level = 0;
    const Mode mode = modeOfButton(Index, level);
    session_->setMode(mode, level);
    count_->hide();
    session_->beginCommand();

    switch (mode) {
    case Mode::Generate: generate(level); break;
    case Mode::ManualSetUp: manualSetUp(); break;
    case Mode::Clear: clearBoard(); break;
    case Mode::Solve: solve(); break;
    case Mode::Play:
    case Mode::None: break;
    }

    for (short i = kManualButton; i <= kLastLevelButton; ++i) Command1(i)->setEnabled(true);
}

void MainWindow::manualSetUp() {
    setCellPointers(MousePointer::Custom);
    setCellTooltips(kCellTooltipManual);
}

void MainWindow::clearBoard() {
    setCellPointers(MousePointer::Default);
    const MessageAnswer answer =
        //: Asked before the clear button empties the board.
        services_.messageBoxes->show(this, tr("警告!請確定您是否要清除掉題目?"), MessageButtons::YesNo,
                                     MessageIcon::Question);
    if (answer != MessageAnswer::Yes) return;
    session_->clearAllCells();
    deleteSaveFile();
    Command1_Click(kManualButton);
}

void MainWindow::solve() {
    setCellPointers(MousePointer::Default);
    setCellTooltips(QString());
    pump_->startCommand();
    session_->solve();
}

void MainWindow::generate(int level) {
    // Pointers and tooltips are reset with the board at every new full grid (boardHidden).
    pump_->startCommand();
    const GenerationResult result = session_->generate(level, *services_.random, services_.puzzleLog.get());
    if (result.outcome != GenerationOutcome::Accepted) return; // the window is closing
    showNewPuzzle();
    if (!result.log.ok)
        services_.messageBoxes->show(this, logFailedText(result.log), MessageButtons::Ok, MessageIcon::Warning);
}

void MainWindow::showTechniquePuzzle(int level, const RatedPuzzle& puzzle) {
    if (session_->running() || closing_) return;
    const auto button = static_cast<short>(kFirstLevelButton + level - 1);
    const BoardHistory::Step historyStep(features_->history(), Command1(button)->text(),
                                         BoardHistory::UndoMode::AsBefore);
    session_->setMode(Mode::Generate, level);
    count_->hide();
    session_->beginCommand();
    setCellPointers(MousePointer::Default);
    setCellTooltips(QString());
    session_->showGeneratedPuzzle(puzzle.puzzle, puzzle.ratingTenths);
    showNewPuzzle();
}

void MainWindow::showNewPuzzle() {
    for (ColourLabel* cell : cells_) cell->show();
    showCount();
    // The keyboard is for the new puzzle; the window looks as it did until the first key.
    features_->focusFirstEmptyCell();
}

// ---- cell editing -------------------------------------------------------------------------------

void MainWindow::Label1_MouseDown(short Index, short Button, short /*Shift*/, int /*X*/, int /*Y*/) {
    // Cells are edited in manual set-up mode, and while playing (the player's digits).
    if (!session_->editable()) return;
    if (Index < 0 || Index >= kCellCount) return;
    if (Button == kLeftButton) {
        // The chooser follows the selection onto the cell, showing its digit.
        session_->selectCell(Index);
    } else if (Button == kRightButton) {
        session_->clearCell(Index);
    }
}

void MainWindow::Combo1_Click() {
    // The entry picked from the list: its digit is the entry's data.
    bool isNumber = false;
    const int number = chooser_->currentData().toInt(&isNumber);
    if (isNumber) chooseDigit(number);
}

void MainWindow::chooseDigit(int number) {
    const int selected = session_->selectedCell();
    if (selected == BoardSession::kNoCell) return;
    if (number < 0 || number > 9) return;
    if (!session_->takesDigit(selected)) {
        // A given keeps its digit while playing, and the chooser shows it again.
        if (session_->editable()) chooser_->setChooserText(cellText(session_->puzzle(), selected));
        features_->refuseDigit(selected);
        return;
    }
    session_->enterDigit(selected, number);
}

void MainWindow::Combo1_KeyUp(short KeyCode, short /*Shift*/) {
    // Keypad codes map onto the main keyboard's, whose codes are the digits' characters.
    const auto character = static_cast<short>(
        KeyCode < kKeypadDigitKey0 ? KeyCode : KeyCode - (kKeypadDigitKey0 - kDigitKey0));
    if (character < '0' || character > '9') return;
    chooser_->setChooserText(QString(QChar(character)));
    chooseDigit(character - '0');
}

// ---- the live display ---------------------------------------------------------------------------

void MainWindow::Timer1_Timer() {
    if (session_->mode() != Mode::Solve) return;
    session_->showSearchGrid();
}

void MainWindow::Label2_Click() {
    openWebPage();
}

// ---- the About box, the save file, printing and the web page ------------------------------------

// Modeless and without an owner, so that it stands beside the main window and both stay usable.
void MainWindow::showAboutBox() {
    if (!services_.showAboutBox) return;
    about_ = new AboutDialog(aboutPlatform_->webLink(), aboutPlatform_->sysInfo(), artwork::windowIcon());
    about_->showModeless();
}

void MainWindow::reopenAboutBox() {
    if (!about_) {
        about_ = new AboutDialog(aboutPlatform_->webLink(), aboutPlatform_->sysInfo(), artwork::windowIcon());
        about_->showModeless();
    }
    about_->raise();
    about_->activateWindow();
}

AboutDialog* MainWindow::aboutBox() const {
    return about_.data();
}

void MainWindow::loadSaveFile() {
    // The file's givens come onto the board through the session, which announces them.
    Board loaded = toBoard(session_->puzzle());
    if (files_) files_->loadAtStartUp(loaded);
    session_->replacePuzzle(fromBoard(loaded, session_->puzzle()));
}

void MainWindow::writeSaveFile() {
    if (files_) files_->saveAtShutdown(mayAsk_);
}

void MainWindow::deleteSaveFile() {
    if (files_) files_->deleteForClear();
}

void MainWindow::printWindow() {
    printer_->print(this, picture_);
}

void MainWindow::openWebPage() {
    aboutPlatform_->webLink().openWebPage(this);
}

} // namespace dodoru
