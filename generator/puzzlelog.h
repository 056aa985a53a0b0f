#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dodoru {

struct LogRecord {
    int level = 0;
    int clueCount = 0;
    int solutionCount = 0;
    std::array<std::int16_t, 10> tally{};
};

// Why a record was not written, for each front end to word in its own language.
enum class LogFailure { None, Encoding, NotAFile, DanglingLink, System };

struct LogWriteResult {
    bool ok = true;
    std::string error;  // the reason, when not ok (UTF-8)
    LogFailure failure = LogFailure::None;
    int errorNumber = 0;  // errno, for LogFailure::System
};

// Where accepted puzzles are recorded (the file log lives in filelog/, outside the portable core).
class PuzzleLog {
public:
    virtual ~PuzzleLog() = default;
    virtual LogWriteResult append(const LogRecord& record) = 0;
};

}  // namespace dodoru
