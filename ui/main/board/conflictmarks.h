#pragma once

#include <QObject>

namespace dodoru {

class BoardSession;

// Marks the clashing givens while the user edits, and under the verdict of the solve they spoiled;
// while playing, the player's digits that repeat a given or one another too. Takes the marks away when
// the clash goes or another mode begins. The marks are the game's; the cells show them.
class ConflictMarks final : public QObject {
public:
    explicit ConflictMarks(BoardSession& session);

private:
    void mark();

    BoardSession& session_;
};

} // namespace dodoru
