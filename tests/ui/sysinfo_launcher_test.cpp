// The system information launcher: GetKeyValue over a stand-in registry, and StartSysInfo's choice
// between the tool's path and its folder, with a fake file lookup and a fake program starter.
#include <QtTest>

#include <vector>

#include "fakeplatform.h"
#include "messageboxes.h"
#include "scriptedmessageboxes.h"
#include "registry.h"
#include "sysinfo.h"

using namespace dodoru;
using namespace dodoru::testing;
using registry::StandInRegistry;
using registry::Value;

namespace {

class FakeFiles final : public FileLookup {
public:
    QStringList present; // paths that exist, as written
    QStringList asked;
    QString firstMatch(const QString& path) override {
        asked << path;
        return present.contains(path) ? path.section(QLatin1Char('\\'), -1) : QString();
    }
};

class FakeStarter final : public ProgramStarter {
public:
    bool works = true;
    QStringList started;
    bool start(const QString& path) override {
        started << path;
        return works;
    }
};

// A registry whose every query throws, standing in for a failure deep in the platform.
class ThrowingRegistry final : public registry::Registry {
public:
    long openKey(registry::RootKey, const QByteArray&, std::uint32_t, registry::KeyHandle& key) override {
        key = 1;
        return registry::kSuccess;
    }
    long queryValue(registry::KeyHandle, const QByteArray&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        throw std::runtime_error("registry unavailable");
    }
    long closeKey(registry::KeyHandle) override { return registry::kSuccess; }
};

const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

} // namespace

class SysInfoLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        registry_ = StandInRegistry();
        files_ = FakeFiles();
        starter_ = FakeStarter();
        boxes_ = ScriptedMessageBoxes();
    }

    // --- GetKeyValue ---
    void readsTextValues_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("terminated text")
            << QByteArray("C:\\Tools\\msinfo32.exe\0", 22) << QStringLiteral("C:\\Tools\\msinfo32.exe");
        QTest::newRow("text without terminator keeps its last character")
            << QByteArray("abc") << QStringLiteral("abc");
        QTest::newRow("characters outside ASCII come back whole")
            << (QStringLiteral("系統資訊工具").toLocal8Bit() + QByteArray(1, '\0'))
            << QStringLiteral("系統資訊工具");
        QTest::newRow("empty text") << QByteArray(1, '\0') << QString();
        QTest::newRow("only the last NUL is dropped")
            << QByteArray("a\0\0", 3) << QString(QStringLiteral("a") + QChar(0));
        QTest::newRow("fills the buffer exactly")
            << (QByteArray(1023, 'x') + QByteArray(1, '\0')) << QString(1023, QLatin1Char('x'));
    }

    void readsTextValues() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        registry_.setValue(kToolKey, QStringLiteral("PATH"), Value{registry::kText, stored});
        QString value = QStringLiteral("left over");
        QCOMPARE(get(kToolKey, QStringLiteral("PATH"), value), std::int16_t{-1});
        QCOMPARE(value, expected);
        QCOMPARE(registry_.openKeys(), 0);
    }

    void readsNumbersAsDecimal_data() {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0u << QStringLiteral("0");
        QTest::newRow("one") << 1u << QStringLiteral("1");
        // Byte by byte without leading zeros this would read as &h15 (21).
        QTest::newRow("a zero nibble inside") << 0x105u << QStringLiteral("261");
        QTest::newRow("high byte zero") << 0x00ABCDEFu << QStringLiteral("11259375");
        QTest::newRow("largest") << 0xFFFFFFFFu << QStringLiteral("4294967295");
    }

    void readsNumbersAsDecimal() {
        QFETCH(uint, number);
        QFETCH(QString, expected);
        registry_.setValue(kToolKey, QStringLiteral("Version"), Value::number(number));
        QString value;
        QCOMPARE(get(kToolKey, QStringLiteral("Version"), value), std::int16_t{-1});
        QCOMPARE(value, expected);
    }

    void otherTypesLeaveTheTextAsPassed() {
        registry_.setValue(kToolKey, QStringLiteral("Blob"), Value{3, QByteArray("\x01\x02", 2)});
        QString value = QStringLiteral("as passed");
        QCOMPARE(get(kToolKey, QStringLiteral("Blob"), value), std::int16_t{-1});
        QCOMPARE(value, QStringLiteral("as passed"));
        QCOMPARE(registry_.openKeys(), 0);
    }

    void missingKeyOrValue_data() {
        QTest::addColumn<quint32>("root");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::newRow("no such key") << registry::kLocalMachine << QStringLiteral("SOFTWARE\\Nothing")
                                     << QStringLiteral("PATH");
        QTest::newRow("no such value") << registry::kLocalMachine << kToolKey << QStringLiteral("Nothing");
        QTest::newRow("another root") << registry::kCurrentUser << kToolKey << QStringLiteral("PATH");
    }

    void missingKeyOrValue() {
        QFETCH(quint32, root);
        QFETCH(QString, key);
        QFETCH(QString, name);
        registry_.setValue(kToolKey, QStringLiteral("PATH"), Value::text(QStringLiteral("/usr/bin/tool")));
        QString value = QStringLiteral("stale");
        std::uint32_t rootKey = root;
        QCOMPARE(launcher().GetKeyValue(rootKey, key, name, value), std::int16_t{0});
        QCOMPARE(value, QString());
        QCOMPARE(registry_.openKeys(), 0); // closed on every path on which it was opened
    }

    void valueLargerThanTheBufferIsNotFound() {
        registry_.setValue(kToolKey, QStringLiteral("PATH"), Value{registry::kText, QByteArray(1025, 'x')});
        QString value = QStringLiteral("stale");
        QCOMPARE(get(kToolKey, QStringLiteral("PATH"), value), std::int16_t{0});
        QCOMPARE(value, QString());
        QCOMPARE(registry_.openKeys(), 0);
    }

    void namesIgnoreCase() {
        registry_.setValue(kToolKey, QStringLiteral("PATH"), Value::text(QStringLiteral("/x")));
        QString value;
        QCOMPARE(get(kToolKey.toLower(), QStringLiteral("path"), value), std::int16_t{-1});
        QCOMPARE(value, QStringLiteral("/x"));
    }

    void keysAreOpenedForReadingOnly() {
        // A user without write rights on the key still finds the tool.
        registry_.setWritable(false);
        registry_.setValue(kToolKey, QStringLiteral("PATH"), Value::text(QStringLiteral("/x")));
        QString value;
        QCOMPARE(get(kToolKey, QStringLiteral("PATH"), value), std::int16_t{-1});
        QCOMPARE(registry_.lastAccess(), 0x20019u);
        QCOMPARE(registry_.lastAccess() & registry::kWriteRights, 0u);
        registry::KeyHandle key = 0;
        QCOMPARE(registry_.openKey(registry::kLocalMachine, kToolKey.toLocal8Bit(), 0x2003F, key),
                 registry::kAccessDenied);
    }

    // --- StartSysInfo ---
    void toolPathIsStartedWithoutAFileCheck() {
        registry_.setValue(kToolKey, QStringLiteral("PATH"),
                           Value::text(QStringLiteral("C:\\Tools\\msinfo32.exe")));
        registry_.setValue(kFolderKey, QStringLiteral("MSINFO"), Value::text(QStringLiteral("C:\\Other")));
        launcher().StartSysInfo(nullptr);
        QCOMPARE(starter_.started, QStringList{QStringLiteral("C:\\Tools\\msinfo32.exe")});
        QVERIFY(files_.asked.isEmpty());
        QVERIFY(boxes_.texts().isEmpty());
    }

    void toolPathThatCannotStartShowsTheMessage() {
        registry_.setValue(kToolKey, QStringLiteral("PATH"), Value::text(QStringLiteral("/nowhere/tool")));
        starter_.works = false;
        launcher().StartSysInfo(nullptr);
        QCOMPARE(starter_.started.size(), 1);
        expectMessage();
    }

    void folderIsUsedWhenTheFileIsThere_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain folder") << QStringLiteral("C:\\Program Files\\Tools")
                                      << QStringLiteral("C:\\Program Files\\Tools\\MSINFO32.EXE");
        QTest::newRow("folder ending in a backslash")
            << QStringLiteral("C:\\Tools\\") << QStringLiteral("C:\\Tools\\\\MSINFO32.EXE");
    }

    void folderIsUsedWhenTheFileIsThere() {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        registry_.setValue(kFolderKey, QStringLiteral("MSINFO"), Value::text(folder));
        files_.present << path;
        launcher().StartSysInfo(nullptr);
        QCOMPARE(files_.asked, QStringList{path});
        QCOMPARE(starter_.started, QStringList{path});
        QVERIFY(boxes_.texts().isEmpty());
    }

    void folderWithoutTheFileShowsTheMessage() {
        registry_.setValue(kFolderKey, QStringLiteral("MSINFO"), Value::text(QStringLiteral("C:\\Tools")));
        launcher().StartSysInfo(nullptr);
        QCOMPARE(files_.asked, QStringList{QStringLiteral("C:\\Tools\\MSINFO32.EXE")});
        QVERIFY(starter_.started.isEmpty());
        expectMessage();
    }

    void folderWhoseStartFailsShowsTheMessage() {
        registry_.setValue(kFolderKey, QStringLiteral("MSINFO"), Value::text(QStringLiteral("C:\\Tools")));
        files_.present << QStringLiteral("C:\\Tools\\MSINFO32.EXE");
        starter_.works = false;
        launcher().StartSysInfo(nullptr);
        QCOMPARE(starter_.started.size(), 1);
        expectMessage();
    }

    void neitherValueShowsTheMessage() {
        launcher().StartSysInfo(nullptr);
        QVERIFY(starter_.started.isEmpty());
        QVERIFY(files_.asked.isEmpty());
        expectMessage();
    }

    void aFailureInsideEndsInTheMessage() {
        ThrowingRegistry broken;
        SystemInfoLauncher throwing(broken, files_, starter_, boxes_);
        throwing.StartSysInfo(nullptr);
        QVERIFY(starter_.started.isEmpty());
        expectMessage();
    }

private:
    SystemInfoLauncher launcher() { return SystemInfoLauncher(registry_, files_, starter_, boxes_); }

    std::int16_t get(QString key, QString name, QString& value) {
        std::uint32_t root = registry::kLocalMachine;
        return launcher().GetKeyValue(root, key, name, value);
    }

    void expectMessage() {
        QCOMPARE(boxes_.texts(), QStringList{QStringLiteral("目前無法提供系統資訊")});
        QCOMPARE(boxes_.shown()[0].buttons, MessageButtons::Ok);
        QCOMPARE(boxes_.shown()[0].icon, MessageIcon::None);
    }

    StandInRegistry registry_;
    FakeFiles files_;
    FakeStarter starter_;
    ScriptedMessageBoxes boxes_;
};

QTEST_GUILESS_MAIN(SysInfoLauncherTest)
#include "sysinfo_launcher_test.moc"
