#include "sysinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <array>

#include "messageboxes.h"
#include "registry.h"

namespace dodoru {

namespace {

QString hostPath(const QString& path) {
#ifdef _WIN32
    return path;
#else
    QString converted = path;
    converted.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return converted;
#endif
}

} // namespace

QString noSystemInfoMessage() {
    //: Shown when the system information tool cannot be found or started.
    return QCoreApplication::translate("dodoru::SystemInfoLauncher", "目前無法提供系統資訊");
}

QString HostFileLookup::firstMatch(const QString& path) {
    const QFileInfo info(hostPath(path));
    if (info.fileName().isEmpty()) return {};
    if (info.isFile()) return info.fileName();
#ifndef _WIN32
    const QDir directory = info.dir();
    const QStringList files = directory.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : files)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return name;
#endif
    return {};
}

bool DetachedProgramStarter::start(const QString& path) {
    if (path.trimmed().isEmpty()) return false;
    QString program = hostPath(path);
#ifndef _WIN32
    // The registry's text may name the file in another case than the one on disk.
    const QFileInfo info(program);
    if (!info.exists()) {
        const QString name = HostFileLookup().firstMatch(program);
        if (!name.isEmpty()) program = info.dir().filePath(name);
    }
#endif
    return QProcess::startDetached(program, {});
}

std::int16_t SystemInfoLauncher::GetKeyValue(std::uint32_t& KeyRoot, QString& KeyName, QString& SubKeyRef,
                                             QString& KeyVal) {
    registry::KeyHandle hKey = 0;
    if (registry_.openKey(KeyRoot, KeyName.toLocal8Bit(), kKeyAccess, hKey) != registry::kSuccess) {
        KeyVal.clear();
        return 0;
    }

    std::array<unsigned char, kBufferSize> tmpVal{}; // all NUL
    std::uint32_t KeyValSize = kBufferSize;
    std::uint32_t KeyValType = 0;
    if (registry_.queryValue(hKey, SubKeyRef.toLocal8Bit(), KeyValType, tmpVal.data(), KeyValSize) !=
        registry::kSuccess) {
        KeyVal.clear();
        registry_.closeKey(hKey);
        return 0;
    }

    QByteArray data(reinterpret_cast<const char*>(tmpVal.data()),
                    static_cast<qsizetype>(std::min(KeyValSize, kBufferSize)));
    if (!data.isEmpty() && data.back() == '\0') data.chop(1); // a stored text's terminator

    switch (KeyValType) {
    case registry::kText:
        KeyVal = QString::fromLocal8Bit(data);
        break;
    case registry::kNumber: {
        // Little-endian bytes; a dropped high NUL byte does not change the number.
        std::uint32_t number = 0;
        for (qsizetype i = std::min<qsizetype>(data.size(), 4); i-- > 0;)
            number = (number << 8) | static_cast<std::uint8_t>(data[i]);
        KeyVal = QString::number(number);
        break;
    }
    default:
        break;
    }
    registry_.closeKey(hKey);
    return -1;
}

void SystemInfoLauncher::StartSysInfo(QWidget* parent) {
    bool started = false;
    try {
        std::uint32_t root = registry::kLocalMachine;
        QString key = registry::kSysInfoKey;
        QString value = registry::kSysInfoValue;
        QString SysInfoPath;
        if (GetKeyValue(root, key, value, SysInfoPath)) {
            started = starter_.start(SysInfoPath);
        } else {
            key = registry::kSysInfoLocationKey;
            value = registry::kSysInfoLocationValue;
            if (GetKeyValue(root, key, value, SysInfoPath)) {
                SysInfoPath += QStringLiteral("\\MSINFO32.EXE");
                if (!files_.firstMatch(SysInfoPath).isEmpty()) started = starter_.start(SysInfoPath);
            }
        }
    } catch (...) {
        started = false; // anything that went wrong on the way ends in the message
    }
    if (!started) boxes_.show(parent, noSystemInfoMessage(), MessageButtons::Ok, MessageIcon::None);
}

} // namespace dodoru
