#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "position.h"
#include "puzzlestate.h"

namespace dodoru {

// A chain or a proof as the board shows it: candidates (a digit in one cell, or in any of a group of
// cells) in order, and what joins each to the next.
struct HintDrawing {
    struct Node {
        std::vector<int> cells;
        int digit = 0;
        bool on = false; // the digit is there (a ring), or it is not (a ring struck through)
        bool operator==(const Node&) const = default;
    };
    // Strong: one of the two is true (a solid line); weak: not both (a dashed line); follows: the second
    // is a single once the first is placed (a solid line, arrowed like the others).
    enum class Link { Strong, Weak, Follows };
    std::vector<Node> nodes;
    std::vector<Link> links; // links[i] joins nodes[i] to nodes[i + 1]
    // A forcing chain: each branch is an assumption and the singles that follow from it in order (the
    // first few of a long one), each joined to the next as `Follows`; branches are numbered from 1.
    std::vector<std::vector<Node>> branches;
    // What a chain or every branch of a forcing chain reaches: candidates removed (off) or digits
    // placed (on), marked apart from the rest.
    std::vector<Node> conclusion;
    // Almost locked sets a chain passes through: the cells of each, outlined.
    std::vector<std::vector<int>> sets;
    bool empty() const { return nodes.empty() && branches.empty(); }
};

// What one press of 提示 shows.
struct HintView {
    QString text;                      // for the hint line and screen readers
    QStringList shorterTexts;          // shorter forms of text, the fullest first, for a line too small
    std::vector<int> markedCells;      // cells the hint points at on the board
    std::vector<int> wrongCells;       // the player's digits it shows as wrong
    HintDrawing drawing;               // a chain, or an assumption and what follows (second press)
    std::optional<PuzzleState> result; // the board with the hint carried out (third press)
};

// The three presses of 提示 on one position, from the logical solver: the first says which technique
// applies and where, without the digit; the second also shows the cells and digits the step rests on;
// the third carries it out (a placement, or eliminations on the pencil marks). When some of the
// player's digits are wrong it says so first, then which, then takes them away; pencil marks that have
// lost a cell's solution digit are treated the same way, before any reasoning from them.
class HintGuide {
    Q_DECLARE_TR_FUNCTIONS(dodoru::HintGuide)

public:
    // A press on `puzzle`, whose givens have the solution `solution`. Presses on an unchanged board go
    // on to the next stage; a changed board starts again at the first.
    HintView press(const PuzzleState& puzzle, const logic::DigitGrid& solution);
    // The next press starts at the first stage.
    void reset() { board_.reset(); }

private:
    std::optional<PuzzleState> board_;
    int stage_ = 0;
};

// The pencil marks as the logical solver takes them: a cell's own marks, or every digit where it has
// none (the solver then keeps what its row, column and box allow).
logic::CandidateGrid candidatesForHint(const PuzzleState& puzzle);
// A cell as the hints name it: 第3列第5行.
QString hintCellName(int cell);
// The digits the player sees: givens and the player's own.
logic::DigitGrid boardDigits(const PuzzleState& puzzle);
// The player's digits that differ from the solution.
std::vector<int> wrongPlayerDigits(const PuzzleState& puzzle, const logic::DigitGrid& solution);

} // namespace dodoru
