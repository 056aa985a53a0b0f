#include "fileerrors.h"

#include <QFile>

#include <cerrno>

namespace dodoru {

QString fileErrorReason(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM: return QStringLiteral("沒有存取這個檔案的權限");
    case ENOENT: return QStringLiteral("檔案或資料夾不存在");
    case EISDIR: return QStringLiteral("這是一個資料夾，不是檔案");
    case ENOTDIR: return QStringLiteral("路徑中有一段不是資料夾");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("磁碟空間不足");
    case EROFS: return QStringLiteral("檔案所在的檔案系統是唯讀的");
    case EFBIG: return QStringLiteral("檔案超過了允許的大小");
    case EIO: return QStringLiteral("讀寫裝置時發生錯誤");
    default: return qt_error_string(errorNumber);
    }
}

QString fileErrorReason(const QFileDevice& device, int errorNumber) {
    if (errorNumber != 0 && device.errorString() == qt_error_string(errorNumber))
        return fileErrorReason(errorNumber);
    switch (device.error()) {
    case QFileDevice::PermissionsError: return fileErrorReason(EACCES);
    default: return device.errorString();
    }
}

FileKindCheck examineFile(const QString& path) {
    const PathKind found = examinePath(QFile::encodeName(path).toStdString());
    return {found.kind, found.errorNumber,
            found.kind == FileKind::DanglingLink ? QFile::symLinkTarget(path) : QString()};
}

QString fileKindReason(const FileKindCheck& check) {
    switch (check.kind) {
    case FileKind::Missing:
    case FileKind::Regular: return {};
    case FileKind::DanglingLink:
        return QStringLiteral("這是一個符號連結，但它指向的檔案不存在：") + check.linkTarget;
    case FileKind::Directory: return fileErrorReason(EISDIR);
    case FileKind::Device: return QStringLiteral("這是一個裝置，不是一般檔案");
    case FileKind::Fifo: return QStringLiteral("這是一個具名管道（FIFO），不是一般檔案");
    case FileKind::Socket: return QStringLiteral("這是一個通訊端（socket），不是一般檔案");
    case FileKind::Other: return QStringLiteral("這不是一般檔案");
    case FileKind::Unknown: return fileErrorReason(check.errorNumber);
    }
    return {};
}

} // namespace dodoru
