#include "engineboard.h"

namespace dodoru {

Board toBoard(const PuzzleState& state) {
    Board board;
    for (int c = 0; c < kCellCount; ++c) {
        Cell& cell = board.cell(c);
        cell.setValue(state.digit(c));
        if (state.isGiven(c) || !state.defaultInk(c)) cell.setGiven(state.isGiven(c));
    }
    switch (state.verdict()) {
    case Verdict::None:
        break;
    case Verdict::PuzzleError:
        board.message().show(BoardMessage::PuzzleError);
        break;
    case Verdict::NoSolution:
        board.message().show(BoardMessage::NoSolution);
        break;
    case Verdict::SeveralSolutions:
        board.message().show(BoardMessage::SeveralSolutions);
        break;
    }
    return board;
}

PuzzleState fromBoard(const Board& board, const PuzzleState& before) {
    PuzzleState state;
    for (int c = 0; c < kCellCount; ++c) {
        const Cell& cell = board.cell(c);
        state.setCell(c, cell.value(), cell.isGiven() ? CellKind::Given : CellKind::Answer);
        state.setDefaultInk(c, cell.defaultInk());
        state.setPencilMarks(c, before.pencilMarks(c));
    }
    const MessageLabel& message = board.message();
    if (!message.visible)
        state.setVerdict(Verdict::None);
    else if (message.text == BoardMessage::NoSolution)
        state.setVerdict(Verdict::NoSolution);
    else if (message.text == BoardMessage::SeveralSolutions)
        state.setVerdict(Verdict::SeveralSolutions);
    else
        state.setVerdict(Verdict::PuzzleError);
    return state;
}

} // namespace dodoru
