#include "filepuzzlelog.h"

#include "codepage950.h"
#include "regularfile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace dodoru {

namespace {

constexpr std::size_t kPrintZoneWidth = 14;

// The pattern "00": at least two digits, zero-padded on the left.
std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string errorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

}  // namespace

std::optional<std::string> encodeLogRecord(const LogRecord& record) {
    const std::string header = "等級" + std::to_string(record.level) + "共" +
                               std::to_string(record.clueCount) + "號" + "答案" +
                               std::to_string(record.solutionCount) + "組";
    std::optional<std::string> line = toCodePage950(header);
    if (!line) return std::nullopt;
    // The print-zone advance: from 1-based column size + 1 to the next column 14·k + 1 beyond it.
    const std::size_t column = line->size() + 1;
    const std::size_t nextZone = ((column - 1) / kPrintZoneWidth + 1) * kPrintZoneWidth + 1;
    line->append(nextZone - column, ' ');
    for (std::size_t n = 0; n < record.tally.size(); ++n)
        *line += std::to_string(n) + "=" + twoDigits(record.tally[n]) + " ";
    *line += " \r\n";
    return line;
}

namespace {

LogWriteResult systemFailure(const std::string& what, int error) {
    return {false, what + errorText(error), LogFailure::System, error};
}

// Only a regular file, or a link to one, is appended to; a missing one is created. The kind is looked
// at before opening, so that a FIFO never blocks and a device or a link's missing target is left alone.
std::optional<LogWriteResult> refusedKind(const std::string& path) {
    const PathKind found = examinePath(path);
    switch (found.kind) {
    case FileKind::Missing:
    case FileKind::Regular: return std::nullopt;
    case FileKind::DanglingLink:
        return LogWriteResult{false, path + " is a link to a file that does not exist", LogFailure::DanglingLink, 0};
    case FileKind::Directory: return systemFailure("cannot open " + path + " for appending: ", EISDIR);
    case FileKind::Unknown: return systemFailure("cannot open " + path + " for appending: ", found.errorNumber);
    default: return LogWriteResult{false, path + " is not a regular file", LogFailure::NotAFile, 0};
    }
}

}  // namespace

LogWriteResult FilePuzzleLog::append(const LogRecord& record) {
    const std::optional<std::string> bytes = encodeLogRecord(record);
    if (!bytes) return {false, "the record cannot be written in code page 950", LogFailure::Encoding, 0};
    if (auto refused = refusedKind(path_)) return *refused;

    // Non-blocking, should the file have become a FIFO since the look above.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) return systemFailure("cannot open " + path_ + " for appending: ", errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {false, path_ + " is not a regular file", LogFailure::NotAFile, 0};
    }
    const off_t sizeBefore = info.st_size;

    const char* data = bytes->data();
    std::size_t left = bytes->size();
    int writeError = 0;
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            writeError = errno;
            break;
        }
        if (written == 0) {
            writeError = EIO;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (writeError != 0 && left < bytes->size()) {
        // Cut the partial record off; the bytes before it are untouched.
        // Should that fail too, the partial record stays; the error below still says why.
        const int cut = ::ftruncate(fd, sizeBefore);
        static_cast<void>(cut);
    }
    const int closeResult = ::close(fd);
    if (writeError != 0) return systemFailure("cannot write to " + path_ + ": ", writeError);
    if (closeResult != 0) return systemFailure("cannot write to " + path_ + ": ", errno);
    return {};
}

}  // namespace dodoru
