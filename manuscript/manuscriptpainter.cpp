#include "manuscriptpainter.h"

#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace dodoru {

namespace {

// The window's faces; on systems without them the AR PL faces stand in.
const QStringList kMingFaces = {QStringLiteral("新細明體"), QStringLiteral("AR PL UMing TW")};
const QStringList kKaiFaces = {QStringLiteral("標楷體"), QStringLiteral("AR PL UKai TW")};

constexpr double kThinLine = 0.5; // points
constexpr double kThickLine = 1.6;
const QColor kGivenCell(221, 221, 221);
const QColor kFilledDigit(90, 90, 90);

// Points of the layout to device units.
class DeviceScale {
public:
    explicit DeviceScale(const QPaintDevice& device) : k_(device.logicalDpiX() / 72.0) {}
    double operator()(double points) const { return points * k_; }
    QRectF operator()(const QRectF& r) const {
        return QRectF(r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_);
    }
    // A font of the given faces whose glyphs are `points` high on the page.
    QFont font(const QStringList& faces, double points, bool bold = false) const {
        QFont font;
        font.setFamilies(faces);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * k_))));
        font.setBold(bold);
        return font;
    }

private:
    double k_;
};

QRectF cellRect(const QRectF& grid, int cell) {
    const double side = grid.width() / 9;
    return QRectF(grid.left() + side * (cell % 9), grid.top() + side * (cell / 9), side, side);
}

void drawGridLines(QPainter& painter, const DeviceScale& scale, const QRectF& grid) {
    const QRectF g = scale(grid);
    const double step = g.width() / 9;
    for (const bool thick : {false, true}) {
        QPen pen(Qt::black, scale(thick ? kThickLine : kThinLine));
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        for (int i = 0; i <= 9; ++i) {
            if ((i % 3 == 0) != thick) continue;
            painter.drawLine(QPointF(g.left() + step * i, g.top()), QPointF(g.left() + step * i, g.bottom()));
            painter.drawLine(QPointF(g.left(), g.top() + step * i), QPointF(g.right(), g.top() + step * i));
        }
    }
}

void drawCaption(QPainter& painter, const DeviceScale& scale, const GridBox& box,
                 const ManuscriptPuzzle& puzzle, bool answer, bool rating = false) {
    painter.setPen(Qt::black);
    painter.setFont(scale.font(kMingFaces, box.caption.height() * 0.75));
    const QRectF r = scale(box.caption);
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("第 %1 題").arg(box.puzzle + 1));
    QString right = answer ? levelName(puzzle.level)
                           : levelName(puzzle.level) + QStringLiteral("　提示 %1").arg(puzzle.clueCount());
    if (rating && !answer) {
        const int tenths = puzzle.ratingTenths > 0 ? puzzle.ratingTenths : ratePuzzle(puzzle.givens);
        //: The caption's rating of a puzzle's difficulty by the logical solver, e.g. 評分 4.4
        right +=
            QStringLiteral("　") +
            QCoreApplication::translate("dodoru::Manuscript", "評分 %1.%2").arg(tenths / 10).arg(tenths % 10);
    }
    painter.drawText(r, Qt::AlignRight | Qt::AlignVCenter, right);
}

void drawPuzzle(QPainter& painter, const DeviceScale& scale, const GridBox& box,
                const ManuscriptPuzzle& puzzle, bool rating) {
    drawCaption(painter, scale, box, puzzle, false, rating);
    painter.setPen(Qt::black);
    painter.setFont(scale.font(kMingFaces, box.grid.width() / 9 * 0.62));
    for (int c = 0; c < kCellCount; ++c) {
        const int digit = puzzle.givens[static_cast<std::size_t>(c)];
        if (digit != 0)
            painter.drawText(scale(cellRect(box.grid, c)), Qt::AlignCenter, QString::number(digit));
    }
    drawGridLines(painter, scale, box.grid);
}

void drawAnswer(QPainter& painter, const DeviceScale& scale, const GridBox& box,
                const ManuscriptPuzzle& puzzle) {
    drawCaption(painter, scale, box, puzzle, true);
    const double digitPoints = box.grid.width() / 9 * 0.62;
    const QFont given = scale.font(kMingFaces, digitPoints, true);
    const QFont filled = scale.font(kMingFaces, digitPoints);
    for (int c = 0; c < kCellCount; ++c) {
        const QRectF r = scale(cellRect(box.grid, c));
        const bool isGiven = puzzle.givens[static_cast<std::size_t>(c)] != 0;
        if (isGiven) painter.fillRect(r, kGivenCell);
        painter.setPen(isGiven ? QColor(Qt::black) : kFilledDigit);
        painter.setFont(isGiven ? given : filled);
        painter.drawText(r, Qt::AlignCenter, QString::number(puzzle.solution[static_cast<std::size_t>(c)]));
    }
    drawGridLines(painter, scale, box.grid);
}

} // namespace

QString answerPageTitle(const QString& title) {
    return title.isEmpty() ? QStringLiteral("解答") : title + QStringLiteral("　解答");
}

ManuscriptWriteResult paintManuscript(QPagedPaintDevice& device, const ManuscriptOptions& options,
                                      const std::vector<ManuscriptPuzzle>& puzzles) {
    ManuscriptWriteResult result;
    if (puzzles.empty()) {
        result.error = QStringLiteral("手稿中沒有任何題目。");
        return result;
    }
    ManuscriptLayoutOptions layoutOptions = options.layout;
    layoutOptions.titled = !options.title.isEmpty();
    device.setPageLayout(QPageLayout(options.layout.paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const std::vector<PageLayout> pages =
        layoutManuscript(layoutOptions, static_cast<int>(puzzles.size()), options.answers);

    QPainter painter;
    if (!painter.begin(&device)) {
        result.error = QStringLiteral("無法開始輸出手稿（輸出裝置無法使用）。");
        return result;
    }
    const DeviceScale scale(device);
    const QString pageCount = QString::number(pages.size());
    for (const PageLayout& page : pages) {
        if (page.number > 1 && !device.newPage()) {
            painter.end();
            result.error = QStringLiteral("無法在輸出裝置上開始新的一頁。");
            return result;
        }
        painter.setPen(Qt::black);
        if (!page.title.isEmpty()) {
            painter.setFont(scale.font(kKaiFaces, page.title.height() * 0.8));
            const QString title =
                page.kind == PageKind::Answers ? answerPageTitle(options.title) : options.title;
            painter.drawText(scale(page.title), Qt::AlignHCenter | Qt::AlignTop, title);
        }
        for (const GridBox& box : page.grids) {
            const ManuscriptPuzzle& puzzle = puzzles[static_cast<std::size_t>(box.puzzle)];
            if (page.kind == PageKind::Puzzles)
                drawPuzzle(painter, scale, box, puzzle, options.ratings);
            else
                drawAnswer(painter, scale, box, puzzle);
        }
        painter.setPen(Qt::black);
        painter.setFont(scale.font(kMingFaces, page.footer.height() * 0.8));
        painter.drawText(scale(page.footer), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 頁 / 共 %2 頁").arg(page.number).arg(pageCount));
    }
    if (!painter.end()) {
        result.error = QStringLiteral("輸出手稿時發生錯誤。");
        return result;
    }
    result.ok = true;
    return result;
}

ManuscriptWriteResult writeManuscriptPdf(const QString& path, const ManuscriptOptions& options,
                                         const std::vector<ManuscriptPuzzle>& puzzles) {
    ManuscriptWriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("無法寫入「%1」：%2").arg(path, file.errorString());
        return result;
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Dodoru"));
        writer.setTitle(options.title.isEmpty() ? QStringLiteral("Dodoru") : options.title);
        result = paintManuscript(writer, options, puzzles);
    }
    if (!result.ok) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.ok = false;
        result.error = QStringLiteral("無法寫入「%1」：%2").arg(path, file.errorString());
    }
    return result;
}

} // namespace dodoru
