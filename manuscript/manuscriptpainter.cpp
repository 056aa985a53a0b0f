#include "manuscriptpainter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>
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

// The texts of a sheet, in the window's language.
struct Manuscript {
    Q_DECLARE_TR_FUNCTIONS(dodoru::Manuscript)
};

QString cannotWrite(const QString& path, const QString& reason) {
    //: The sheet could not be saved. %1: the file's path, %2: the reason.
    return Manuscript::tr("無法寫入「%1」：%2").arg(path, reason);
}

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
    return QRectF(grid.left() + side * columnOf(cell), grid.top() + side * rowOf(cell), side, side);
}

void drawGridLines(QPainter& painter, const DeviceScale& scale, const QRectF& grid) {
    const QRectF g = scale(grid);
    const double step = g.width() / 9;
    for (const bool thick : {false, true}) {
        QPen pen(Qt::black, scale(thick ? kThickLine : kThinLine));
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        for (int i = 0; i <= 9; ++i) {
            if (isBoxEdge(i) != thick) continue;
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
    //: A puzzle's number on a sheet of puzzles and on its answer.
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, Manuscript::tr("第 %1 題").arg(box.puzzle + 1));
    //: A puzzle's level (%1, such as 1.極易) and its number of givens (%n), beside its grid on a sheet.
    QString right = answer ? levelName(puzzle.level)
                           : Manuscript::tr("%1　提示 %n", nullptr, puzzle.clueCount()).arg(levelName(puzzle.level));
    if (rating && !answer) {
        const int tenths = puzzle.ratingTenths > 0 ? puzzle.ratingTenths : ratePuzzle(puzzle.givens);
        //: The caption's rating of a puzzle's difficulty by the logical solver, e.g. 評分 4.4
        right += QStringLiteral("　") + Manuscript::tr("評分 %1.%2").arg(tenths / 10).arg(tenths % 10);
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
    //: The heading of the answer pages of a sheet without a title.
    if (title.isEmpty()) return Manuscript::tr("解答");
    //: The heading of the answer pages of a sheet: its title (%1) and the word for the answers.
    return Manuscript::tr("%1　解答").arg(title);
}

ManuscriptWriteResult paintManuscript(QPagedPaintDevice& device, const ManuscriptOptions& options,
                                      const std::vector<ManuscriptPuzzle>& puzzles) {
    ManuscriptWriteResult result;
    result.fault = ManuscriptWriteResult::Fault::Painting;
    if (puzzles.empty()) {
        result.error = Manuscript::tr("手稿中沒有任何題目。");
        return result;
    }
    ManuscriptLayoutOptions layoutOptions = options.layout;
    layoutOptions.titled = !options.title.isEmpty();
    device.setPageLayout(QPageLayout(options.layout.paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const std::vector<PageLayout> pages =
        layoutManuscript(layoutOptions, static_cast<int>(puzzles.size()), options.answers);

    QPainter painter;
    if (!painter.begin(&device)) {
        result.error = Manuscript::tr("無法開始輸出手稿（輸出裝置無法使用）。");
        return result;
    }
    const DeviceScale scale(device);
    const QString pageCount = QString::number(pages.size());
    for (const PageLayout& page : pages) {
        if (page.number > 1 && !device.newPage()) {
            painter.end();
            result.error = Manuscript::tr("無法在輸出裝置上開始新的一頁。");
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
        //: The footer of every page of a sheet: this page's number and the number of pages.
        painter.drawText(scale(page.footer), Qt::AlignHCenter | Qt::AlignBottom,
                         Manuscript::tr("第 %1 頁 / 共 %2 頁").arg(QString::number(page.number), pageCount));
    }
    if (!painter.end()) {
        result.error = Manuscript::tr("輸出手稿時發生錯誤。");
        return result;
    }
    result.ok = true;
    result.fault = ManuscriptWriteResult::Fault::None;
    return result;
}

ManuscriptWriteResult writeManuscriptPdf(const std::string& path, const ManuscriptOptions& options,
                                         const std::vector<ManuscriptPuzzle>& puzzles) {
    const QString shownPath = QFile::decodeName(QByteArray::fromStdString(path));
    ManuscriptWriteResult result;
    const auto fileFailure = [&](const ReplacingFile& file) {
        ManuscriptWriteResult failed;
        failed.kind = file.kind();
        failed.errorNumber = file.errorNumber();
        failed.fault = file.fault() == ReplacingFile::Fault::Kind ? ManuscriptWriteResult::Fault::NotAFile
                                                                  : ManuscriptWriteResult::Fault::System;
        failed.error = cannotWrite(shownPath, failed.fault == ManuscriptWriteResult::Fault::NotAFile
                                                  //: Why a sheet cannot be written over a device, a pipe or a folder.
                                                  ? Manuscript::tr("這不是一般檔案")
                                                  : qt_error_string(failed.errorNumber));
        return failed;
    };
    ReplacingFile file(path);
    if (!file.open()) return fileFailure(file);
    {
        QFile out;
        if (!out.open(file.descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            result.fault = ManuscriptWriteResult::Fault::System;
            result.errorNumber = EIO;
            result.error = cannotWrite(shownPath, out.errorString());
            return result;
        }
        {
            QPdfWriter writer(&out);
            writer.setCreator(QStringLiteral("Dodoru"));
            writer.setTitle(options.title.isEmpty() ? QStringLiteral("Dodoru") : options.title);
            result = paintManuscript(writer, options, puzzles);
        }
        if (result.ok && (!out.flush() || out.error() != QFileDevice::NoError)) {
            const int error = errno;
            result = {};
            result.fault = ManuscriptWriteResult::Fault::System;
            result.errorNumber = error != 0 ? error : EIO;
            result.error = cannotWrite(shownPath, out.errorString());
        }
    }
    if (!result.ok) return result; // the unfinished file goes with `file`
    if (!file.commit()) return fileFailure(file);
    return result;
}

ManuscriptWriteResult writeManuscriptPdf(const QString& path, const ManuscriptOptions& options,
                                         const std::vector<ManuscriptPuzzle>& puzzles) {
    return writeManuscriptPdf(QFile::encodeName(path).toStdString(), options, puzzles);
}

} // namespace dodoru
