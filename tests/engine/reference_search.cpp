#include "reference_search.h"

namespace dodoru::testing {

bool ReferenceSearch::consistent() const {
    Board unused;
    NoEventPump pump;
    const Engine engine(unused, state, pump);
    std::int16_t result = 0;
    engine.檢查合理性(result);
    return result == -1;
}

void ReferenceSearch::run(std::int16_t step, std::int16_t& abort) {
    ++calls;
    abort = 0;
    const auto& row = state.Candidates[static_cast<std::size_t>(step)];
    const auto cell = static_cast<std::size_t>(row[10]);
    for (int k = 1; k <= row[0]; ++k) {
        state.Grid[cell] = row[static_cast<std::size_t>(k)];
        if (!consistent()) continue;
        if (step >= 80) {
            ++state.SolutionCount;
            if (state.SolutionCount == 1) {
                state.FirstSolution = state.Grid;
                continue;
            }
            for (int i = 0; i < 9; ++i)
                for (int j = 0; j < 9; ++j) {
                    const auto c = static_cast<std::size_t>(9 * j + i);
                    if (state.FirstSolution[c] != state.Grid[c]) {
                        state.DiffCell = {static_cast<std::int16_t>(c), static_cast<std::int16_t>(i),
                                          static_cast<std::int16_t>(j)};
                        state.CellMark[c] = -1;
                        abort = -1;
                        return;
                    }
                }
            abort = -1;
            return;
        }
        std::int16_t child = 0;
        run(static_cast<std::int16_t>(step + 1), child);
        if (child == -1) {
            abort = -1;
            return;
        }
    }
    state.Grid[cell] = 0;
}

}  // namespace dodoru::testing
