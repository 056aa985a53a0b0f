#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace dodoru {

// Files read or written by name hold the program's data only when they are regular files (or links to
// one). Whatever else a name may stand for — a directory, a device, a FIFO, a socket, a link that points
// nowhere — is refused before anything opens it in a way that could block, and left as it is.
// Paths are bytes, as the system takes them.

enum class FileKind { Missing, Regular, DanglingLink, Directory, Device, Fifo, Socket, Other, Unknown };

struct PathKind {
    FileKind kind = FileKind::Unknown;
    int errorNumber = 0;    // why the kind is Unknown
    std::string linkTarget; // where a dangling link points
};

// What lies at `path`, seen with lstat() and, for a link, stat(); nothing is opened.
PathKind examinePath(const std::string& path);

// True for what may be read or replaced: a regular file (or a link to one); a missing file too when
// `missingAllowed` (it will be created).
bool isUsableKind(FileKind kind, bool missingAllowed);

// A whole file read into memory, bounded.
struct FileRead {
    enum class Fault { None, Kind, System, TooLarge };
    Fault fault = Fault::None;
    PathKind kind;           // the refused kind (Kind); Missing when there was nothing to read
    int errorNumber = 0;     // System
    std::int64_t size = 0;   // the file's size (TooLarge)
    std::string bytes;       // the contents (None)

    bool ok() const { return fault == Fault::None; }
};

// Reads a regular file of at most `maxBytes`. The kind is looked at first; the open does not wait (a
// FIFO put in the file's place meanwhile is refused, not waited on), and what was opened is checked
// again. A larger file is refused whole, without reading it (TooLarge). A missing file is refused
// with the Kind fault and the Missing kind.
FileRead readRegularFile(const std::string& path, std::size_t maxBytes);

// A regular file written whole and put in place of `path` only once complete: a missing file is
// created, a regular one (or a link's regular target) replaced; anything else is refused before any
// byte is written. Until commit() nothing at `path` changes; cancel() or the destructor removes the
// unfinished file.
class ReplacingFile {
public:
    enum class Fault { None, Kind, System };

    explicit ReplacingFile(std::string path) : path_(std::move(path)) {}
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Opens the unfinished file beside the target; false with the fault when it cannot.
    bool open();
    // The unfinished file's descriptor while open (owned here).
    int descriptor() const { return fd_; }
    // Flushes the file to the disk and puts it in place; false with the fault when it cannot (the
    // target is then as it was). The target's kind is looked at once more just before.
    bool commit();
    void cancel();

    Fault fault() const { return fault_; }
    const PathKind& kind() const { return kind_; }
    int errorNumber() const { return errorNumber_; }

private:
    bool refuse(Fault fault, int errorNumber);

    std::string path_;
    std::string target_; // the file replaced: `path_`, or a link's target
    std::string temporary_;
    int fd_ = -1;
    Fault fault_ = Fault::None;
    PathKind kind_;
    int errorNumber_ = 0;
};

} // namespace dodoru
