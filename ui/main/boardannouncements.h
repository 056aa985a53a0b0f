#pragma once

#include <QObject>

class QString;

namespace dodoru {

class Announcer;
class BoardSession;

// Where a cell is, in the words a screen reader says: 第2列第3行 (rows across, columns down, from 1).
QString cellPlace(int cell);

// What the window tells a screen reader as news, beside what it shows: the result of a solve (the
// verdict, or 已解出 for a solve with one solution), the puzzle a generation ends with (its level, givens
// and empty cells), and a given that repeats a digit of its row, column or box as it is typed. A new
// command makes the last news stale.
class BoardAnnouncements final : public QObject {
    Q_OBJECT
public:
    BoardAnnouncements(BoardSession& session, Announcer& announcer);

    static QString solveResultText(const BoardSession& session);
    static QString generatedText(const BoardSession& session);
    // Empty when the cell repeats no digit.
    static QString repeatText(const BoardSession& session, int cell);

private:
    BoardSession& session_;
    Announcer& announcer_;
};

} // namespace dodoru
