#pragma once

#include <QObject>

#include "puzzlestate.h"

class QString;

namespace dodoru {

class Announcer;
class BoardSession;

// Where a cell is, in the words a screen reader says: 第2列第3行 (rows across, columns down, from 1).
QString cellPlace(int cell);

// What the window tells a screen reader as news, beside what it shows: the result of a solve (the
// verdict, or 已解出 for a solve with one solution), the puzzle a generation ends with (its level, givens
// and empty cells), an edit of the selected cell as the cell now reads (with the cells whose digit it
// repeats), a digit the board does not take and why, and a puzzle that cannot be played. A new command
// makes the last news stale.
class BoardAnnouncements final : public QObject {
    Q_OBJECT
public:
    BoardAnnouncements(BoardSession& session, Announcer& announcer);

    // A digit typed into `cell` was not taken.
    void tellRefusedDigit(int cell);
    // 作答 was refused: the board has not exactly one solution.
    void tellRefusedPlay(Verdict verdict);

    static QString solveResultText(const BoardSession& session);
    static QString generatedText(const BoardSession& session);
    // The cell as it reads after an edit, and the cells whose digit it repeats.
    static QString editText(const BoardSession& session, int cell);
    static QString refusedDigitText(const BoardSession& session, int cell);
    static QString refusedPlayText(Verdict verdict);

private:
    BoardSession& session_;
    Announcer& announcer_;
};

} // namespace dodoru
