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

// Why a record was not written, for each front end to word in its own language.
enum class LogFailure { None, Encoding, NotAFile, DanglingLink, System };

struct LogWriteResult {
    bool ok = true;
    std::string error;  // the reason, when not ok (UTF-8)
    LogFailure failure = LogFailure::None;
    int errorNumber = 0;  // errno, for LogFailure::System
};

// Where accepted puzzles are recorded.
class PuzzleLog {
public:
    virtual ~PuzzleLog() = default;
    virtual LogWriteResult append(const LogRecord& record) = 0;
};

// UTF-8 text to code page 950 (Big5); nullopt when a character has no Big5 form. This is the one
// place that knows the platform's converter (glibc's iconv here, codepage950.cpp).
std::optional<std::string> toCodePage950(std::string_view utf8);

// One log record as the bytes appended to the log: the header (等級L共N號答案S組), blanks up to
// the next print zone (the next 1-based column of the form 14·k + 1, counting the header's encoded
// bytes), the tally "0=NN " .. "9=NN ", item 5 (one blank) and CR LF. Nullopt if encoding fails.
std::optional<std::string> encodeLogRecord(const LogRecord& record);

}  // namespace dodoru
