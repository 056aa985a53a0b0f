// Where Default.dat and out.txt live: the rule, on injected facts so that it does not depend on who
// runs the tests, and the two facts it is given, found on real folders.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "fileslocation.h"
#include "projectinfo.h"

using namespace dodoru;

namespace {

void makeFile(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class FilesLocationTest : public QObject {
    Q_OBJECT

private slots:
    void rule_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("folderWritable"); // by its permissions, for an ordinary user
        QTest::addColumn<bool>("root");           // root creates files whatever the permissions say
        QTest::addColumn<bool>("besideExecutable");
        QTest::newRow("installed, ordinary user") << true << false << false << false;
        QTest::newRow("installed, root") << true << false << true << false;
        QTest::newRow("installed in the user's own writable prefix") << true << true << false << false;
        QTest::newRow("in place, writable folder, ordinary user") << false << true << false << true;
        QTest::newRow("in place, writable folder, root") << false << true << true << true;
        QTest::newRow("in place, read-only folder, ordinary user") << false << false << false << false;
        QTest::newRow("in place, read-only folder, root") << false << false << true << true;
    }

    void rule() {
        QFETCH(bool, installed);
        QFETCH(bool, folderWritable);
        QFETCH(bool, root);
        QFETCH(bool, besideExecutable);
        const FilesLocation::Facts facts{QStringLiteral("/opt/exe"), QStringLiteral("/home/u/.local/share/dodoru"),
                                         installed};
        QStringList probed;
        const FilesLocation location = FilesLocation::choose(facts, [&](const QString& directory) {
            probed << directory;
            return root || folderWritable;
        });
        QCOMPARE(location.directory(), besideExecutable ? facts.executableDirectory : facts.userDataDirectory);
        QCOMPARE(location.saveFilePath(), location.directory() + QStringLiteral("/Default.dat"));
        QCOMPARE(location.logFilePath(), location.directory() + QStringLiteral("/out.txt"));
        // Probing an installed program's folder would itself write there for a moment.
        QCOMPARE(probed, installed ? QStringList() : QStringList{facts.executableDirectory});
    }

    void installedTreeIsRecognised_data() {
        QTest::addColumn<QString>("executableDirectory");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("installed");
        const QString metainfo = QStringLiteral("usr/share/metainfo/%1.metainfo.xml")
                                     .arg(QString::fromLatin1(project::kApplicationId));
        QTest::newRow("the package's layout") << QStringLiteral("usr/games")
                                              << QStringList{QStringLiteral("usr/games/dodoru"), metainfo}
                                              << true;
        QTest::newRow("a build tree") << QStringLiteral("build/bin")
                                      << QStringList{QStringLiteral("build/bin/dodoru"),
                                                     QStringLiteral("build/packaging/x.metainfo.xml")}
                                      << false;
        QTest::newRow("a folder of its own") << QStringLiteral("dodoru")
                                             << QStringList{QStringLiteral("dodoru/dodoru")} << false;
        QTest::newRow("another program's installed tree")
            << QStringLiteral("usr/games")
            << QStringList{QStringLiteral("usr/games/dodoru"),
                           QStringLiteral("usr/share/metainfo/org.example.other.metainfo.xml")}
            << false;
    }

    void installedTreeIsRecognised() {
        QFETCH(QString, executableDirectory);
        QFETCH(QStringList, files);
        QFETCH(bool, installed);
        QTemporaryDir root;
        for (const QString& file : files) makeFile(root.filePath(file));
        QCOMPARE(FilesLocation::liesInInstalledTree(root.filePath(executableDirectory)), installed);
    }

    void probeFindsWhereFilesCanBeCreated_data() {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<bool>("canCreate");
        QTest::newRow("a writable folder") << QStringLiteral("writable") << true;
        QTest::newRow("a missing folder") << QStringLiteral("missing") << false;
        QTest::newRow("a file, not a folder") << QStringLiteral("plain-file") << false;
        QTest::newRow("no path") << QString() << false;
        // /proc never accepts new files, whoever runs the tests.
        QTest::newRow("a read-only mount") << QStringLiteral("/proc/self") << false;
    }

    void probeFindsWhereFilesCanBeCreated() {
        QFETCH(QString, directory);
        QFETCH(bool, canCreate);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("writable")));
        makeFile(root.filePath(QStringLiteral("plain-file")));
        const QString path = directory.isEmpty() || QDir::isAbsolutePath(directory) ? directory
                                                                                     : root.filePath(directory);
        QCOMPARE(FilesLocation::canCreateFilesIn(path), canCreate);
        // The probe leaves nothing behind.
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("plain-file"), QStringLiteral("writable")}));
        QVERIFY(QDir(root.filePath(QStringLiteral("writable"))).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
};

QTEST_GUILESS_MAIN(FilesLocationTest)
#include "fileslocation_test.moc"
