#include "singleinstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace dodoru {

namespace {

constexpr int kAnswerWaitMs = 3000;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");

} // namespace

SingleInstance::SingleInstance(const QString& saveFilePath, QObject* parent)
    : QObject(parent), lockPath_(saveFilePath + QStringLiteral(".lock")), lock_(lockPath_) {
    const QByteArray key = QFileInfo(saveFilePath).absoluteFilePath().toUtf8();
    serverName_ = QStringLiteral("dodoru-%1-%2")
                      .arg(::getuid())
                      .arg(QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16)));
    // Held for the whole run: only a copy whose process is gone leaves a stale lock.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::start() {
    if (lock_.tryLock(0)) {
        listen();
        return Start::First;
    }
    if (lock_.error() != QLockFile::LockFailedError) return Start::Unguarded;
    return askOwnerToRaise() ? Start::AnotherRuns : Start::AnotherSilent;
}

qint64 SingleInstance::ownerProcess() const {
    qint64 pid = 0;
    QString host;
    QString application;
    return lock_.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed copy is ours to replace: the lock says no other copy runs.
    if (!server_->listen(serverName_)) {
        QLocalServer::removeServer(serverName_);
        server_->listen(serverName_);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->readAll().contains(kRaiseRequest)) return;
                emit raiseRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askOwnerToRaise() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(kAnswerWaitMs)) return false;
    // The running copy hangs up once it has taken the request.
    if (socket.state() == QLocalSocket::ConnectedState) socket.waitForDisconnected(kAnswerWaitMs);
    return true;
}

} // namespace dodoru
