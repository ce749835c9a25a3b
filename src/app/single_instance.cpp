#include "app/single_instance.h"

#include "platform/user_error.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillox::app {
namespace {

const QByteArray acknowledgement = "ok\n";
// How long a copy that runs has to take a request before it counts as not answering.
constexpr int answerMilliseconds = 5000;

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

// Why a lock file cannot be made in the folder, as the system says it: the steps of making one
// are tried on a probe file, which is removed again.
QString lockFailureReason(const QString& folder) {
    const QByteArray probe =
        QFile::encodeName(folder + "/.quillox-probe-" + QString::number(::getpid()));
    const int file = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const char byte = 0;
    const bool written = ::write(file, &byte, 1) == 1 && ::fsync(file) == 0;
    const int error = errno;
    ::close(file);
    ::unlink(probe.constData());
    return written ? QString("the lock file could not be made")
                   : QString::fromLocal8Bit(std::strerror(error));
}

// Acknowledges the socket's requests at once, and answers them from the event loop, outside the
// socket's signal: an answer may run a box's loop, in which the other copy ends and its socket
// is deleted.
void answerLater(QLocalServer& server, QLocalSocket& socket,
                 const std::function<void(const QString&)>& activate) {
    while (socket.canReadLine()) {
        socket.write(acknowledgement);
        QMetaObject::invokeMethod(
            &server, [line = socket.readLine(), activate] { answer(line, activate); },
            Qt::QueuedConnection);
    }
}

} // namespace

SingleInstance::SingleInstance(const QString& databaseFile)
    : lockPath_(databaseFile + ".lock"), lock_(lockPath_),
      serverName_(serverNameFor(databaseFile)) {
    // Only a dead owner makes a lock stale, never its age: a run can last for weeks.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Holder SingleInstance::acquire() {
    // Free once taken, a lock that was there before belonged to a copy that died.
    const bool leftBehind = QFileInfo::exists(lockPath_);
    if (lock_.tryLock(0))
        return leftBehind ? Holder::ThisCopyAfterADeadOne : Holder::ThisCopy;
    if (lock_.error() == QLockFile::LockFailedError)
        return Holder::RunningCopy;
    const QString folder = QFileInfo(lockPath_).absolutePath();
    throw platform::UserError("Quillox cannot lock its database in \"" + folder +
                              "\": " + lockFailureReason(folder) +
                              ". Check that the folder exists, that you may write in it, and "
                              "that its disk has room");
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
                if (!socket.waitForBytesWritten(answerMilliseconds))
                    return false;
            }
            // A stopped copy's socket takes the request all the same; only its answer counts.
            const QDeadlineTimer answered(answerMilliseconds);
            while (!socket.canReadLine()) {
                if (answered.hasExpired() ||
                    !socket.waitForReadyRead(int(answered.remainingTime())))
                    return false;
            }
            return socket.readLine() == acknowledgement;
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
