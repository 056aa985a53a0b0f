#pragma once

#include <string>

#include "puzzlelog.h"

namespace dodoru {

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
