#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "fileerrors.h"
#include "regularfile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace dodoru {

namespace {

// The reasons of a failed save, in the window's language; %1 is the reason of the system call.
struct SaveReasons {
    Q_DECLARE_TR_FUNCTIONS(dodoru::SaveReasons)

public:
    //: Why the save file cannot be used. %1: the system's reason.
    static QString cannotOpen(const QString& why) { return tr("無法開啟檔案：%1").arg(why); }
    //: Why the save file cannot be used. %1: the system's reason.
    static QString cannotRead(const QString& why) { return tr("無法讀取檔案：%1").arg(why); }
    //: Why the save file cannot be used. %1: the system's reason.
    static QString cannotCreate(const QString& why) { return tr("無法建立檔案：%1").arg(why); }
    //: Why the save file cannot be used. %1: the system's reason.
    static QString cannotWrite(const QString& why) { return tr("無法寫入檔案：%1").arg(why); }
    //: Why the save file cannot be used. %1: the system's reason.
    static QString cannotReadOld(const QString& why) { return tr("無法讀取原有的檔案：%1").arg(why); }
    //: Why the save file cannot be used. %1: the system's reason.
    static QString cannotDelete(const QString& why) { return tr("無法刪除檔案：%1").arg(why); }
};

SaveFileResult failure(const QString& path, const QString& why) {
    return {SaveFileStatus::Failed, QDir::toNativeSeparators(path) + QStringLiteral("\n") + why};
}

SaveFileResult unread(const QString& path, const QString& why) {
    return {SaveFileStatus::Unread, QDir::toNativeSeparators(path) + QStringLiteral("\n") + why};
}

// Opens a regular file for reading; anything else in its place (a FIFO put there since its kind was
// looked at) is refused without waiting.
int openRegularForReading(const QString& path, QString& why) {
    const OpenedFile opened = openRegularFile(QFile::encodeName(path).toStdString());
    if (opened.descriptor >= 0) return opened.descriptor;
    why = opened.errorNumber != 0 ? SaveReasons::cannotOpen(fileErrorReason(opened.errorNumber))
                                  : fileKindReason(FileKindCheck{opened.kind, 0, {}});
    return -1;
}

// Reads up to `count` bytes from `offset` on; false with the reason when a read fails.
bool readAt(int fd, qint64 offset, QByteArray& bytes, qint64 count, QString& why) {
    bytes.resize(count);
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd, bytes.data() + done, static_cast<std::size_t>(count - done),
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            why = SaveReasons::cannotRead(fileErrorReason(errno));
            return false;
        }
        if (n == 0) break;
        done += n;
    }
    bytes.resize(done);
    return true;
}

} // namespace

SaveFileResult SaveFile::load(Board& board) const {
    const FileKindCheck kind = examineFile(path_);
    if (kind.kind == FileKind::Missing) {
        QFile created(path_);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const int error = errno;
            return failure(path_, SaveReasons::cannotCreate(fileErrorReason(created, error)));
        }
        created.close();
        return {SaveFileStatus::CreatedEmpty, {}};
    }
    if (kind.kind != FileKind::Regular) return failure(path_, fileKindReason(kind));

    QString why;
    const Descriptor file(openRegularForReading(path_, why));
    if (file.get() < 0) return unread(path_, why);
    QByteArray bytes;
    if (!readAt(file.get(), 0, bytes, kByteCount, why)) return unread(path_, why);

    Board loaded = board;
    for (int c = 0; c < kCellCount; ++c) {
        // Past the end of a short file nothing is read, and the previous cell's digit must not carry over.
        const std::uint8_t FileByte = c < bytes.size() ? static_cast<std::uint8_t>(bytes[c]) : std::uint8_t{0};
        if (FileByte >= 1 && FileByte <= 9) {
            Cell& cell = loaded.cell(c);
            cell.setGiven(true);
            cell.setValue(FileByte);
        }
    }
    board = loaded;
    return {SaveFileStatus::Loaded, {}};
}

SaveFileResult SaveFile::checkWritable() const {
    const FileKindCheck kind = examineFile(path_);
    if (kind.kind != FileKind::Missing && kind.kind != FileKind::Regular) return failure(path_, fileKindReason(kind));
    // The save writes a new file beside the old one (a link is followed) and renames it into place:
    // both the file and its folder must accept writing.
    const QString target = kind.kind == FileKind::Regular ? QFileInfo(path_).canonicalFilePath() : path_;
    if (kind.kind == FileKind::Regular && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        return failure(path_, SaveReasons::cannotWrite(fileErrorReason(errno)));
    const QString folder = QFileInfo(target).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        //: Why the save file cannot be saved. %1: its folder, %2: the system's reason.
        return failure(path_, SaveReasons::tr("無法在檔案所在的資料夾 %1 建立新檔案：%2")
                                  .arg(QDir::toNativeSeparators(folder), fileErrorReason(errno)));
    return {SaveFileStatus::Writable, {}};
}

SaveFileResult SaveFile::save(const Board& board, OldFileTail oldTail) const {
    const FileKindCheck kind = examineFile(path_);
    if (kind.kind != FileKind::Missing && kind.kind != FileKind::Regular) return failure(path_, fileKindReason(kind));
    // A read-only file or folder is refused here with its own reason, before the save file is opened.
    if (const SaveFileResult writable = checkWritable(); !writable.ok()) return writable;

    // Whatever follows the 81 bytes is carried over into the new file.
    QByteArray tail;
    if (kind.kind == FileKind::Regular && oldTail == OldFileTail::Keep) {
        QString why;
        const Descriptor old(openRegularForReading(path_, why));
        struct stat info {};
        if (old.get() < 0 || ::fstat(old.get(), &info) != 0)
            return failure(path_, SaveReasons::cannotReadOld(why.isEmpty() ? fileErrorReason(errno) : why));
        if (info.st_size > kByteCount) {
            const qint64 tailSize = static_cast<qint64>(info.st_size) - kByteCount;
            if (!readAt(old.get(), kByteCount, tail, tailSize, why)) return failure(path_, why);
            if (tail.size() != tailSize)
                //: Why the save file cannot be saved: the file changed while it was read.
                return failure(path_, SaveReasons::tr("無法讀取原有的檔案：檔案在讀取時改變了"));
        }
    }

    QByteArray bytes(kByteCount, '\0');
    for (int c = 0; c < kCellCount; ++c) {
        const Cell& cell = board.cell(c);
        const std::uint8_t FileByte = cell.isGiven() ? static_cast<std::uint8_t>(cell.value()) : std::uint8_t{0};
        bytes[c] = static_cast<char>(FileByte);
    }

    // Unbuffered, so that a short write (a full disk) shows in write()'s count instead of being lost in
    // a buffered flush that still lets commit() succeed.
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        return failure(path_, SaveReasons::cannotWrite(fileErrorReason(out, error)));
    }
    if (out.write(bytes) != bytes.size() || out.write(tail) != tail.size()) {
        const int error = errno;
        const QString why = fileErrorReason(out, error);
        out.cancelWriting();
        return failure(path_, SaveReasons::cannotWrite(why));
    }
    if (!out.commit()) {
        const int error = errno;
        return failure(path_, SaveReasons::cannotWrite(fileErrorReason(out, error)));
    }
    return {SaveFileStatus::Saved, {}};
}

SaveFileResult SaveFile::remove() const {
    const FileKindCheck kind = examineFile(path_);
    if (kind.kind == FileKind::Missing) return {SaveFileStatus::AlreadyAbsent, {}};
    if (kind.kind != FileKind::Regular && kind.kind != FileKind::DanglingLink)
        return failure(path_, fileKindReason(kind));
    QFile file(path_);
    if (!file.remove()) {
        const int error = errno;
        return failure(path_, SaveReasons::cannotDelete(fileErrorReason(file, error)));
    }
    return {SaveFileStatus::Deleted, {}};
}

} // namespace dodoru
