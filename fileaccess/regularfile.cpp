#include "regularfile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace dodoru {

namespace {

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Directory;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    if (S_ISFIFO(mode)) return FileKind::Fifo;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    return FileKind::Other;
}

std::string linkTargetOf(const std::string& path) {
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    target.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return target;
}

// A file descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

PathKind examinePath(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return {FileKind::Missing, 0, {}};
        return {FileKind::Unknown, errno, {}};
    }
    if (S_ISLNK(info.st_mode) && ::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return {FileKind::DanglingLink, 0, linkTargetOf(path)};
        return {FileKind::Unknown, errno, {}};
    }
    return {kindOf(info.st_mode), 0, {}};
}

bool isUsableKind(FileKind kind, bool missingAllowed) {
    return kind == FileKind::Regular || (missingAllowed && kind == FileKind::Missing);
}

FileRead readRegularFile(const std::string& path, std::size_t maxBytes) {
    FileRead read;
    read.kind = examinePath(path);
    if (read.kind.kind == FileKind::Unknown) {
        read.fault = FileRead::Fault::System;
        read.errorNumber = read.kind.errorNumber;
        return read;
    }
    if (read.kind.kind != FileKind::Regular) {
        read.fault = FileRead::Fault::Kind;
        return read;
    }
    // Non-blocking: a FIFO put in the file's place since the look above does not wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
        read.fault = FileRead::Fault::System;
        read.errorNumber = errno;
        return read;
    }
    if (!S_ISREG(info.st_mode)) {
        read.fault = FileRead::Fault::Kind;
        read.kind = {kindOf(info.st_mode), 0, {}};
        return read;
    }
    read.size = static_cast<std::int64_t>(info.st_size);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        read.fault = FileRead::Fault::TooLarge;
        return read;
    }
    // The size is a hint only (the file may grow meanwhile): never more than the limit is kept.
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            read.fault = FileRead::Fault::System;
            read.errorNumber = errno;
            return read;
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            read.fault = FileRead::Fault::TooLarge;
            read.size = static_cast<std::int64_t>(bytes.size()) + got;
            return read;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    read.bytes = std::move(bytes);
    return read;
}

ReplacingFile::~ReplacingFile() {
    cancel();
}

bool ReplacingFile::refuse(Fault fault, int errorNumber) {
    fault_ = fault;
    errorNumber_ = errorNumber;
    cancel();
    return false;
}

bool ReplacingFile::open() {
    kind_ = examinePath(path_);
    if (kind_.kind == FileKind::Unknown) return refuse(Fault::System, kind_.errorNumber);
    if (!isUsableKind(kind_.kind, true)) return refuse(Fault::Kind, 0);
    target_ = path_;
    mode_t mode = 0666; // a new file: as the umask allows
    if (kind_.kind == FileKind::Regular) {
        struct stat info {};
        if (::lstat(path_.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
            // A link stays a link: the file it points to is the one replaced.
            char* resolved = ::realpath(path_.c_str(), nullptr);
            if (resolved == nullptr) return refuse(Fault::System, errno);
            target_ = resolved;
            std::free(resolved);
        }
        if (::stat(target_.c_str(), &info) != 0) return refuse(Fault::System, errno);
        mode = info.st_mode & 07777;
        // Replacing needs the file itself to be writable, as writing it in place would.
        if (::access(target_.c_str(), W_OK) != 0) return refuse(Fault::System, errno);
    }
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = target_ + ".dodoru-" + std::to_string(random() % 1000000000u);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd_ >= 0) break;
        if (errno != EEXIST) {
            const int error = errno;
            temporary_.clear();
            return refuse(Fault::System, error);
        }
    }
    if (fd_ < 0) {
        temporary_.clear();
        return refuse(Fault::System, EEXIST);
    }
    if (kind_.kind == FileKind::Regular) static_cast<void>(::fchmod(fd_, mode)); // past the umask
    return true;
}

bool ReplacingFile::commit() {
    if (fd_ < 0) return false;
    if (::fsync(fd_) != 0) return refuse(Fault::System, errno);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) return refuse(Fault::System, errno);
    // Something else may have taken the name since open(): it is left alone.
    const PathKind now = examinePath(path_);
    if (!isUsableKind(now.kind, true)) {
        kind_ = now;
        return refuse(now.kind == FileKind::Unknown ? Fault::System : Fault::Kind, now.errorNumber);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return refuse(Fault::System, errno);
    temporary_.clear();
    return true;
}

void ReplacingFile::cancel() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

} // namespace dodoru
