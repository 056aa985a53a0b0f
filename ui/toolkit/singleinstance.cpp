#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace dodoru {

namespace {

constexpr int kRetryPauseMs = 100;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");

// A folder of this user's that nobody else may enter; the reason when `path` is not one.
QString privateFolderFault(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(info.st_mode)) return QStringLiteral("not a folder");
    if (info.st_uid != ::getuid()) return QStringLiteral("owned by another user");
    if ((info.st_mode & 077) != 0) return QStringLiteral("open to other users");
    return {};
}

// $XDG_RUNTIME_DIR when it is such a folder, else one made for the purpose in the temporary folder.
QString privateRuntimeFolder(QString& why) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && privateFolderFault(runtime).isEmpty()) return runtime;
    const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("dodoru-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    why = privateFolderFault(own);
    if (!why.isEmpty()) {
        why = QDir::toNativeSeparators(own) + QStringLiteral(": ") + why;
        return {};
    }
    return own;
}

QString executableName(const QString& procLink) {
    QString target = QFile::symLinkTarget(procLink);
    target.remove(QStringLiteral(" (deleted)"));
    return QFileInfo(target).fileName();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

} // namespace

bool isLiveCopy(qint64 pid) {
    if (pid <= 0) return false;
    const QString process = QStringLiteral("/proc/%1").arg(pid);
    struct stat info {};
    if (::stat(QFile::encodeName(process).constData(), &info) != 0 || info.st_uid != ::getuid()) return false;
    const QString name = executableName(process + QStringLiteral("/exe"));
    return !name.isEmpty() && name == executableName(QStringLiteral("/proc/self/exe"));
}

SingleInstance::SingleInstance(const QString& saveFilePath, QObject* parent)
    : QObject(parent), lockPath_(saveFilePath + QStringLiteral(".lock")), lock_(lockPath_) {
    const QByteArray key = QFileInfo(saveFilePath).absoluteFilePath().toUtf8();
    const QString folder = privateRuntimeFolder(listenError_);
    if (!folder.isEmpty())
        serverName_ = QDir(folder).filePath(
            QStringLiteral("dodoru-%1")
                .arg(QString::fromLatin1(
                    QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16))));
    // Held for the whole run: only a copy whose process is gone leaves a stale lock.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::start() {
    const QDeadlineTimer deadline(kAnswerWaitMs);
    bool tookOver = false;
    for (;;) {
        if (lock_.tryLock(0)) {
            listen();
            return Start::First;
        }
        if (lock_.error() != QLockFile::LockFailedError) return Start::Unguarded;
        if (askOwnerToRaise()) return Start::AnotherRuns;
        if (deadline.hasExpired()) {
            // A copy that has started writes its process into the lock before it listens.
            if (isLiveCopy(ownerProcess())) return Start::AnotherSilent;
            if (tookOver || !takeOverStaleLock()) return Start::StaleKept;
            tookOver = true;
            continue;
        }
        QThread::msleep(kRetryPauseMs);
    }
}

bool SingleInstance::takeOverStaleLock() {
    // Removed only as it was judged: a copy that started meanwhile has written a lock of its own.
    const QByteArray judged = fileBytes(lockPath_);
    if (isLiveCopy(ownerProcess()) || fileBytes(lockPath_) != judged) return false;
    return lock_.removeStaleLockFile() || !QFileInfo::exists(lockPath_);
}

qint64 SingleInstance::ownerProcess() const {
    qint64 pid = 0;
    QString host;
    QString application;
    return lock_.getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::listen() {
    if (serverName_.isEmpty()) return; // listenError_ says why
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed copy is ours to replace: the lock says no other copy runs.
    if (!server_->listen(serverName_)) {
        QLocalServer::removeServer(serverName_);
        if (!server_->listen(serverName_)) {
            listenError_ =
                QDir::toNativeSeparators(serverName_) + QStringLiteral(": ") + server_->errorString();
            return;
        }
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
    if (serverName_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kAnswerWaitMs)) return false;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(kAnswerWaitMs)) return false;
    // The running copy hangs up once it has taken the request: that is its answer.
    return socket.state() != QLocalSocket::ConnectedState || socket.waitForDisconnected(kAnswerWaitMs);
}

} // namespace dodoru
