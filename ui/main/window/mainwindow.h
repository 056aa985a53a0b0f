#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>

#include "celllabel.h"
#include "colourlabel.h"
#include "digitchooser.h"
#include "graphicalbutton.h"
#include "gridline.h"
#include "mainwindowservices.h"
#include "puzzlestate.h"
#include "twips.h"

class QTimer;

namespace dodoru {

class AboutDialog;
class AboutPlatform;
class BoardSession;
class WindowEventPump;
class GameFiles;
class WindowPrinter;
class WindowFeatures;
struct RatedPuzzle;

// The main window Form1: 81 cell labels over 20 grid lines, the command panel, the digit chooser, the
// hint, count and message labels and the display timer. The board session (puzzle, engine, mode and
// selected cell) is the truth; the labels, the chooser and the buttons' colours mirror it. Handlers bear the
// names of the window's events and may be called directly, as the window's own code does (the clear command
// runs Command1_Click(0), the key handler runs Combo1_Click).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Command1 indices: manual set-up, solve, clear, the five levels (1..5 in order), print.
    static constexpr short kManualButton = 0;
    static constexpr short kSolveButton = 1;
    static constexpr short kClearButton = 2;
    static constexpr short kFirstLevelButton = 3;
    static constexpr short kLastLevelButton = 7;
    static constexpr short kPrintButton = 99;

    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: shows the window, fills the chooser, loads the board and enters manual set-up mode.
    void Form_Load();
    // Shutdown: saves the board and ends the program, also in the middle of a long command.
    void Form_Unload();
    // Closes as the close box does, but asks nothing: nobody may be there to answer (a signal).
    void closeWithoutQuestions();
    // The save of an end that passes the close by (the display lost): the givens the session keeps,
    // written without a question; the window is not touched.
    void saveWithoutQuestions();

    void Command1_Click(short Index);
    void Label1_MouseDown(short Index, short Button, short Shift, int X, int Y);
    void Combo1_Click();
    void Combo1_KeyUp(short KeyCode, short Shift);
    void Timer1_Timer();
    void Label2_Click();

    // The controls, by their names; arrays by index (Label1 0..80, Command1 0..7 and 99, Line1 0..19).
    CellLabel* Label1(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
    GraphicalButton* Command1(short index) const;
    GridLine* Line1(int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    DigitChooser* Combo1() const { return chooser_; }
    ColourLabel* Label2() const { return hint_; }
    ColourLabel* Label3() const { return count_; }
    ColourLabel* 題目錯誤() const { return message_; }
    QLabel* Picture1() const { return picture_; }
    QTimer* Timer1() const { return timer_; }

    BoardSession& session() { return *session_; }
    const BoardSession& session() const { return *session_; }
    const WindowEventPump& pump() const { return *pump_; }
    const TwipsScale& scale() const { return scale_; }
    // The About box shown at start-up, while it is open.
    AboutDialog* aboutBox() const;
    // The About box again: to the front when it is open, else a new one.
    void reopenAboutBox();
    const WindowPrinter& printer() const { return *printer_; }
    // Puts the board on screen: texts and colours of all cells and the message label.
    void mirrorBoard();
    // The window's words for a verdict.
    static QString verdictText(Verdict verdict);
    // What a screen reader says of a command button after its name (its tooltip stays English).
    static QString buttonDescription(short index);
    // After an undo or redo: the cells' pointers and tooltips as the mode's command leaves them, the
    // chooser only in manual set-up mode (showing its cell as it now is), the count only for a generated
    // puzzle.
    void showRestoredMode();

    // The features beyond the design: editing aids, undo, puzzles in and out, the manuscript, the
    // context menu.
    WindowFeatures& features() { return *features_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void placeTwips(QWidget* widget, int left, int top, int width, int height);
    void mirrorCell(int index);
    void mirrorMarks(int index);
    void mirrorMessage();
    void mirrorMode();
    void mirrorSelection();
    // Label3 shows how many cells the puzzle leaves empty.
    void showCount();
    // A digit picked or typed into the chooser, for the selected cell: 0 empties it.
    void chooseDigit(int number);
    void setCellPointers(MousePointer style);
    void setCellTooltips(const QString& tooltip);

    void manualSetUp();
    void solve();
    void clearBoard();
    void generate(int level);
    // A puzzle made by solving technique away from the window's thread, shown as a generation ends.
    void showTechniquePuzzle(int level, const RatedPuzzle& puzzle);
    // A generation's new puzzle on the board: every cell shown, its count, the keyboard on its first empty cell.
    void showNewPuzzle();

    void showAboutBox();
    void loadSaveFile();
    void writeSaveFile();
    void deleteSaveFile();
    void printWindow();
    void openWebPage();

    MainWindowServices services_;
    TwipsScale scale_;
    std::unique_ptr<WindowEventPump> pump_;
    std::unique_ptr<BoardSession> session_;
    std::unique_ptr<GameFiles> files_; // none: nothing is kept between runs
    std::unique_ptr<AboutPlatform> aboutPlatform_;
    std::unique_ptr<WindowPrinter> printer_;
    QPointer<AboutDialog> about_;
    std::unique_ptr<WindowFeatures> features_;

    std::array<CellLabel*, kCellCount> cells_{};
    std::array<GridLine*, 20> lines_{};
    std::map<short, GraphicalButton*> buttons_;
    DigitChooser* chooser_ = nullptr;
    ColourLabel* hint_ = nullptr;
    ColourLabel* count_ = nullptr;
    ColourLabel* message_ = nullptr;
    QLabel* picture_ = nullptr;
    QTimer* timer_ = nullptr;
    QPixmap banner_;

    bool closing_ = false;
    bool mayAsk_ = true; // whether the shutdown may ask the user
};

} // namespace dodoru
