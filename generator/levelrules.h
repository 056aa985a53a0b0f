#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine.h"

namespace dodoru {

using CandidateTally = std::array<std::int16_t, 10>;

inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 5;

// One level's parameters.
struct LevelRules {
    int level = 0;
    int hardValue = 0;         // candidate count that makes an empty cell hard
    bool hardAtLeast = false;  // levels 4-5: a count of hardValue or more is hard; else exactly hardValue
    int hardMinimum = 0;
    int hardMaximum = 81;     // 81: no upper bound
    int singlesMaximum = 81;  // 81: no bound
    int removalBase = 0;      // levels 2-5: a try empties Int(6·u) + removalBase cells
    int tryLimit = 0;         // tries per full grid; 0: unlimited (level 1)
    bool passes = false;      // level 5: the single pass and the pair pass after the removal

    bool isHard(int candidateCount) const {
        return hardAtLeast ? candidateCount >= hardValue : candidateCount == hardValue;
    }
};

// The rules of level 1..5; throws std::out_of_range for any other level.
const LevelRules& rulesForLevel(int level);
bool isValidLevel(int level);

// A mix of levels as written on the command line and in the manuscript dialog, "2,2,3,3,4": levels 1..5
// separated by commas, blanks allowed around each. Nothing when the text is anything else.
std::optional<std::vector<int>> parseLevelMix(std::string_view text);

// The tally of the table the last check left: entry n (1..9) counts the rows of count n; entry 0 the
// rows of count 0 plus the hard cells.
CandidateTally tallyCandidates(const LevelRules& rules, const std::array<CandidateRow, 82>& candidates);

// Whether a try is accepted: SolutionCount = 1 and the level's bounds on hard cells (tally entry 0)
// and singles (tally entry 1 - clueCount).
bool acceptsTry(const LevelRules& rules, int solutionCount, const CandidateTally& tally, int clueCount);

}  // namespace dodoru
