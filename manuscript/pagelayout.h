#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace dodoru {

// The page geometry of a manuscript, in points (1/72 inch) from the sheet's top-left corner. Plain
// arithmetic: painting follows these boxes and adds nothing of its own.

inline constexpr int kAnswersPerPage = 12;

struct ManuscriptLayoutOptions {
    QPageSize paper = QPageSize(QPageSize::A4);
    int perPage = 6;                                 // 1, 2, 4 or 6 puzzles on a page
    QMarginsF marginsMm = QMarginsF(15, 15, 15, 15); // left, top, right, bottom
    bool titled = true;                              // puzzle pages carry a title line
};

// The puzzle counts a page can take.
bool isValidPerPage(int perPage);

// Columns and rows of grids on a page: 1 = 1 x 1, 2 = 1 x 2, 4 = 2 x 2, 6 = 2 x 3, 12 = 3 x 4.
struct GridArrangement {
    int columns = 1;
    int rows = 1;
};
GridArrangement arrangementFor(int perPage);

// One grid on a page: the puzzle it shows (index into the manuscript), its caption line above it and
// the square of the grid itself.
struct GridBox {
    int puzzle = 0;
    QRectF caption;
    QRectF grid;
};

enum class PageKind { Puzzles, Answers };

struct PageLayout {
    PageKind kind = PageKind::Puzzles;
    int number = 1; // 1-based, over all pages
    QRectF sheet;
    QRectF title;  // empty when the page has no title line
    QRectF footer; // the page number
    std::vector<GridBox> grids;
};

// How many pages of each kind a manuscript takes.
struct ManuscriptPlan {
    int puzzlePages = 0;
    int answerPages = 0;
    int totalPages() const { return puzzlePages + answerPages; }
};
ManuscriptPlan planManuscript(int puzzles, int perPage, bool answers);

// Every page of a manuscript of `puzzles` puzzles: the puzzle pages, then (with answers) the answer
// pages with 12 smaller grids each, numbered like their puzzles. Answer pages always carry a title line.
std::vector<PageLayout> layoutManuscript(const ManuscriptLayoutOptions& options, int puzzles, bool answers);

// The paper sizes a manuscript offers, A4 first.
const std::vector<QPageSize::PageSizeId>& manuscriptPapers();
// A paper's short name on the command line: A3, A4, A5, B4, B5 (ISO), JIS-B4, JIS-B5, Letter, Legal,
// Executive.
QString paperName(QPageSize::PageSizeId paper);
// One of the papers by its short name, any case.
std::optional<QPageSize> paperByName(const QString& name);

// The sheet of a paper size in points, portrait.
QRectF sheetRect(const QPageSize& paper);

} // namespace dodoru
