#include "savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "messageboxes.h"

namespace dodoru {

namespace {

// True when a new file can be made in `directory`: the only test that also sees read-only mounts and
// access control lists.
bool canCreateFilesIn(const QString& directory) {
    if (directory.isEmpty() || !QFileInfo(directory).isDir()) return false;
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".dodoru-probe-XXXXXX")));
    return probe.open();
}

SaveFileResult failure(const QString& path, const QString& why) {
    return {SaveFileStatus::Failed, QDir::toNativeSeparators(path) + QStringLiteral("\n") + why};
}

} // namespace

FilesLocation FilesLocation::forApplication() {
    return choose(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

FilesLocation FilesLocation::choose(const QString& executableDirectory, const QString& userDataDirectory) {
    if (canCreateFilesIn(executableDirectory)) return FilesLocation(executableDirectory);
    // A directory that cannot be made shows up later as a failure to open the file, with its reason.
    QDir().mkpath(userDataDirectory);
    return FilesLocation(userDataDirectory);
}

QString FilesLocation::saveFilePath() const {
    return QDir(directory_).filePath(QStringLiteral("Default.dat"));
}

QString FilesLocation::logFilePath() const {
    return QDir(directory_).filePath(QStringLiteral("out.txt"));
}

SaveFileResult SaveFile::load(Board& board, std::uint8_t& FileByte) const {
    const QFileInfo info(path_);
    if (info.isDir()) return failure(path_, QStringLiteral("這是一個資料夾，不是檔案。"));
    if (!info.exists()) {
        QFile created(path_);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return failure(path_, QStringLiteral("無法建立檔案：") + created.errorString());
        created.close();
        return {SaveFileStatus::CreatedEmpty, {}};
    }

    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return failure(path_, QStringLiteral("無法開啟檔案：") + file.errorString());
    const qint64 size = file.size();
    Board loaded = board;
    for (int c = 0; c < kCellCount; ++c) {
        if (c < size) {
            char byte = 0;
            if (!file.getChar(&byte))
                return failure(path_, QStringLiteral("無法讀取檔案：") + file.errorString());
            FileByte = static_cast<std::uint8_t>(byte);
        } else {
            // Past the end nothing is read, and the previous cell's digit must not carry over.
            FileByte = 0;
        }
        if (FileByte >= 1 && FileByte <= 9) {
            Cell& cell = loaded.cell(c);
            cell.setColour(kGivenColour);
            cell.setValue(FileByte);
        }
    }
    board = loaded;
    return {SaveFileStatus::Loaded, {}};
}

SaveFileResult SaveFile::save(const Board& board, std::uint8_t& FileByte) const {
    const QFileInfo info(path_);
    if (info.isDir()) return failure(path_, QStringLiteral("這是一個資料夾，不是檔案。"));

    // Whatever follows the 81 bytes is carried over into the new file.
    QByteArray tail;
    if (info.exists() && info.size() > kByteCount) {
        QFile old(path_);
        if (!old.open(QIODevice::ReadOnly) || !old.seek(kByteCount))
            return failure(path_, QStringLiteral("無法讀取原有的檔案：") + old.errorString());
        tail = old.readAll();
        if (old.error() != QFileDevice::NoError || tail.size() != info.size() - kByteCount)
            return failure(path_, QStringLiteral("無法讀取原有的檔案：") + old.errorString());
    }

    QByteArray bytes(kByteCount, '\0');
    for (int c = 0; c < kCellCount; ++c) {
        const Cell& cell = board.cell(c);
        FileByte = cell.isGiven() ? static_cast<std::uint8_t>(cell.value()) : std::uint8_t{0};
        bytes[c] = static_cast<char>(FileByte);
    }

    // Unbuffered, so that a short write (a full disk) shows in write()'s count instead of being lost in
    // a buffered flush that still lets commit() succeed.
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path_, QStringLiteral("無法寫入檔案：") + out.errorString());
    if (out.write(bytes) != bytes.size() || out.write(tail) != tail.size()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return failure(path_, QStringLiteral("無法寫入檔案：") + why);
    }
    if (!out.commit()) return failure(path_, QStringLiteral("無法寫入檔案：") + out.errorString());
    return {SaveFileStatus::Saved, {}};
}

SaveFileResult SaveFile::remove() const {
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) return {SaveFileStatus::AlreadyAbsent, {}};
    if (info.isDir()) return failure(path_, QStringLiteral("這是一個資料夾，不是檔案。"));
    QFile file(path_);
    if (!file.remove()) return failure(path_, QStringLiteral("無法刪除檔案：") + file.errorString());
    return {SaveFileStatus::Deleted, {}};
}

QString startupLoadFailedText(const SaveFileResult& result) {
    return QStringLiteral("無法讀取題目存檔：\n") + result.reason +
           QStringLiteral("\n\n程式將以空白的盤面開始。");
}

QString shutdownSaveFailedText(const SaveFileResult& result) {
    return QStringLiteral("無法儲存題目存檔：\n") + result.reason +
           QStringLiteral("\n\n這次盤面上的題目沒有被保存，程式即將結束。");
}

QString clearDeleteFailedText(const SaveFileResult& result) {
    return QStringLiteral("無法刪除題目存檔：\n") + result.reason +
           QStringLiteral("\n\n盤面已清除；下次關閉程式時存檔會被覆寫。");
}

SaveFileResult loadGivensAtStartUp(const SaveFile& file, Board& board, std::uint8_t& FileByte,
                                   MessageBoxes& boxes, QWidget* parent) {
    const SaveFileResult result = file.load(board, FileByte);
    if (!result.ok())
        boxes.show(parent, startupLoadFailedText(result), MessageButtons::Ok, MessageIcon::Warning);
    return result;
}

SaveFileResult saveGivensAtShutdown(const SaveFile& file, const Board& board, std::uint8_t& FileByte,
                                    MessageBoxes& boxes, QWidget* parent) {
    const SaveFileResult result = file.save(board, FileByte);
    if (!result.ok())
        boxes.show(parent, shutdownSaveFailedText(result), MessageButtons::Ok, MessageIcon::Critical);
    return result;
}

SaveFileResult deleteForClear(const SaveFile& file, MessageBoxes& boxes, QWidget* parent) {
    const SaveFileResult result = file.remove();
    if (!result.ok())
        boxes.show(parent, clearDeleteFailedText(result), MessageButtons::Ok, MessageIcon::Warning);
    return result;
}

} // namespace dodoru
