#include "pagelayout.h"

#include <algorithm>

namespace dodoru {

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kTitleHeight = 26;  // the title line and the space below it
constexpr double kFooterHeight = 18; // the page number line and the space above it
constexpr double kGutter = 14;       // between neighbouring slots
constexpr double kCaptionGap = 3;    // between a caption and its grid
// A caption line's height: the puzzle pages' captions and the smaller answer captions.
constexpr double kPuzzleCaption = 15;
constexpr double kAnswerCaption = 11;

QRectF contentRect(const QRectF& sheet, const QMarginsF& marginsMm) {
    return sheet.adjusted(marginsMm.left() * kPointsPerMillimetre, marginsMm.top() * kPointsPerMillimetre,
                          -marginsMm.right() * kPointsPerMillimetre,
                          -marginsMm.bottom() * kPointsPerMillimetre);
}

// Lays out `count` grids (puzzles first .. first + count - 1) in `body`, row by row; each grid is the
// largest square that fits its slot below its caption, the caption as wide as the grid, both centred.
std::vector<GridBox> placeGrids(const QRectF& body, GridArrangement arrangement, int first, int count,
                                double captionHeight) {
    const double slotWidth = (body.width() - kGutter * (arrangement.columns - 1)) / arrangement.columns;
    const double slotHeight = (body.height() - kGutter * (arrangement.rows - 1)) / arrangement.rows;
    const double side = std::max(0.0, std::min(slotWidth, slotHeight - captionHeight - kCaptionGap));
    const double blockHeight = captionHeight + kCaptionGap + side;
    std::vector<GridBox> boxes;
    for (int i = 0; i < count; ++i) {
        const int column = i % arrangement.columns;
        const int row = i / arrangement.columns;
        const double slotLeft = body.left() + column * (slotWidth + kGutter);
        const double slotTop = body.top() + row * (slotHeight + kGutter);
        const double left = slotLeft + (slotWidth - side) / 2;
        const double top = slotTop + (slotHeight - blockHeight) / 2;
        GridBox box;
        box.puzzle = first + i;
        box.caption = QRectF(left, top, side, captionHeight);
        box.grid = QRectF(left, top + captionHeight + kCaptionGap, side, side);
        boxes.push_back(box);
    }
    return boxes;
}

PageLayout layoutPage(const ManuscriptLayoutOptions& options, PageKind kind, int number, int first,
                      int count) {
    PageLayout page;
    page.kind = kind;
    page.number = number;
    page.sheet = sheetRect(options.paper);
    const QRectF content = contentRect(page.sheet, options.marginsMm);
    QRectF body = content;
    if (kind == PageKind::Answers || options.titled) {
        page.title = QRectF(content.left(), content.top(), content.width(), kTitleHeight * 0.75);
        body.setTop(content.top() + kTitleHeight);
    }
    page.footer =
        QRectF(content.left(), content.bottom() - kFooterHeight * 0.7, content.width(), kFooterHeight * 0.7);
    body.setBottom(content.bottom() - kFooterHeight);
    if (kind == PageKind::Puzzles)
        page.grids = placeGrids(body, arrangementFor(options.perPage), first, count, kPuzzleCaption);
    else
        page.grids = placeGrids(body, arrangementFor(kAnswersPerPage), first, count, kAnswerCaption);
    return page;
}

} // namespace

bool isValidPerPage(int perPage) {
    return perPage == 1 || perPage == 2 || perPage == 4 || perPage == 6;
}

GridArrangement arrangementFor(int perPage) {
    switch (perPage) {
    case 2:
        return {1, 2};
    case 4:
        return {2, 2};
    case 6:
        return {2, 3};
    case kAnswersPerPage:
        return {3, 4};
    default:
        return {1, 1};
    }
}

ManuscriptPlan planManuscript(int puzzles, int perPage, bool answers) {
    ManuscriptPlan plan;
    if (puzzles <= 0 || perPage <= 0) return plan;
    plan.puzzlePages = (puzzles + perPage - 1) / perPage;
    if (answers) plan.answerPages = (puzzles + kAnswersPerPage - 1) / kAnswersPerPage;
    return plan;
}

std::vector<PageLayout> layoutManuscript(const ManuscriptLayoutOptions& options, int puzzles, bool answers) {
    const ManuscriptPlan plan = planManuscript(puzzles, options.perPage, answers);
    std::vector<PageLayout> pages;
    int number = 1;
    for (int p = 0; p < plan.puzzlePages; ++p) {
        const int first = p * options.perPage;
        pages.push_back(layoutPage(options, PageKind::Puzzles, number++, first,
                                   std::min(options.perPage, puzzles - first)));
    }
    for (int p = 0; p < plan.answerPages; ++p) {
        const int first = p * kAnswersPerPage;
        pages.push_back(layoutPage(options, PageKind::Answers, number++, first,
                                   std::min(kAnswersPerPage, puzzles - first)));
    }
    return pages;
}

const std::vector<QPageSize::PageSizeId>& manuscriptPapers() {
    static const std::vector<QPageSize::PageSizeId> papers = {
        QPageSize::A4,    QPageSize::A3,    QPageSize::A5,     QPageSize::B4,    QPageSize::B5,
        QPageSize::JisB4, QPageSize::JisB5, QPageSize::Letter, QPageSize::Legal, QPageSize::Executive};
    return papers;
}

QString paperName(QPageSize::PageSizeId paper) {
    switch (paper) {
    case QPageSize::JisB4:
        return QStringLiteral("JIS-B4");
    case QPageSize::JisB5:
        return QStringLiteral("JIS-B5");
    case QPageSize::Executive:
        return QStringLiteral("Executive");
    case QPageSize::Letter:
        return QStringLiteral("Letter");
    case QPageSize::Legal:
        return QStringLiteral("Legal");
    default:
        return QPageSize::name(paper);
    }
}

std::optional<QPageSize> paperByName(const QString& name) {
    for (const QPageSize::PageSizeId id : manuscriptPapers())
        if (paperName(id).compare(name, Qt::CaseInsensitive) == 0) return QPageSize(id);
    return std::nullopt;
}

QRectF sheetRect(const QPageSize& paper) {
    const QSizeF size = paper.size(QPageSize::Point);
    return QRectF(0, 0, std::min(size.width(), size.height()), std::max(size.width(), size.height()));
}

} // namespace dodoru
