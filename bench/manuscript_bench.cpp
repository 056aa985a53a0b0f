// A manuscript end to end: N seeded puzzles generated on a pool of 1 or 2 threads, then typeset six a
// page with answers into a PDF. Each run checks that every puzzle came back before its time counts.
// Usage: dodoru_manuscript_bench [benchmark flags]   (runs offscreen)
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include "batchgeneration.h"
#include "manuscriptpainter.h"

namespace {

using namespace dodoru;

std::vector<ManuscriptPuzzle> generate(int level, int count, int threads, std::uint64_t seed) {
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    BatchGeneration batch(std::vector<int>(static_cast<std::size_t>(count), level), seed);
    batch.start(&pool).waitForFinished();
    std::vector<ManuscriptPuzzle> puzzles;
    for (const GeneratedPuzzle& p : batch.results()) puzzles.push_back(p.puzzle);
    return puzzles;
}

// Arguments: level, puzzles, threads.
void BM_ManuscriptToPdf(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    const int count = static_cast<int>(state.range(1));
    const int threads = static_cast<int>(state.range(2));
    QTemporaryDir dir;
    ManuscriptOptions options;
    options.layout.perPage = 6;
    options.answers = true;
    options.title = QStringLiteral("練習");
    std::uint64_t seed = 100;
    for (auto _ : state) {
        const std::vector<ManuscriptPuzzle> puzzles = generate(level, count, threads, seed++);
        if (static_cast<int>(puzzles.size()) != count) {
            state.SkipWithError("the batch did not finish");
            return;
        }
        const ManuscriptWriteResult written =
            writeManuscriptPdf(dir.filePath(QStringLiteral("m.pdf")), options, puzzles);
        if (!written.ok) {
            state.SkipWithError("the PDF was not written");
            return;
        }
    }
    state.counters["puzzles/s"] =
        benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
}

// Typesetting alone, for 100 fixed puzzles.
void BM_TypesetOnly(benchmark::State& state) {
    const std::vector<ManuscriptPuzzle> puzzles = generate(3, 100, QThread::idealThreadCount(), 1);
    QTemporaryDir dir;
    ManuscriptOptions options;
    options.layout.perPage = 6;
    options.answers = true;
    for (auto _ : state) {
        if (!writeManuscriptPdf(dir.filePath(QStringLiteral("m.pdf")), options, puzzles).ok) {
            state.SkipWithError("the PDF was not written");
            return;
        }
    }
}

} // namespace

BENCHMARK(BM_ManuscriptToPdf)
    ->ArgNames({"level", "puzzles", "threads"})
    ->Args({3, 100, 1})
    ->Args({3, 100, 2})
    ->Args({5, 100, 1})
    ->Args({5, 100, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);
BENCHMARK(BM_TypesetOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
