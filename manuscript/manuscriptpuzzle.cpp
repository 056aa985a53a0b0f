#include "manuscriptpuzzle.h"

#include <QCoreApplication>

#include <algorithm>

#include "logicsolver.h"

namespace dodoru {

int ManuscriptPuzzle::clueCount() const {
    return static_cast<int>(
        std::count_if(givens.begin(), givens.end(), [](std::uint8_t d) { return d != 0; }));
}

QString levelName(int level) {
    switch (level) {
    case 1: return QCoreApplication::translate("dodoru::Levels", "1.極易");
    case 2: return QCoreApplication::translate("dodoru::Levels", "2.容易");
    case 3: return QCoreApplication::translate("dodoru::Levels", "3.中等");
    case 4: return QCoreApplication::translate("dodoru::Levels", "4.困難");
    case 5: return QCoreApplication::translate("dodoru::Levels", "5.極難");
    default:
        //: a puzzle of one's own, not made by the generator
        return QCoreApplication::translate("dodoru::Levels", "自訂");
    }
}

SolvedGivens solveGivens(const BoardSnapshot& givens) {
    Board board;
    for (int c = 0; c < kCellCount; ++c) {
        const int digit = givens[static_cast<std::size_t>(c)];
        if (digit >= 1 && digit <= 9)
            board.cell(c).makeGiven(digit);
        else
            board.cell(c).clear();
    }
    WindowState state;
    state.GenerateFlag = 0;
    NoEventPump pump;
    Engine engine(board, state, pump);
    SolvedGivens solved;
    BoardSnapshot snapshot{};
    const SolveReport report = engine.SolveBoard(snapshot);
    if (report.puzzleError)
        solved.verdict = SolutionVerdict::PuzzleError;
    else if (report.addedCount > 0 || report.verdict == SolveVerdict::Several)
        solved.verdict = SolutionVerdict::Several;
    else if (report.verdict == SolveVerdict::Unique) {
        solved.verdict = SolutionVerdict::Unique;
        solved.solution = snapshot;
    } else
        solved.verdict = SolutionVerdict::NoSolution;
    return solved;
}

int ratePuzzle(const BoardSnapshot& givens) {
    return logic::rate(givens).ratingTenths;
}

} // namespace dodoru
