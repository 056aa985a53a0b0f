// The logical solver's speed: rating seeded puzzles of every level and the hard set, and hints.
// Puzzles come from seed 1000·L + i; each rating is checked (a path that ends solved) before its time
// counts. Times are the thread's CPU time, so that other load on the machine does not count.
// Usage: dodoru_logic_bench [PUZZLES_PER_LEVEL] [HARD_PUZZLES_FILE] [MADE_SET_FILE]
// (default 1000, the test's hard set and the hundred hard puzzles made from it in bench/data)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "generator.h"
#include "logicsolver.h"
#include "seededrandom.h"

namespace {

using namespace dodoru;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[(values.size() - 1) / 2];
}

struct Figures {
    std::vector<double> rateMs;
    std::vector<double> hintMs; // the first hint and hints along the path
    std::array<int, logic::kTechniqueCount> hardest{};
    int failures = 0;
    int withContradiction = 0; // puzzles whose path needs a contradiction
    int withGuess = 0;         // puzzles whose path needs a guess
    int guesses = 0;           // guess steps in all
    std::set<int> ratings;     // the distinct ratings
};

void measure(const logic::DigitGrid& givens, Figures& figures, bool hintsAlongThePath) {
    double start = nowMs();
    const logic::Rating rating = logic::rate(givens);
    const double ms = nowMs() - start;
    if (rating.verdict != logic::PuzzleVerdict::Unique || !rating.solved || !rating.hardest) {
        ++figures.failures;
        return;
    }
    figures.rateMs.push_back(ms);
    ++figures.hardest[static_cast<std::size_t>(*rating.hardest)];
    figures.ratings.insert(rating.ratingTenths);
    // Hints from the givens and, for the hard set, from every tenth position of the path.
    const logic::Explanation path = logic::explain(givens);
    int contradictions = 0, guesses = 0;
    for (const logic::Step& step : path.steps) {
        contradictions += step.technique == logic::Technique::Contradiction ? 1 : 0;
        guesses += step.technique == logic::Technique::Guess ? 1 : 0;
    }
    figures.withContradiction += contradictions > 0 ? 1 : 0;
    figures.withGuess += guesses > 0 ? 1 : 0;
    figures.guesses += guesses;
    logic::Position position = logic::Position::fromDigits(givens);
    for (std::size_t n = 0; n < path.steps.size(); ++n) {
        if (n == 0 || (hintsAlongThePath && n % 10 == 0)) {
            start = nowMs();
            const logic::Hint hint = logic::hint(position.digits(), &position.candidateGrid());
            figures.hintMs.push_back(nowMs() - start);
            if (!hint.step) ++figures.failures;
        }
        logic::applyStep(position, path.steps[n]);
    }
}

void print(const char* name, const Figures& f) {
    std::string hardest;
    for (const logic::Technique t : logic::allTechniques())
        if (f.hardest[static_cast<std::size_t>(t)] > 0)
            hardest += " " + std::string(logic::techniqueId(t)) + "=" +
                       std::to_string(f.hardest[static_cast<std::size_t>(t)]);
    std::printf("%-9s | %5zu | %8.3f | %8.3f | %8.3f | %8.3f | %6d | %5d | %6d | %7zu |%s\n", name,
                f.rateMs.size(), median(f.rateMs), *std::max_element(f.rateMs.begin(), f.rateMs.end()),
                median(f.hintMs), *std::max_element(f.hintMs.begin(), f.hintMs.end()), f.withContradiction,
                f.withGuess, f.guesses, f.ratings.size(), hardest.c_str());
}

} // namespace

int main(int argc, char* argv[]) {
    const long perLevel = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
    const std::string hardFile = argc > 2 ? argv[2] : DODORU_HARD_PUZZLES;
    const std::string madeFile = argc > 3 ? argv[3] : DODORU_MADE_HARD_SET;
    if (perLevel < 1) {
        std::fprintf(stderr, "usage: dodoru_logic_bench [PUZZLES_PER_LEVEL] [HARD_PUZZLES_FILE] [MADE_SET_FILE]\n");
        return 2;
    }
    std::printf(
        "rate: the whole path with the engine's uniqueness check; hint: the next step from a position\n"
        "(with its candidates as pencil marks). CPU times in ms.\n");
    std::printf("contra: puzzles needing a contradiction; guess: puzzles needing a guess; guesses: guess steps;\n"
                "ratings: distinct ratings.\n");
    std::printf("set       | count | rate med | rate max | hint med | hint max | contra | guess | "
                "guesses | ratings | hardest technique: puzzles\n");
    std::printf("----------|-------|----------|----------|----------|----------|--------|-------|"
                "---------|---------|---------------------------\n");
    int failures = 0;
    for (int level = 1; level <= 5; ++level) {
        Figures figures;
        for (long i = 0; i < perLevel; ++i) {
            Board board;
            WindowState state;
            NoEventPump pump;
            Engine engine(board, state, pump);
            SeededRandom random(static_cast<std::uint64_t>(1000 * level + i));
            Generator generator(engine, random);
            generator.generate(level);
            logic::DigitGrid givens{};
            for (int c = 0; c < kCellCount; ++c)
                givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(board.cell(c).value());
            measure(givens, figures, false);
        }
        const std::string name = "level " + std::to_string(level);
        print(name.c_str(), figures);
        failures += figures.failures;
    }
    // The named hardest puzzles (those under a comment that names one) are counted apart from the rest.
    Figures hard, named;
    std::ifstream in(hardFile);
    std::string line, comment;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#') comment = line;
        if (line.size() < 81 || line[0] == '#') continue;
        logic::DigitGrid givens{};
        for (std::size_t c = 0; c < 81; ++c)
            givens[c] = static_cast<std::uint8_t>(line[c] >= '1' && line[c] <= '9' ? line[c] - '0' : 0);
        const bool isNamed = comment.find("Easter Monster") != std::string::npos ||
                             comment.find("AI Escargot") != std::string::npos ||
                             comment.find("2010") != std::string::npos;
        measure(givens, isNamed ? named : hard, true);
        comment.clear();
    }
    if (!named.rateMs.empty()) print("named", named);
    failures += named.failures;
    if (hard.rateMs.empty()) {
        std::fprintf(stderr, "no hard puzzles read from %s\n", hardFile.c_str());
        return 1;
    }
    print("hard set", hard);
    failures += hard.failures;
    // The made set: plain lines of 81 characters, comments skipped.
    Figures made;
    std::ifstream madeIn(madeFile);
    while (std::getline(madeIn, line)) {
        if (line.size() < 81 || line[0] == '#') continue;
        logic::DigitGrid givens{};
        for (std::size_t c = 0; c < 81; ++c)
            givens[c] = static_cast<std::uint8_t>(line[c] >= '1' && line[c] <= '9' ? line[c] - '0' : 0);
        measure(givens, made, true);
    }
    if (!made.rateMs.empty()) print("made set", made);
    failures += made.failures;
    if (failures > 0) std::fprintf(stderr, "%d puzzles or hints failed\n", failures);
    return failures == 0 ? 0 : 1;
}
