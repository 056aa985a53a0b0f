#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace dodoru {

// Where the program keeps its two files, Default.dat and out.txt.
//
// An installed program keeps them in the user's data folder, whoever runs it: a system folder such as
// /usr/games is no place for a user's files, even for root, who could write there. A program run in
// place (from its build tree, or from a folder of its own) keeps them beside its executable, or in
// the user's data folder when no file can be created beside it.
class FilesLocation {
public:
    struct Facts {
        QString executableDirectory;
        QString userDataDirectory;
        bool installed = false; // the executable lies in an installed tree (see liesInInstalledTree)
    };
    // Whether a new file can be created in a directory just now. An installed program's directory is
    // never asked: the question itself would leave a file there for a moment.
    using FileCreationProbe = std::function<bool(const QString& directory)>;

    // The rule, applied to the running program; creates the user's data folder when it is chosen.
    static FilesLocation forApplication();
    // The same choice without creating anything (for --help).
    static FilesLocation chosenForApplication();
    // The rule itself.
    static FilesLocation choose(const Facts& facts, const FileCreationProbe& canCreateFilesIn);

    // True when `executableDirectory` is the programs' folder of an installed tree: the package's
    // AppStream file lies where an installation puts it, relative to that folder.
    static bool liesInInstalledTree(const QString& executableDirectory);
    // The real probe: creates and removes a hidden file, the only test that also sees read-only
    // mounts and access control lists.
    static bool canCreateFilesIn(const QString& directory);

    // A fixed directory, no rule applied.
    explicit FilesLocation(QString directory) : directory_(std::move(directory)) {}

    const QString& directory() const { return directory_; }
    QString saveFilePath() const; // Default.dat
    QString logFilePath() const;  // out.txt

private:
    QString directory_;
};

} // namespace dodoru
