#pragma once

#include <string>

#include <gtest/gtest.h>

#include "engine.h"

namespace dodoru::testing {

// A board, its window state and an engine with the do-nothing pump.
struct EngineFixture {
    Board board;
    WindowState state;
    NoEventPump pump;
    Engine engine{board, state, pump};
    BoardSnapshot snapshot{};

    // Makes givens from 81 characters ('0' or '.' empty).
    void setGivens(const std::string& cells) {
        for (int c = 0; c < 81; ++c) {
            const char ch = cells.at(static_cast<std::size_t>(c));
            if (ch >= '1' && ch <= '9') board.cell(c).makeGiven(ch - '0');
        }
    }
    std::string gridDigits() const {
        std::string out;
        for (auto v : state.Grid) out += static_cast<char>('0' + v);
        return out;
    }
};

inline const char* methodName(SearchMethod method) {
    return method == SearchMethod::Fast ? "Fast" : method == SearchMethod::Exact ? "Exact" : "Completions";
}

// The first solution of the empty board, row by row.
inline const std::string kEmptyBoardFirst =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
// The board the solve command leaves on an empty board after its four searches.
inline const std::string kEmptyBoardShown =
    "347658129516297834892314567781935246934862751265471983123549678678123495459786312";

}  // namespace dodoru::testing
