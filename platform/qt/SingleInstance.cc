#include "platform/qt/SingleInstance.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <memory>

#include "platform/Platform.h"

namespace platform::qt {
namespace {

constexpr int kConnectMilliseconds = 300;
// A starting instance holds the lock a moment before it listens.
constexpr int kClaimMilliseconds = 3000;
constexpr int kRetryMilliseconds = 100;
const QByteArray kToggleMessage = QByteArrayLiteral("toggle");

std::unique_ptr<QLockFile> lock;
QLocalServer* server = nullptr;

QString InstancePath(const QString& suffix) {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("com.velmoor.Quillory-%1.%2")
                                     .arg(static_cast<qulonglong>(getuid()))
                                     .arg(suffix));
}

bool AskRunningInstanceToToggle(const QString& socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kConnectMilliseconds)) {
        return false;
    }
    socket.write(kToggleMessage);
    const bool sent = socket.waitForBytesWritten(kConnectMilliseconds);
    socket.disconnectFromServer();
    return sent;
}

void Listen(const QString& socketPath) {
    // A socket left by a crashed instance would make listen fail.
    QLocalServer::removeServer(socketPath);
    server = new QLocalServer(QCoreApplication::instance());
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server, &QLocalServer::newConnection, [] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            // The sender may be gone before its words are read, so read on both signals.
            const auto readRequest = [client] {
                if (client->bytesAvailable() > 0 && client->readAll().contains(kToggleMessage)) {
                    PostEvent({EventKind::StatusItem});
                }
            };
            QObject::connect(client, &QLocalSocket::readyRead, client, readRequest);
            QObject::connect(client, &QLocalSocket::disconnected, client, [client, readRequest] {
                readRequest();
                client->deleteLater();
            });
        }
    });
    server->listen(socketPath);
}

}  // namespace

bool ClaimSingleInstance() {
    const QString socketPath = InstancePath(QStringLiteral("socket"));
    lock = std::make_unique<QLockFile>(InstancePath(QStringLiteral("lock")));
    // Only a dead holder makes the lock stale, however long an instance runs.
    lock->setStaleLockTime(0);
    const QDeadlineTimer deadline(kClaimMilliseconds);
    while (!deadline.hasExpired()) {
        if (AskRunningInstanceToToggle(socketPath)) {
            lock.reset();
            return false;
        }
        if (lock->tryLock(0)) {
            Listen(socketPath);
            return true;
        }
        QThread::msleep(kRetryMilliseconds);
    }
    // A holder that never answers must not keep the user out: run unguarded.
    lock.reset();
    return true;
}

void ReleaseSingleInstance() {
    delete server;
    server = nullptr;
    lock.reset();
}

}  // namespace platform::qt
