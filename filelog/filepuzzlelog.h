#pragma once

#include <optional>
#include <string>

#include "puzzlelog.h"

namespace dodoru {

// One log record as the bytes appended to the log: the header (等級L共N號答案S組), blanks up to
// the next print zone (the next 1-based column of the form 14·k + 1, counting the header's encoded
// bytes), the tally "0=NN " .. "9=NN ", item 5 (one blank) and CR LF. Nullopt if encoding fails.
std::optional<std::string> encodeLogRecord(const LogRecord& record);

// The puzzle log as a file (out.txt), at a path its owner chooses. Each append opens the file for
// appending (creating it if missing), writes one whole record and closes it; the file is never
// truncated below its size before the append, so older bytes stay as they were. When a write fails
// part-way, the partial record is cut off again where possible. Only a regular file or a link to one
// is appended to: a directory, device, FIFO or socket in its place, or a link to nothing, is refused
// without blocking and left alone. Failures come back with the reason.
class FilePuzzleLog final : public PuzzleLog {
public:
    explicit FilePuzzleLog(std::string path) : path_(std::move(path)) {}
    LogWriteResult append(const LogRecord& record) override;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace dodoru
