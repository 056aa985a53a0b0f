#include "boardannouncements.h"

#include <QCoreApplication>
#include <QStringList>

#include "announcer.h"
#include "boardsession.h"
#include "celldigitkind.h"
#include "celllabel.h"
#include "manuscriptpuzzle.h"
#include "techniquenames.h"
#include "verdicttext.h"

namespace dodoru {

namespace {

QString manualButtonName() {
    return QCoreApplication::translate("dodoru::MainWindow", "0.手動");
}

} // namespace

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
    const auto edited = [this](int cell) {
        if (session_.editable() && cell == session_.selectedCell()) announcer_.announce(editText(session_, cell));
    };
    connect(&session_, &BoardSession::cellChanged, this, edited);
    // A pencil mark of the selected cell, on or off (the marks a digit takes from other cells are not told).
    connect(&session_, &BoardSession::pencilMarksChanged, this, edited);
}

void BoardAnnouncements::tellRefusedDigit(int cell) {
    announcer_.announce(refusedDigitText(session_, cell));
}

void BoardAnnouncements::tellRefusedPlay(Verdict verdict) {
    announcer_.announce(refusedPlayText(verdict));
}

QString BoardAnnouncements::solveResultText(const BoardSession& session) {
    const Verdict verdict = session.puzzle().verdict();
    //: Told to a screen reader when a solve found the one solution (the window shows no message).
    return verdict == Verdict::None ? tr("已解出") : boardVerdictText(verdict);
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

QString BoardAnnouncements::editText(const BoardSession& session, int cell) {
    const PuzzleState& puzzle = session.puzzle();
    const int digit = puzzle.digit(cell);
    QString text = cellAccessibleName(rowOf(cell), columnOf(cell), digit == 0 ? QString() : QString::number(digit),
                                      puzzle.pencilMarks(cell), cellDigitKind(puzzle, cell));
    // In manual set-up the givens count; while playing the player's digits count with them.
    QStringList others;
    for (const int c : puzzle.repeatsOf(cell, session.playing())) others << cellPlace(c);
    //: Added to a cell as told after an edit when its digit repeats the digit of other cells (、 between).
    if (!others.isEmpty()) text += tr("，與%1重複").arg(others.join(tr("、")));
    return text;
}

QString BoardAnnouncements::refusedDigitText(const BoardSession& session, int cell) {
    if (session.editable() && session.playing() && session.puzzle().isGiven(cell))
        //: Told when a digit is typed over a given while playing: the cell (第1列第3行).
        return tr("%1是題目的數字，不能修改").arg(cellPlace(cell));
    //: Told with a refused digit: what lets the player change the board (%1: the manual set-up button).
    const QString remedy = tr("按 %1 可修改題目").arg(manualButtonName());
    if (session.mode() == Mode::Solve && session.puzzle().verdict() == Verdict::None)
        //: Told when a digit is typed into the board a solve has filled in.
        return tr("已解出的盤面不能修改，") + remedy;
    //: Told when a digit is typed while the board takes none (after a refused clear, for example).
    return tr("現在不能修改盤面，") + remedy;
}

QString BoardAnnouncements::refusedPlayText(Verdict verdict) {
    //: Told when 作答 (play) is refused: the verdict (有多組解答 …), then why nothing else happened.
    return tr("%1，不能作答").arg(boardVerdictText(verdict));
}

} // namespace dodoru
