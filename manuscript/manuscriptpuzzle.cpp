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
    //: The levels of generated puzzles, 1 the easiest and 5 the hardest, as their generate buttons and a
    //: sheet of puzzles show them; keep them short: a button is narrow.
    switch (level) {
    case 1: return QCoreApplication::translate("dodoru::Levels", "1.極易");
    case 2: return QCoreApplication::translate("dodoru::Levels", "2.容易");
    case 3: return QCoreApplication::translate("dodoru::Levels", "3.中等");
    case 4: return QCoreApplication::translate("dodoru::Levels", "4.困難");
    case 5: return QCoreApplication::translate("dodoru::Levels", "5.極難");
    default:
        //: The level shown for a puzzle of one's own, not made by the generator, on a sheet of puzzles.
        return QCoreApplication::translate("dodoru::Levels", "自訂");
    }
}

// The solve routine's verdict on the givens, as the logical solver asks it of the engine.
SolvedGivens solveGivens(const BoardSnapshot& givens) {
    const logic::PuzzleCheck check = logic::checkPuzzle(givens);
    SolvedGivens solved;
    switch (check.verdict) {
    case logic::PuzzleVerdict::Unique:
        solved.verdict = SolutionVerdict::Unique;
        solved.solution = check.solution;
        break;
    case logic::PuzzleVerdict::Several: solved.verdict = SolutionVerdict::Several; break;
    case logic::PuzzleVerdict::PuzzleError: solved.verdict = SolutionVerdict::PuzzleError; break;
    case logic::PuzzleVerdict::NoSolution: solved.verdict = SolutionVerdict::NoSolution; break;
    }
    return solved;
}

int ratePuzzle(const BoardSnapshot& givens) {
    return logic::rate(givens).ratingTenths;
}

} // namespace dodoru
