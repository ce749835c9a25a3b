#include "single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace quillox::app {
namespace {

QString serverNameFor(const QString& databaseFile) {
    const QByteArray hash =
        QCryptographicHash::hash(databaseFile.toUtf8(), QCryptographicHash::Sha256).toHex();
    return "quillox-" + QString::number(getuid()) + "-" + QString::fromLatin1(hash.left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString& databaseFile)
    : lock_(databaseFile + ".lock"), serverName_(serverNameFor(databaseFile)) {
    // Only a dead owner makes a lock stale, never its age: a run can last for weeks.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    return lock_.tryLock(0);
}

bool SingleInstance::ActivateRunningCopy() {
    // The other copy may still be starting; give it a few seconds to listen.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(500)) {
            socket.write("activate\n");
            return socket.waitForBytesWritten(2000);
        }
        QThread::msleep(100);
    }
    return false;
}

void SingleInstance::Listen(std::function<void()> activate) {
    server_ = std::make_unique<QLocalServer>();
    // We hold the lock, so a socket of that name was left by a copy that died.
    QLocalServer::removeServer(serverName_);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(serverName_);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [server = server_.get(), activate = std::move(activate)] {
                         while (QLocalSocket* socket = server->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             activate();
                         }
                     });
}

} // namespace quillox::app
