// The manuscript library: page geometry, batch generation, and the PDF read back with poppler.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include "batchgeneration.h"
#include "manuscriptpainter.h"
#include "pagelayout.h"
#include "pdftools.h"

using namespace dodoru;

namespace {

std::vector<ManuscriptPuzzle> generated(const std::vector<int>& levels, std::uint64_t seed, int threads,
                                        RatingBounds bounds = {}) {
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    BatchGeneration batch(levels, seed, bounds);
    batch.start(&pool).waitForFinished();
    std::vector<ManuscriptPuzzle> puzzles;
    for (const GeneratedPuzzle& p : batch.results()) puzzles.push_back(p.puzzle);
    return puzzles;
}

QString givenDigits(const ManuscriptPuzzle& puzzle) {
    QString digits;
    for (const auto d : puzzle.givens)
        if (d != 0) digits += QChar(u'0' + d);
    return digits;
}

QString solutionDigits(const ManuscriptPuzzle& puzzle) {
    QString digits;
    for (const auto d : puzzle.solution) digits += QChar(u'0' + d);
    return digits;
}

} // namespace

class ManuscriptTest : public QObject {
    Q_OBJECT

private slots:
    void layoutFitsThePage_data();
    void layoutFitsThePage();
    void mixSpreadsOverTheCount_data();
    void mixSpreadsOverTheCount();
    void givensAreSolvedOnlyWhenUnique_data();
    void givensAreSolvedOnlyWhenUnique();
    void seededBatchIsTheSameOnAnyNumberOfThreads();
    void cancelledBatchGivesNothing();
    void ratingBoundsDrawFurtherSeedsInAFixedOrder();
    void pdfHoldsEveryPuzzleAndAnswer();
    void failedWriteLeavesNoFile();
};

void ManuscriptTest::layoutFitsThePage_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<int>("perPage");
    for (const QPageSize::PageSizeId id : manuscriptPapers())
        for (const int perPage : {1, 2, 4, 6})
            QTest::addRow("%s, %d a page", qPrintable(paperName(id)), perPage) << QPageSize(id) << perPage;
}

// Every box lies inside the margins, no two overlap, grids are squares under captions of their width,
// and even the smallest paper leaves grids big enough to write in.
void ManuscriptTest::layoutFitsThePage() {
    QFETCH(QPageSize, paper);
    QFETCH(int, perPage);
    ManuscriptLayoutOptions options;
    options.paper = paper;
    options.perPage = perPage;
    constexpr int kPuzzles = 25;
    const std::vector<PageLayout> pages = layoutManuscript(options, kPuzzles, true);
    const ManuscriptPlan plan = planManuscript(kPuzzles, perPage, true);
    QCOMPARE(int(pages.size()), plan.totalPages());
    QCOMPARE(plan.puzzlePages, (kPuzzles + perPage - 1) / perPage);
    QCOMPARE(plan.answerPages, 3);

    std::vector<int> puzzleSeen, answerSeen;
    for (const PageLayout& page : pages) {
        const double mm = 72.0 / 25.4;
        const QRectF content =
            page.sheet.adjusted(15 * mm - 0.01, 15 * mm - 0.01, -15 * mm + 0.01, -15 * mm + 0.01);
        std::vector<QRectF> boxes = {page.title, page.footer};
        for (const GridBox& box : page.grids) {
            QCOMPARE(box.grid.width(), box.grid.height());
            QVERIFY2(box.grid.width() >= (page.kind == PageKind::Puzzles ? 100 : 55),
                     qPrintable(QStringLiteral("grid of %1 pt").arg(box.grid.width())));
            QCOMPARE(box.caption.width(), box.grid.width());
            QVERIFY(box.caption.bottom() <= box.grid.top());
            boxes.push_back(box.caption);
            boxes.push_back(box.grid);
            (page.kind == PageKind::Puzzles ? puzzleSeen : answerSeen).push_back(box.puzzle);
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY2(content.contains(boxes[i]),
                     qPrintable(QStringLiteral("page %1 box %2").arg(page.number).arg(i)));
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                QVERIFY2(
                    !boxes[i].intersects(boxes[j]),
                    qPrintable(QStringLiteral("page %1 boxes %2 and %3").arg(page.number).arg(i).arg(j)));
        }
    }
    std::vector<int> all(kPuzzles);
    for (int i = 0; i < kPuzzles; ++i) all[std::size_t(i)] = i;
    QCOMPARE(puzzleSeen, all);
    QCOMPARE(answerSeen, all);
}

void ManuscriptTest::mixSpreadsOverTheCount_data() {
    QTest::addColumn<std::vector<int>>("mix");
    QTest::addColumn<int>("count");
    QTest::addColumn<std::vector<int>>("levels");
    QTest::newRow("one level") << std::vector<int>{4} << 3 << std::vector<int>{4, 4, 4};
    QTest::newRow("even") << std::vector<int>{1, 2, 3} << 6 << std::vector<int>{1, 1, 2, 2, 3, 3};
    QTest::newRow("weights") << std::vector<int>{2, 2, 3, 3, 4} << 10
                             << std::vector<int>{2, 2, 2, 2, 3, 3, 3, 3, 4, 4};
    QTest::newRow("fewer than the mix") << std::vector<int>{1, 2, 3, 4, 5} << 2 << std::vector<int>{1, 3};
}

void ManuscriptTest::mixSpreadsOverTheCount() {
    QFETCH(std::vector<int>, mix);
    QFETCH(int, count);
    QFETCH(std::vector<int>, levels);
    QCOMPARE(levelsForMix(mix, count), levels);
}

void ManuscriptTest::givensAreSolvedOnlyWhenUnique_data() {
    QTest::addColumn<QString>("givens");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("solution");
    const QString solved =
        QStringLiteral("534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    QString unique = solved;
    for (const int c : {0, 10, 20, 30, 40, 50, 60, 70, 80}) unique[c] = QLatin1Char('0');
    QTest::newRow("unique") << unique << int(SolutionVerdict::Unique) << solved;
    QTest::newRow("several") << QString(81, QLatin1Char('0')) << int(SolutionVerdict::Several) << QString();
    QTest::newRow("conflict") << QStringLiteral("55") + QString(79, QLatin1Char('0'))
                              << int(SolutionVerdict::NoSolution) << QString();
}

void ManuscriptTest::givensAreSolvedOnlyWhenUnique() {
    QFETCH(QString, givens);
    QFETCH(int, verdict);
    QFETCH(QString, solution);
    BoardSnapshot board{};
    for (int c = 0; c < kCellCount; ++c) board[std::size_t(c)] = std::uint8_t(givens[c].digitValue());
    const SolvedGivens solved = solveGivens(board);
    QCOMPARE(int(solved.verdict), verdict);
    if (!solution.isEmpty()) QCOMPARE(solutionDigits(ManuscriptPuzzle{0, board, solved.solution}), solution);
}

// Puzzle i comes from the base seed and i alone: one worker or four give the same puzzles, each with a
// unique solution agreeing with its givens and the level the mix gave it.
void ManuscriptTest::seededBatchIsTheSameOnAnyNumberOfThreads() {
    const std::vector<int> levels = levelsForMix({1, 2, 3, 4, 5}, 10);
    const std::vector<ManuscriptPuzzle> one = generated(levels, 11, 1);
    const std::vector<ManuscriptPuzzle> four = generated(levels, 11, 4);
    QCOMPARE(one.size(), levels.size());
    QVERIFY(one == four);
    QVERIFY(generated(levels, 12, 2) != one);
    for (std::size_t i = 0; i < one.size(); ++i) {
        QCOMPARE(one[i].level, levels[i]);
        const SolvedGivens solved = solveGivens(one[i].givens);
        QCOMPARE(solved.verdict, SolutionVerdict::Unique);
        QVERIFY(solved.solution == one[i].solution);
    }
}

// A puzzle rated outside the bounds is drawn again from seeds made of its own: the sheet is the same on
// any number of threads, and a puzzle whose first draw is in range is the one an unbounded batch makes.
void ManuscriptTest::ratingBoundsDrawFurtherSeedsInAFixedOrder() {
    const std::vector<int> levels(8, 4);
    const RatingBounds bounds{0, 12}; // full houses and naked singles only
    const std::vector<ManuscriptPuzzle> free = generated(levels, 21, 2);
    const std::vector<ManuscriptPuzzle> one = generated(levels, 21, 1, bounds);
    QCOMPARE(one.size(), levels.size());
    QVERIFY(one == generated(levels, 21, 3, bounds));
    int redrawn = 0;
    for (std::size_t i = 0; i < one.size(); ++i) {
        QCOMPARE(free[i].ratingTenths, ratePuzzle(free[i].givens));
        QCOMPARE(one[i].ratingTenths, ratePuzzle(one[i].givens));
        QVERIFY(bounds.holds(one[i].ratingTenths));
        if (bounds.holds(free[i].ratingTenths))
            QVERIFY(one[i] == free[i]);
        else
            ++redrawn;
    }
    QVERIFY(redrawn > 0);
}

void ManuscriptTest::cancelledBatchGivesNothing() {
    QThreadPool pool;
    pool.setMaxThreadCount(2);
    BatchGeneration batch(std::vector<int>(200, 5), 5);
    QFuture<GeneratedPuzzle> future = batch.start(&pool);
    QTRY_VERIFY(batch.finished() >= 1);
    batch.cancel();
    future.waitForFinished();
    QVERIFY(batch.finished() < 200);
    QVERIFY(batch.results().empty());
}

// The PDF read back: pages, each grid's givens (and each answer's 81 digits) inside its box in reading
// order, the captions and page numbers as text, and grid lines on the rendered page.
void ManuscriptTest::pdfHoldsEveryPuzzleAndAnswer() {
    const std::vector<ManuscriptPuzzle> puzzles = generated(levelsForMix({1, 3, 5}, 14), 3, 2);
    QCOMPARE(puzzles.size(), std::size_t(14));
    ManuscriptOptions options;
    options.layout.paper = QPageSize(QPageSize::Letter);
    options.layout.perPage = 4;
    options.answers = true;
    options.title = QStringLiteral("週末練習");
    options.ratings = true;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const ManuscriptWriteResult written = writeManuscriptPdf(pdf, options, puzzles);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(pdftools::pageCount(pdf), 4 + 2);
    QVERIFY(
        pdftools::run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("612 x 792 pts (letter)")));

    ManuscriptLayoutOptions layout = options.layout;
    layout.titled = true;
    for (const PageLayout& page : layoutManuscript(layout, 14, true)) {
        const QString text = pdftools::pageText(pdf, page.number).simplified();
        const QString title = page.kind == PageKind::Puzzles ? options.title : answerPageTitle(options.title);
        QVERIFY2(text.contains(title.simplified()), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("第 %1 頁 / 共 6 頁").arg(page.number)));
        for (const GridBox& box : page.grids) {
            const ManuscriptPuzzle& puzzle = puzzles[std::size_t(box.puzzle)];
            const QString caption = pdftools::pageText(pdf, page.number, box.caption.adjusted(0, -1, 0, 1));
            QVERIFY2(caption.contains(QStringLiteral("第 %1 題").arg(box.puzzle + 1)), qPrintable(caption));
            QVERIFY2(caption.contains(levelName(puzzle.level)), qPrintable(caption));
            const QString rating =
                QStringLiteral("評分 %1.%2").arg(puzzle.ratingTenths / 10).arg(puzzle.ratingTenths % 10);
            QVERIFY2(caption.contains(rating) == (page.kind == PageKind::Puzzles), qPrintable(caption));
            const QString digits =
                pdftools::digitsOf(pdftools::pageText(pdf, page.number, box.grid.adjusted(-1, -1, 1, 1)));
            QCOMPARE(digits, page.kind == PageKind::Puzzles ? givenDigits(puzzle) : solutionDigits(puzzle));
        }
    }

    const int dpi = 36;
    const QImage image = pdftools::pageImage(pdf, 1, dpi);
    QVERIFY(!image.isNull());
    const QRectF grid = layoutManuscript(layout, 14, true).front().grids.front().grid;
    const auto at = [&](double x, double y) {
        return qGray(image.pixel(int(x * dpi / 72), int(y * dpi / 72)));
    };
    int dark = 0;
    for (int i = 0; i < 90; ++i)
        dark += at(grid.left() + grid.width() * (i + 5) / 100, grid.top()) < 128 ? 1 : 0;
    QVERIFY2(dark >= 85,
             qPrintable(QStringLiteral("%1 of 90 points on the top frame line are dark").arg(dark)));
    QVERIFY(at(grid.left() - 20, grid.center().y()) > 240);
}

// A PDF that cannot be written leaves nothing at its path, and an older file there stays as it was.
void ManuscriptTest::failedWriteLeavesNoFile() {
    QTemporaryDir dir;
    const std::vector<ManuscriptPuzzle> puzzles = generated({1}, 1, 1);
    ManuscriptOptions options;
    const QString missingDir = dir.filePath(QStringLiteral("no/such/dir/sheet.pdf"));
    ManuscriptWriteResult written = writeManuscriptPdf(missingDir, options, puzzles);
    QVERIFY(!written.ok);
    QVERIFY(written.error.contains(missingDir));
    QVERIFY(!QFile::exists(missingDir));

    const QString existing = dir.filePath(QStringLiteral("old.pdf"));
    QFile old(existing);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("older contents");
    old.close();
    written = writeManuscriptPdf(existing, options, {});
    QVERIFY(!written.ok);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("older contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.pdf")});
}

QTEST_MAIN(ManuscriptTest)
#include "manuscript_test.moc"
