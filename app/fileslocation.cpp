#include "fileslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "projectinfo.h"

namespace dodoru {

FilesLocation FilesLocation::forApplication() {
    FilesLocation location = chosenForApplication();
    // A directory that cannot be made shows up later as a failure to open the file, with its reason.
    QDir().mkpath(location.directory());
    return location;
}

FilesLocation FilesLocation::chosenForApplication() {
    const QString executableDirectory = QCoreApplication::applicationDirPath();
    return choose({executableDirectory, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                   liesInInstalledTree(executableDirectory)},
                  &FilesLocation::canCreateFilesIn);
}

FilesLocation FilesLocation::choose(const Facts& facts, const FileCreationProbe& canCreateFilesIn) {
    if (!facts.installed && canCreateFilesIn(facts.executableDirectory))
        return FilesLocation(facts.executableDirectory);
    return FilesLocation(facts.userDataDirectory);
}

bool FilesLocation::liesInInstalledTree(const QString& executableDirectory) {
    return !executableDirectory.isEmpty() &&
           QFileInfo(QDir(executableDirectory).filePath(QString::fromUtf8(project::kInstalledMarker))).isFile();
}

bool FilesLocation::canCreateFilesIn(const QString& directory) {
    if (directory.isEmpty() || !QFileInfo(directory).isDir()) return false;
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".dodoru-probe-XXXXXX")));
    return probe.open();
}

QString FilesLocation::saveFilePath() const {
    return QDir(directory_).filePath(QStringLiteral("Default.dat"));
}

QString FilesLocation::logFilePath() const {
    return QDir(directory_).filePath(QStringLiteral("out.txt"));
}

} // namespace dodoru
