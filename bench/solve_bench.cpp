#include <benchmark/benchmark.h>

#include "engine.h"

namespace {

using namespace dodoru;

// The solve command on an empty board: four searches, 1,965,583 calls of the search in all.
void BM_EmptyBoardSolve(benchmark::State& st) {
    std::uint64_t calls = 0;
    for (auto _ : st) {
        Board board;
        WindowState state;
        NoEventPump pump;
        Engine engine(board, state, pump);
        BoardSnapshot snapshot{};
        const SolveReport report = engine.SolveBoard(snapshot);
        if (report.verdict != SolveVerdict::Several || report.calls[3] != 1881965) st.SkipWithError("wrong result");
        calls = report.calls[0] + report.calls[1] + report.calls[2] + report.calls[3];
        benchmark::DoNotOptimize(snapshot);
    }
    st.counters["calls"] = static_cast<double>(calls);
    st.counters["ns_per_call"] = benchmark::Counter(static_cast<double>(calls) * static_cast<double>(st.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EmptyBoardSolve)->Unit(benchmark::kMillisecond);

// One check of a typical puzzle: the table fill, the exchange sort and a full search proving it unique.
void BM_UniquePuzzleCheck(benchmark::State& st) {
    const char* puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
    for (auto _ : st) {
        Board board;
        for (int c = 0; c < 81; ++c)
            if (puzzle[c] != '0') board.cell(c).makeGiven(puzzle[c] - '0');
        WindowState state;
        state.GenerateFlag = -1;
        NoEventPump pump;
        Engine engine(board, state, pump);
        BoardSnapshot snapshot{};
        benchmark::DoNotOptimize(engine.SolveBoard(snapshot));
    }
}
BENCHMARK(BM_UniquePuzzleCheck)->Unit(benchmark::kMicrosecond);

}  // namespace
