#include "boardannouncements.h"

#include <QStringList>

#include "announcer.h"
#include "boardsession.h"
#include "mainwindow.h"
#include "manuscriptpuzzle.h"
#include "techniquenames.h"

namespace dodoru {

QString cellPlace(int cell) {
    //: Where a cell is: row (列), column (行), from 1.
    return BoardAnnouncements::tr("第%1列第%2行").arg(rowOf(cell) + 1).arg(columnOf(cell) + 1);
}

BoardAnnouncements::BoardAnnouncements(BoardSession& session, Announcer& announcer)
    : session_(session), announcer_(announcer) {
    // Every command begins by setting the mode; undo and redo set it too.
    connect(&session_, &BoardSession::modeChanged, this, [this] { announcer_.clear(); });
    connect(&session_, &BoardSession::runningChanged, this, [this](bool running) {
        if (!running && session_.mode() == Mode::Solve) announcer_.announce(solveResultText(session_));
    });
    connect(&session_, &BoardSession::puzzleShown, this,
            [this] { announcer_.announce(generatedText(session_)); });
    // A typed digit is an edit of the selected cell (a given in manual set-up, the player's digit while
    // playing); other cells change with commands, transfers and hints.
    connect(&session_, &BoardSession::cellChanged, this, [this](int cell) {
        if (!session_.editable() || cell != session_.selectedCell()) return;
        const QString repeat = repeatText(session_, cell);
        if (!repeat.isEmpty()) announcer_.announce(repeat);
    });
}

QString BoardAnnouncements::solveResultText(const BoardSession& session) {
    const Verdict verdict = session.puzzle().verdict();
    //: Told to a screen reader when a solve found the one solution (the window shows no message).
    return verdict == Verdict::None ? tr("已解出") : MainWindow::verdictText(verdict);
}

QString BoardAnnouncements::generatedText(const BoardSession& session) {
    const int givens = session.puzzle().givenCount();
    //: Told when a generation ends: level name (1.極易 …), number of givens, number of empty cells, and
    //: the puzzle's difficulty (難度 6.0 專家).
    return tr("已產生%1題目：提示數字%2個，空格%3個，%4")
        .arg(levelName(session.level()))
        .arg(givens)
        .arg(kCellCount - givens)
        .arg(TechniqueNames::difficulty(session.ratingTenths()));
}

QString BoardAnnouncements::repeatText(const BoardSession& session, int cell) {
    const PuzzleState& puzzle = session.puzzle();
    // In manual set-up the givens count; while playing the player's digits count with them.
    QStringList others;
    for (const int c : puzzle.repeatsOf(cell, session.playing())) others << cellPlace(c);
    if (others.isEmpty()) return {};
    //: A digit typed into a cell repeats the digit of other cells: cell, digit, the other cells (、).
    return tr("%1的%2與%3重複").arg(cellPlace(cell)).arg(puzzle.digit(cell)).arg(others.join(tr("、")));
}

} // namespace dodoru
