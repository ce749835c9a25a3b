#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QUrl>
#include <unistd.h>

namespace quillox::app {
namespace {

QString serverNameFor(const QString& databaseFile) {
    const QByteArray hash =
        QCryptographicHash::hash(databaseFile.toUtf8(), QCryptographicHash::Sha256).toHex();
    return "quillox-" + QString::number(getuid()) + "-" + QString::fromLatin1(hash.left(24));
}

// One request line: "activate", or "open" and a file's URL. Anything else is ignored.
void answer(const QByteArray& line, const std::function<void(const QString&)>& activate) {
    const QByteArray request = line.trimmed();
    if (request == "activate") {
        activate({});
    } else if (request.startsWith("open ")) {
        const QUrl url = QUrl::fromEncoded(request.mid(5), QUrl::StrictMode);
        if (url.isLocalFile())
            activate(url.toLocalFile());
    }
}

// Answers the socket's requests from the event loop, outside the socket's signal: an answer may
// run a box's loop, in which the other copy ends and its socket is deleted.
void answerLater(QLocalServer& server, QLocalSocket& socket,
                 const std::function<void(const QString&)>& activate) {
    while (socket.canReadLine()) {
        QMetaObject::invokeMethod(
            &server, [line = socket.readLine(), activate] { answer(line, activate); },
            Qt::QueuedConnection);
    }
}

} // namespace

SingleInstance::SingleInstance(const QString& databaseFile)
    : lock_(databaseFile + ".lock"), serverName_(serverNameFor(databaseFile)) {
    // Only a dead owner makes a lock stale, never its age: a run can last for weeks.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire() {
    return lock_.tryLock(0);
}

bool SingleInstance::activateRunningCopy(const QString& file) {
    // The other copy may still be starting; give it a few seconds to listen.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(500)) {
            // A path may hold any character but NUL; as a URL it fits on one line.
            socket.write(file.isEmpty() ? QByteArray("activate\n")
                                        : "open " + QUrl::fromLocalFile(file).toEncoded() + "\n");
            // Waiting answers false when nothing is left to write, so ask only while there is.
            while (socket.bytesToWrite() > 0) {
                if (!socket.waitForBytesWritten(2000))
                    return false;
            }
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

void SingleInstance::listen(std::function<void(const QString& file)> activate) {
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
                             QObject::connect(socket, &QLocalSocket::readyRead, socket,
                                              [server, socket, activate] {
                                                  answerLater(*server, *socket, activate);
                                              });
                         }
                     });
}

} // namespace quillox::app
