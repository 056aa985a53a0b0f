#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace dodoru {

// One running copy per save file: two copies would each save their own givens over the other's, and a
// clear in one would delete what the other just saved. The first copy holds a lock file beside the save
// file and listens on a local socket named after the save file, in the user's own runtime folder; a later
// start finds the lock held, asks the running copy through the socket to come to the front, and ends.
// A copy just starting may not listen yet: a later start asks again for a short while. A lock whose
// owner does not answer by then and is no live copy of this program of this user (its process is gone,
// or the file names none, as a power loss can leave it) is stale and taken over.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,         // this copy holds the lock and listens for later starts
        Unguarded,     // no lock can be made there (a read-only folder): this copy runs unguarded
        AnotherRuns,   // another copy holds the lock and was asked to come to the front
        AnotherSilent, // a live copy holds the lock but did not answer
        StaleKept,     // the lock is stale but could not be taken over
    };

    // How long a later start keeps asking before it judges the lock (milliseconds).
    static constexpr int kAnswerWaitMs = 3000;

    explicit SingleInstance(const QString& saveFilePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    Start start();

    QString lockFilePath() const { return lockPath_; }
    // Why the first copy does not listen (no private folder, or the socket could not be made); empty
    // when it listens. A later start then cannot find it.
    QString listenError() const { return listenError_; }
    // The process that holds the lock, as the lock file says (0 when unknown).
    qint64 ownerProcess() const;

signals:
    // A later start asked this copy to come to the front.
    void raiseRequested();

private:
    bool askOwnerToRaise() const;
    bool takeOverStaleLock();
    void listen();

    QString lockPath_;
    // The local socket's path: the same for every copy that uses this save file, in a folder only this
    // user may enter ($XDG_RUNTIME_DIR, else a folder of mode 700 of the user's in the temporary
    // folder); empty when there is no such folder.
    QString serverName_;
    QString listenError_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

// Whether `pid` is a running copy of this program (the same executable's name) of this user.
bool isLiveCopy(qint64 pid);

} // namespace dodoru
