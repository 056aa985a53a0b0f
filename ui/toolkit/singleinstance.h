#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace dodoru {

// One running copy per save file: two copies would each save their own givens over the other's, and a
// clear in one would delete what the other just saved. The first copy holds a lock file beside the save
// file and listens on a local socket named after the save file; a later start finds the lock held, asks
// the running copy through the socket to come to the front, and ends. The lock of a copy that was
// killed is taken over (its process is gone).
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,       // this copy holds the lock and listens for later starts
        Unguarded,   // no lock can be made there (a read-only folder): this copy runs unguarded
        AnotherRuns, // another copy holds the lock and was asked to come to the front
        AnotherSilent, // another copy holds the lock but did not answer
    };

    explicit SingleInstance(const QString& saveFilePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    Start start();

    QString lockFilePath() const { return lockPath_; }
    // The local socket's name: the same for every copy that uses this save file (and this user).
    QString serverName() const { return serverName_; }
    // The process that holds the lock, as the lock file says (0 when unknown).
    qint64 ownerProcess() const;

signals:
    // A later start asked this copy to come to the front.
    void raiseRequested();

private:
    bool askOwnerToRaise() const;
    void listen();

    QString lockPath_;
    QString serverName_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace dodoru
