#include "plain_solver.h"

namespace dodoru::testing {

namespace {

struct Search {
    std::array<int, 81> cells{};
    std::array<unsigned, 9> rows{}, columns{}, boxes{};
    int limit = 2;
    int found = 0;
    std::string* first = nullptr;

    static int box(int c) { return (c / 27) * 3 + (c % 9) / 3; }
    unsigned used(int c) const { return rows[c / 9] | columns[c % 9] | boxes[box(c)]; }
    void set(int c, int d, bool on) {
        const unsigned bit = 1u << d;
        if (on) {
            rows[c / 9] |= bit;
            columns[c % 9] |= bit;
            boxes[box(c)] |= bit;
        } else {
            rows[c / 9] &= ~bit;
            columns[c % 9] &= ~bit;
            boxes[box(c)] &= ~bit;
        }
        cells[c] = on ? d : 0;
    }
    void run(int c) {
        while (c < 81 && cells[c] != 0) ++c;
        if (c == 81) {
            if (found++ == 0 && first != nullptr) {
                first->clear();
                for (int v : cells) *first += static_cast<char>('0' + v);
            }
            return;
        }
        const unsigned blocked = used(c);
        for (int d = 1; d <= 9 && found < limit; ++d) {
            if (blocked & (1u << d)) continue;
            set(c, d, true);
            run(c + 1);
            set(c, d, false);
        }
    }
};

}  // namespace

int countSolutions(const std::string& puzzle, int limit, std::string* first) {
    Search search;
    search.limit = limit;
    search.first = first;
    for (int c = 0; c < 81; ++c) {
        const int d = puzzle.at(static_cast<std::size_t>(c)) - '0';
        if (d < 1 || d > 9) continue;
        if (search.used(c) & (1u << d)) return 0;  // givens that repeat each other
        search.set(c, d, true);
    }
    search.run(0);
    return search.found;
}

std::array<int, 81> candidateCounts(const std::string& puzzle) {
    Search givens;
    for (int c = 0; c < 81; ++c) {
        const int d = puzzle.at(static_cast<std::size_t>(c)) - '0';
        if (d >= 1 && d <= 9) givens.set(c, d, true);
    }
    std::array<int, 81> counts{};
    for (int c = 0; c < 81; ++c) {
        if (givens.cells[static_cast<std::size_t>(c)] != 0) {
            counts[static_cast<std::size_t>(c)] = 1;
            continue;
        }
        for (int d = 1; d <= 9; ++d)
            if ((givens.used(c) & (1u << d)) == 0) ++counts[static_cast<std::size_t>(c)];
    }
    return counts;
}

}  // namespace dodoru::testing
