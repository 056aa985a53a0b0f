#include "verdicttext.h"

#include <QCoreApplication>

namespace dodoru {

// Words of the main window (its translation context).
QString boardVerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::NoSolution:
        //: A verdict shown in very large letters across the board: the puzzle has no solution. At most 480
        //: pixels wide at 72 points: keep it short.
        return QCoreApplication::translate("dodoru::MainWindow", "此題無解");
    case Verdict::SeveralSolutions:
        //: A verdict shown in very large letters across the board: the puzzle has more than one solution.
        //: At most 480 pixels wide at 72 points: keep it short.
        return QCoreApplication::translate("dodoru::MainWindow", "有多組解答");
    case Verdict::PuzzleError:
    case Verdict::None:
        break;
    }
    //: A verdict shown in very large letters across the board: an empty cell can take no digit. At most 480
    //: pixels wide at 72 points: keep it short.
    return QCoreApplication::translate("dodoru::MainWindow", "題目錯誤");
}

} // namespace dodoru
