// The solve routine on hard boards, the fast path against 逐一填入 node by node.
//   BM_HardSet/Fast           every board of the set once per iteration; counters: the median and the
//                             worst time of one board's solve over all iterations (ms)
//   BM_Board/<name>/Fast      one board, one solve per repetition (median and max over 15)
//   BM_Board/<name>/Exact     a few boards node by node, once (seconds each)
//   BM_EmptyBoard/Fast|Exact  the solve command on an empty board
// Every solve is checked against the expected verdict before its time counts.
#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine.h"

namespace {

using namespace dodoru;

struct HardBoard {
    std::string name;
    std::string givens;    // 81 cells, '0' or '.' empty
    bool exactToo = false; // also measured node by node (once)
};

// Well-known hard puzzles with one solution, the five-given board whose first search walks 2.6
// billion nodes, and sparse boards of 5-17 givens kept from seeded random full grids (most have
// several solutions, so the solve routine adds givens and searches four times).
std::vector<HardBoard> hardBoards() {
    std::vector<HardBoard> boards = {
        {"FiveGivens", "120000000000300000000000000000000000000040000000000000000000000000000000000000005",
         true},
        {"EasterMonster", "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
         true},
        {"Escargot", "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
         true},
        {"Inkala2010", "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
         true},
        {"Sixteen", "100000004200000100000001000000007030000000000003000000008000000000000080000000910",
         false},
    };
    const std::string base =
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    std::mt19937 rng(2026);
    for (int n = 0; n < 40; ++n) {
        std::array<int, 9> digits{0, 1, 2, 3, 4, 5, 6, 7, 8};
        std::shuffle(digits.begin(), digits.end(), rng);
        std::array<int, 81> cells{};
        for (int c = 0; c < 81; ++c) cells[static_cast<std::size_t>(c)] = c;
        std::shuffle(cells.begin(), cells.end(), rng);
        const int kept = 5 + n % 13;
        std::string givens(81, '0');
        for (int i = 0; i < kept; ++i) {
            // Bands and stacks turned by the round, so that the full grids differ in shape too.
            const int c = cells[static_cast<std::size_t>(i)];
            const int from = 9 * ((c / 9 + 3 * n) % 9) + (c % 9 + 3 * (n / 3)) % 9;
            const int digit = base[static_cast<std::size_t>(from)] - '1';
            givens[static_cast<std::size_t>(c)] =
                static_cast<char>('1' + digits[static_cast<std::size_t>(digit)]);
        }
        boards.push_back({"Sparse" + std::to_string(kept) + "_" + std::to_string(n), givens, false});
    }
    return boards;
}

SolveReport solveOnce(const std::string& givens, SearchMethod method) {
    Board board;
    for (int c = 0; c < kCellCount; ++c) {
        const char ch = givens[static_cast<std::size_t>(c)];
        if (ch >= '1' && ch <= '9') board.cell(c).makeGiven(ch - '0');
    }
    WindowState state;
    NoEventPump pump;
    Engine engine(board, state, pump);
    engine.setSearchMethod(method);
    BoardSnapshot snapshot{};
    const SolveReport report = engine.SolveBoard(snapshot);
    benchmark::DoNotOptimize(snapshot);
    return report;
}

double milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void BM_HardSet(benchmark::State& st, std::vector<HardBoard> boards) {
    std::vector<double> times;
    for (auto _ : st) {
        for (const HardBoard& board : boards) {
            const auto start = std::chrono::steady_clock::now();
            const SolveReport report = solveOnce(board.givens, SearchMethod::Fast);
            times.push_back(milliseconds(std::chrono::steady_clock::now() - start));
            if (report.verdict == SolveVerdict::Interrupted || report.verdict == SolveVerdict::NoSolution)
                st.SkipWithError(("no answer for " + board.name).c_str());
        }
    }
    std::sort(times.begin(), times.end());
    st.counters["boards"] = static_cast<double>(boards.size());
    st.counters["median_ms"] = times.empty() ? 0.0 : times[times.size() / 2];
    st.counters["worst_ms"] = times.empty() ? 0.0 : times.back();
}

void BM_Board(benchmark::State& st, std::string givens, SearchMethod method) {
    std::uint64_t work = 0;
    for (auto _ : st) {
        const SolveReport report = solveOnce(givens, method);
        if (report.verdict == SolveVerdict::Interrupted || report.verdict == SolveVerdict::NoSolution)
            st.SkipWithError("no answer");
        work = 0;
        for (int i = 0; i < report.searches; ++i) work += report.calls[static_cast<std::size_t>(i)];
    }
    st.counters["work"] = static_cast<double>(work);
}

// The solve command on an empty board: four searches; node by node 1,965,583 calls in all.
void BM_EmptyBoard(benchmark::State& st, SearchMethod method) {
    const std::string empty(81, '0');
    for (auto _ : st) {
        const SolveReport report = solveOnce(empty, method);
        if (report.verdict != SolveVerdict::Several || report.added != std::array<int, 4>{65, 58, 24, 3})
            st.SkipWithError("wrong result");
    }
}

double maximum(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<HardBoard> boards = hardBoards();
    benchmark::RegisterBenchmark("BM_HardSet/Fast", BM_HardSet, boards)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    for (const HardBoard& board : boards) {
        benchmark::RegisterBenchmark(("BM_Board/" + board.name + "/Fast").c_str(), BM_Board, board.givens,
                                     SearchMethod::Fast)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(15)
            ->ComputeStatistics("max", maximum)
            ->ReportAggregatesOnly(true);
    }
    for (const HardBoard& board : boards)
        if (board.exactToo)
            benchmark::RegisterBenchmark(("BM_Board/" + board.name + "/Exact").c_str(), BM_Board,
                                         board.givens, SearchMethod::Exact)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
    for (SearchMethod method : {SearchMethod::Fast, SearchMethod::Exact})
        benchmark::RegisterBenchmark(method == SearchMethod::Fast ? "BM_EmptyBoard/Fast"
                                                                  : "BM_EmptyBoard/Exact",
                                     BM_EmptyBoard, method)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ComputeStatistics("max", maximum)
            ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
