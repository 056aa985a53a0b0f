#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dodoru {

struct LogRecord {
    int level = 0;
    int clueCount = 0;
    int solutionCount = 0;
    std::array<std::int16_t, 10> tally{};
};

struct LogWriteResult {
    bool ok = true;
    std::string error;  // the reason, when not ok (UTF-8)
};

// Where accepted puzzles are recorded.
class PuzzleLog {
public:
    virtual ~PuzzleLog() = default;
    virtual LogWriteResult append(const LogRecord& record) = 0;
};

// UTF-8 text to code page 950 (Big5); nullopt when a character has no Big5 form.
std::optional<std::string> toCodePage950(std::string_view utf8);

}  // namespace dodoru
