#include "editingrooms.h"

#include "boardsession.h"
#include "cellkeyboard.h"
#include "conflictmarks.h"
#include "mainwindow.h"

namespace dodoru {

EditingRooms::EditingRooms(MainWindow& window) : window_(window) {
    std::array<CellLabel*, kCellCount> cells{};
    for (int c = 0; c < kCellCount; ++c) cells[static_cast<std::size_t>(c)] = window.Label1(c);
    marks_ = std::make_unique<ConflictMarks>(cells);
    BoardSession& session = window.session();
    // Clashing givens are marked while the user edits, and stay marked under the verdict of the solve
    // they spoiled.
    const auto mark = [this] {
        const Mode mode = window_.session().mode();
        marks_->update(window_.session().board(), mode == Mode::ManualSetUp || mode == Mode::Solve);
    };
    QObject::connect(&session, &BoardSession::cellChanged, &connections_, mark);
    QObject::connect(&session, &BoardSession::boardChanged, &connections_, mark);
    QObject::connect(&session, &BoardSession::modeChanged, &connections_, mark);

    keyboard_ = std::make_unique<CellKeyboard>(window);

    BoardHistory::Hooks hooks;
    hooks.commandRunning = [this] { return window_.longCommandRunning(); };
    hooks.restore = [this](const BoardState& state) {
        window_.session().restore(state.board, state.mode, state.level);
        window_.showRestoredMode();
    };
    history_ = std::make_unique<BoardHistory>(window, session, std::move(hooks));
}

EditingRooms::~EditingRooms() = default;

BoardHistory::Step EditingRooms::commandStep(short index) {
    const GraphicalButton* button = window_.Command1(index);
    return BoardHistory::Step(*history_, button ? button->text() : QString(),
                              index == MainWindow::kSolveButton ? BoardHistory::UndoMode::ManualSetUp
                                                                : BoardHistory::UndoMode::AsBefore);
}

} // namespace dodoru
