// The registry stand-in of systems without a registry (its INI file and its defaults), and the real
// file lookup and program starter the launcher uses there.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "registry.h"
#include "sysinfo.h"

using namespace dodoru;
using registry::StandInRegistry;

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// Reads a value straight through the registry calls, as raw type and bytes.
std::optional<registry::Value> query(registry::Registry& reg, const QString& key, const QString& name) {
    registry::KeyHandle handle = 0;
    if (reg.openKey(registry::kLocalMachine, key.toLocal8Bit(), registry::kRead, handle) !=
        registry::kSuccess)
        return std::nullopt;
    std::array<unsigned char, 1024> buffer{};
    std::uint32_t size = 1024;
    std::uint32_t type = 0;
    const long status = reg.queryValue(handle, name.toLocal8Bit(), type, buffer.data(), size);
    reg.closeKey(handle);
    if (status != registry::kSuccess) return std::nullopt;
    return registry::Value{
        type, QByteArray(reinterpret_cast<const char*>(buffer.data()), static_cast<qsizetype>(size))};
}

} // namespace

class SysInfoRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void iniFileIsRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.ini"));
        writeText(path, "; the machine's system information tool\n"
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                        "PATH=/opt/tools/sysinfo\n"
                        "# a comment\n"
                        "\"Quoted\" = \"  with blanks  \"\n"
                        "Count=dword:00000105\n"
                        "Broken=dword:zz\n"
                        "[SOFTWARE\\Microsoft\\Shared Tools Location\\]\n"
                        "MSINFO=C:\\Tools\n"
                        "Name=資訊\n");
        StandInRegistry reg;
        QString error;
        QVERIFY(reg.loadIni(path, &error));
        QCOMPARE(
            query(reg, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"))
                ->data,
            QByteArray("/opt/tools/sysinfo\0", 19));
        QCOMPARE(
            query(reg, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("Quoted"))
                ->data,
            QByteArray("  with blanks  \0", 16));
        const auto count =
            query(reg, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("Count"));
        QCOMPARE(count->type, registry::kNumber);
        QCOMPARE(count->data, QByteArray("\x05\x01\x00\x00", 4));
        QVERIFY(!query(reg, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                       QStringLiteral("Broken")));
        QCOMPARE(
            query(reg, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"))
                ->data,
            QByteArray("C:\\Tools\0", 9));
        QCOMPARE(
            query(reg, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("Name"))
                ->data,
            QStringLiteral("資訊").toLocal8Bit() + QByteArray(1, '\0'));
        QCOMPARE(reg.openKeys(), 0);
    }

    void valuesOutsideASectionAreIgnored() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.ini"));
        writeText(path, "PATH=/nowhere\n[SOFTWARE\\Empty]\n");
        StandInRegistry reg;
        QVERIFY(reg.loadIni(path));
        registry::KeyHandle handle = 0;
        QCOMPARE(reg.openKey(registry::kLocalMachine, "SOFTWARE\\Empty", registry::kRead, handle),
                 registry::kSuccess);
        std::array<unsigned char, 16> buffer{};
        std::uint32_t size = 16;
        std::uint32_t type = 0;
        QCOMPARE(reg.queryValue(handle, "PATH", type, buffer.data(), size), registry::kNotFound);
        QCOMPARE(reg.closeKey(handle), registry::kSuccess);
        QCOMPARE(reg.closeKey(handle), registry::kInvalidHandle);
    }

    void unreadableFileIsReported() {
        StandInRegistry reg;
        QString error;
        QVERIFY(!reg.loadIni(QStringLiteral("/no/such/dir/registry.ini"), &error));
        QVERIFY(!error.isEmpty());
    }

    void queryReportsTheSizeNeeded() {
        StandInRegistry reg;
        reg.setValue(QStringLiteral("SOFTWARE\\K"), QStringLiteral("V"),
                     registry::Value::text(QStringLiteral("abcdef")));
        registry::KeyHandle handle = 0;
        QCOMPARE(reg.openKey(registry::kLocalMachine, "SOFTWARE\\K", registry::kRead, handle),
                 registry::kSuccess);
        std::array<unsigned char, 4> buffer{};
        std::uint32_t size = 4;
        std::uint32_t type = 0;
        QCOMPARE(reg.queryValue(handle, "V", type, buffer.data(), size), registry::kMoreData);
        QCOMPARE(size, 7u);
        QCOMPARE(buffer[0], 0); // nothing copied
        reg.closeKey(handle);
    }

    void writeAccessOnlyWhenWritable() {
        StandInRegistry reg;
        reg.setValue(QStringLiteral("SOFTWARE\\K"), QStringLiteral("V"), registry::Value::number(1));
        registry::KeyHandle handle = 0;
        QCOMPARE(reg.openKey(registry::kLocalMachine, "SOFTWARE\\K", 0x2003F, handle),
                 registry::kAccessDenied);
        QCOMPARE(reg.openKeys(), 0);
        reg.setWritable(true);
        QCOMPARE(reg.openKey(registry::kLocalMachine, "SOFTWARE\\K", 0x2003F, handle), registry::kSuccess);
        QCOMPARE(reg.openKeys(), 1);
        reg.closeKey(handle);
    }

    // --- defaults ---
    void firstProgramFoundOnThePathIsTheTool_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("one") << QStringList{QStringLiteral("kinfocenter")}
                             << QStringLiteral("/usr/bin/kinfocenter");
        QTest::newRow("the first in order wins")
            << QStringList{QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
                           QStringLiteral("hardinfo")}
            << QStringLiteral("/usr/bin/hardinfo");
    }

    void firstProgramFoundOnThePathIsTheTool() {
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        StandInRegistry reg;
        QStringList looked;
        registry::addSystemInfoDefaults(reg, [&](const QString& name) {
            looked << name;
            return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        });
        // Looked up in order of preference, stopping at the first found.
        const QStringList programs = registry::systemInformationPrograms();
        QVERIFY(programs.contains(QStringLiteral("gnome-system-monitor")));
        QVERIFY(programs.contains(QStringLiteral("kinfocenter")));
        const qsizetype stop = expected.isEmpty()
                                   ? programs.size()
                                   : programs.indexOf(expected.section(QLatin1Char('/'), -1)) + 1;
        QCOMPARE(looked, programs.mid(0, stop));
        const auto value = query(reg, registry::kSysInfoKey, registry::kSysInfoValue);
        if (expected.isEmpty()) {
            QVERIFY(!value);
        } else {
            QCOMPARE(value->type, registry::kText);
            QCOMPARE(value->data, expected.toLocal8Bit() + QByteArray(1, '\0'));
        }
    }

    void fileEntriesOverrideTheDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.ini"));
        writeText(path, "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/opt/chosen\n");
        StandInRegistry reg;
        registry::addSystemInfoDefaults(
            reg, [](const QString& name) { return QStringLiteral("/usr/bin/") + name; });
        QVERIFY(reg.loadIni(path));
        QCOMPARE(query(reg, registry::kSysInfoKey, registry::kSysInfoValue)->data,
                 QByteArray("/opt/chosen\0", 12));
    }

    void standInFilesAreMachineWide() {
        const QStringList files = registry::standInFiles();
        const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        for (const QString& file : files) {
            QVERIFY(file.endsWith(QStringLiteral("/dodoru/registry.ini")));
            QVERIFY2(!file.startsWith(user + QLatin1Char('/')), qPrintable(file));
        }
    }

    void systemRegistryReadsTheMachineWideFile() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("dodoru")));
        writeText(dir.filePath(QStringLiteral("dodoru/registry.ini")),
                  "[SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/opt/machine\n");
        const QByteArray saved = qgetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir.path()));
        const std::unique_ptr<registry::Registry> reg = registry::systemRegistry();
        qputenv("XDG_CONFIG_DIRS", saved);
        const auto value = query(*reg, registry::kSysInfoKey, registry::kSysInfoValue);
        QVERIFY(value);
        QCOMPARE(value->data, QByteArray("/opt/machine\0", 13));
    }

    // --- the host's file lookup and program starter ---
    void fileLookupFindsFiles_data() {
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        QTest::newRow("same name") << QStringLiteral("MSINFO32.EXE") << QStringLiteral("%1/MSINFO32.EXE")
                                   << QStringLiteral("MSINFO32.EXE");
        QTest::newRow("backslash separator")
            << QStringLiteral("MSINFO32.EXE") << QStringLiteral("%1\\MSINFO32.EXE")
            << QStringLiteral("MSINFO32.EXE");
#ifndef Q_OS_WIN
        QTest::newRow("other case on disk")
            << QStringLiteral("msinfo32.exe") << QStringLiteral("%1\\MSINFO32.EXE")
            << QStringLiteral("msinfo32.exe");
#endif
        QTest::newRow("missing") << QStringLiteral("other.exe") << QStringLiteral("%1\\MSINFO32.EXE")
                                 << QString();
        QTest::newRow("a directory is not a file") << QString() << QStringLiteral("%1") << QString();
    }

    void fileLookupFindsFiles() {
        QFETCH(QString, onDisk);
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QTemporaryDir dir;
        if (!onDisk.isEmpty()) writeText(dir.filePath(onDisk), "x");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        HostFileLookup lookup;
        QCOMPARE(lookup.firstMatch(asked.arg(dir.path())), found);
        QCOMPARE(lookup.firstMatch(dir.filePath(QStringLiteral("sub"))), QString());
    }

    void starterReportsWhatItCouldStart() {
        DetachedProgramStarter starter;
        QVERIFY(!starter.start(QString()));
        QVERIFY(!starter.start(QStringLiteral("/no/such/program")));
        const QString truth = QStandardPaths::findExecutable(QStringLiteral("true"));
        if (truth.isEmpty()) QSKIP("no 'true' program on the PATH");
        QVERIFY(starter.start(truth));
    }
};

QTEST_GUILESS_MAIN(SysInfoRegistryTest)
#include "sysinfo_registry_test.moc"
