#include "registry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#include <algorithm>
#include <cstring>

namespace dodoru::registry {

namespace {

QString normalisedKey(QString name) {
    name = name.trimmed();
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE\\");
    if (name.startsWith(root, Qt::CaseInsensitive)) name = name.mid(root.size());
    while (name.endsWith(QLatin1Char('\\'))) name.chop(1);
    return name.toLower();
}

QString unquoted(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

} // namespace

Value Value::text(const QString& text) {
    QByteArray data = text.toLocal8Bit();
    data.append('\0');
    return {kText, data};
}

Value Value::number(std::uint32_t number) {
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFFu);
    return {kNumber, data};
}

void StandInRegistry::setValue(const QString& keyName, const QString& valueName, const Value& value) {
    keys_[normalisedKey(keyName)][valueName.toLower()] = value;
}

bool StandInRegistry::loadIni(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error) *error = file.errorString();
        return false;
    }
    QTextStream in(&file);
    QString section;
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            inSection = true;
            keys_[normalisedKey(section)]; // a key may exist without values
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0) continue;
        const QString name = unquoted(line.left(equals));
        const QString rawValue = line.mid(equals + 1).trimmed();
        const QString dwordPrefix = QStringLiteral("dword:");
        if (rawValue.startsWith(dwordPrefix, Qt::CaseInsensitive)) {
            bool ok = false;
            const uint number = rawValue.mid(dwordPrefix.size()).toUInt(&ok, 16);
            if (ok) setValue(section, name, Value::number(number));
            continue;
        }
        setValue(section, name, Value::text(unquoted(rawValue)));
    }
    return true;
}

long StandInRegistry::openKey(RootKey root, const QByteArray& keyName, std::uint32_t access, KeyHandle& key) {
    lastAccess_ = access;
    if (root != kLocalMachine) return kNotFound;
    const QString name = normalisedKey(QString::fromLocal8Bit(keyName));
    if (!keys_.contains(name)) return kNotFound;
    if ((access & kWriteRights) != 0 && !writable_) return kAccessDenied;
    key = nextHandle_++;
    open_.insert(key, name);
    return kSuccess;
}

long StandInRegistry::queryValue(KeyHandle key, const QByteArray& valueName, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size) {
    const auto open = open_.constFind(key);
    if (open == open_.constEnd()) return kInvalidHandle;
    const QHash<QString, Value>& values = keys_[*open];
    const auto found = values.constFind(QString::fromLocal8Bit(valueName).toLower());
    if (found == values.constEnd()) return kNotFound;
    const auto needed = static_cast<std::uint32_t>(found->data.size());
    type = found->type;
    if (needed > size) {
        size = needed;
        return kMoreData;
    }
    if (needed > 0) std::memcpy(data, found->data.constData(), needed);
    size = needed;
    return kSuccess;
}

long StandInRegistry::closeKey(KeyHandle key) {
    return open_.remove(key) ? kSuccess : kInvalidHandle;
}

QStringList systemInformationPrograms() {
    return {QStringLiteral("hardinfo"),
            QStringLiteral("hardinfo2"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager")};
}

void addSystemInfoDefaults(StandInRegistry& registry,
                           const std::function<QString(const QString&)>& findExecutable) {
    for (const QString& program : systemInformationPrograms()) {
        const QString path = findExecutable(program);
        if (!path.isEmpty()) {
            registry.setValue(kSysInfoKey, kSysInfoValue, Value::text(path));
            return;
        }
    }
}

QStringList standInFiles() {
    QStringList directories = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    // The first entry is the user's own directory; HKEY_LOCAL_MACHINE is the machine's.
    directories.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    std::reverse(directories.begin(), directories.end());
    QStringList files;
    for (const QString& directory : directories)
        files << QDir(directory).filePath(QStringLiteral("dodoru/registry.ini"));
    return files;
}

#ifndef _WIN32
std::unique_ptr<Registry> systemRegistry() {
    auto registry = std::make_unique<StandInRegistry>();
    addSystemInfoDefaults(*registry,
                          [](const QString& name) { return QStandardPaths::findExecutable(name); });
    for (const QString& file : standInFiles())
        if (QFile::exists(file)) registry->loadIni(file);
    return registry;
}
#endif

} // namespace dodoru::registry
