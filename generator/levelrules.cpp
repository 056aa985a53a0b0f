#include "levelrules.h"

#include <charconv>

#include <stdexcept>
#include <string>

namespace dodoru {

namespace {

constexpr std::array<LevelRules, 5> kLevels{{
    //  level hard  >=?    min  max  singles removal tries passes
    {1, 2, false, 3, 81, 81, 0, 0, false},
    {2, 3, false, 10, 13, 81, 39, 30, false},
    {3, 3, false, 15, 18, 6, 43, 30, false},
    {4, 4, true, 16, 81, 3, 49, 35, false},
    {5, 4, true, 16, 81, 3, 49, 35, true},
}};

}  // namespace

bool isValidLevel(int level) {
    return level >= kLowestLevel && level <= kHighestLevel;
}

const LevelRules& rulesForLevel(int level) {
    if (!isValidLevel(level))
        throw std::out_of_range("puzzle level " + std::to_string(level) + " is not 1..5");
    return kLevels[static_cast<std::size_t>(level - 1)];
}

CandidateTally tallyCandidates(const LevelRules& rules, const std::array<CandidateRow, 82>& candidates) {
    CandidateTally tally{};
    for (std::size_t s = 0; s < kCellCount; ++s) {
        const int n = candidates[s][0];
        if (n < 0 || n > 9) continue;  // a table row never holds more than nine candidates
        ++tally[static_cast<std::size_t>(n)];
        if (rules.isHard(n)) ++tally[0];
    }
    return tally;
}

bool acceptsTry(const LevelRules& rules, int solutionCount, const CandidateTally& tally, int clueCount) {
    const int hard = tally[0];
    const int singles = tally[1] - clueCount;
    return solutionCount == 1 && hard >= rules.hardMinimum && hard <= rules.hardMaximum &&
           singles <= rules.singlesMaximum;
}

std::optional<std::vector<int>> parseLevelMix(std::string_view text) {
    std::vector<int> mix;
    for (;;) {
        const std::size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        while (!item.empty() && (item.front() == ' ' || item.front() == '\t')) item.remove_prefix(1);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.remove_suffix(1);
        int level = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), level);
        if (item.empty() || error != std::errc() || end != item.data() + item.size() || !isValidLevel(level))
            return std::nullopt;
        mix.push_back(level);
        if (comma == std::string_view::npos) return mix;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace dodoru
