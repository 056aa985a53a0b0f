#pragma once

#include <array>
#include <string>

namespace dodoru::testing {

// A solver written independently of the engine: plain backtracking over bit sets, cells row by row.
// Counts the solutions of an 81-character puzzle ('0' empty) up to `limit`; the first one found goes
// into `first` (81 digits) when given.
int countSolutions(const std::string& puzzle, int limit = 2, std::string* first = nullptr);

// Candidate counts against the givens alone: 1 for a given, else the digits its row, column and box lack.
std::array<int, 81> candidateCounts(const std::string& puzzle);

}  // namespace dodoru::testing
