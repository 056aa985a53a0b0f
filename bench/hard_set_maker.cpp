// Makes a set of hard puzzles to measure the logical solver with: starting from the hard set, each
// round takes a kept puzzle, moves a few of its givens to other cells (digits of its solution), keeps
// the result when it still has one solution, removes every given it can spare (so the puzzle is minimal), and
// keeps it when the solver rates it 7.0 or more or needs a contradiction. Seeded, so the same input
// gives the same set.
// Usage: dodoru_hard_set_maker COUNT SEED < puzzles > set     (one puzzle of 81 characters a line)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "logicsolver.h"

namespace {

using namespace dodoru;

std::string text(const logic::DigitGrid& grid) {
    std::string out(81, '.');
    for (std::size_t c = 0; c < 81; ++c)
        if (grid[c] != 0) out[c] = static_cast<char>('0' + grid[c]);
    return out;
}

bool unique(const logic::DigitGrid& grid) {
    return logic::checkPuzzle(grid).verdict == logic::PuzzleVerdict::Unique;
}

// Drops every given whose removal keeps one solution, in a random order.
void makeMinimal(logic::DigitGrid& grid, std::mt19937_64& random) {
    std::vector<std::size_t> order;
    for (std::size_t c = 0; c < 81; ++c)
        if (grid[c] != 0) order.push_back(c);
    std::shuffle(order.begin(), order.end(), random);
    for (const std::size_t c : order) {
        const std::uint8_t kept = grid[c];
        grid[c] = 0;
        if (!unique(grid)) grid[c] = kept;
    }
}

// Takes `swaps` givens away and puts `swaps` + 1 digits of the solution into other empty cells, so the
// puzzle keeps its solution and is likely to keep only that one.
void mutate(logic::DigitGrid& grid, const logic::DigitGrid& solution, int swaps, std::mt19937_64& random) {
    std::vector<std::size_t> filled, empty;
    for (std::size_t c = 0; c < 81; ++c) (grid[c] != 0 ? filled : empty).push_back(c);
    std::shuffle(filled.begin(), filled.end(), random);
    std::shuffle(empty.begin(), empty.end(), random);
    for (std::size_t s = 0; s < static_cast<std::size_t>(swaps) && s < filled.size(); ++s) grid[filled[s]] = 0;
    for (std::size_t s = 0; s <= static_cast<std::size_t>(swaps) && s < empty.size(); ++s)
        grid[empty[s]] = solution[empty[s]];
}

bool hard(const logic::DigitGrid& grid) {
    const logic::Explanation path = logic::explain(grid);
    if (!path.solved) return false;
    if (path.ratingTenths >= 70) return true;
    return std::any_of(path.steps.begin(), path.steps.end(),
                       [](const logic::Step& step) { return step.technique == logic::Technique::Contradiction; });
}

} // namespace

int main(int argc, char* argv[]) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    if (count < 1) {
        std::fprintf(stderr, "usage: dodoru_hard_set_maker COUNT SEED < puzzles > set\n");
        return 2;
    }
    std::vector<logic::DigitGrid> pool;
    std::vector<std::size_t> family; // the input puzzle each one descends from
    std::set<std::string> seen;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.size() < 81 || line[0] == '#') continue;
        logic::DigitGrid grid{};
        for (std::size_t c = 0; c < 81; ++c)
            grid[c] = static_cast<std::uint8_t>(line[c] >= '1' && line[c] <= '9' ? line[c] - '0' : 0);
        family.push_back(pool.size());
        pool.push_back(grid);
        seen.insert(text(grid));
    }
    const std::size_t families = pool.size();
    if (pool.empty()) {
        std::fprintf(stderr, "no puzzles read\n");
        return 1;
    }
    std::mt19937_64 random(seed);
    long made = 0;
    for (long tries = 0; made < count && tries < 200 * count; ++tries) {
        // The input puzzles take turns; each turn picks one of that puzzle's descendants (or itself), so
        // that the set drifts away from its start and no one family fills it.
        const std::size_t turn = static_cast<std::size_t>(tries) % families;
        std::vector<std::size_t> members;
        for (std::size_t i = 0; i < pool.size(); ++i)
            if (family[i] == turn) members.push_back(i);
        const std::size_t picked = members[random() % members.size()];
        logic::DigitGrid grid = pool[picked];
        const logic::PuzzleCheck parent = logic::checkPuzzle(grid);
        if (parent.verdict != logic::PuzzleVerdict::Unique) continue;
        mutate(grid, parent.solution, 1 + static_cast<int>(random() % 2), random);
        if (!unique(grid)) continue;
        makeMinimal(grid, random);
        if (!seen.insert(text(grid)).second || !hard(grid)) continue;
        pool.push_back(grid);
        family.push_back(turn);
        std::printf("%s\n", text(grid).c_str());
        std::fflush(stdout);
        ++made;
    }
    return made == count ? 0 : 1;
}
