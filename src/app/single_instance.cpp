#include "app/single_instance.h"

#include "platform/socket_folder.h"
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
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::app {
namespace {

// A request takes two steps: the running copy acknowledges it, and carries it out only once the
// sender, still waiting, tells it to go ahead. A sender that gave up before the acknowledgement
// came has told the user that nothing was handed over, and closes without the second step.
const QByteArray acknowledgement = "ok\n";
const QByteArray goAhead = "go\n";
// How long a copy that runs has to take a request before it counts as not answering.
constexpr int answerMilliseconds = 5000;

QString socketNameFor(const QString& databaseFile) {
    const QByteArray hash =
        QCryptographicHash::hash(databaseFile.toUtf8(), QCryptographicHash::Sha256).toHex();
    return "quillox-" + QString::fromLatin1(hash.left(24));
}

platform::UserError cannotHandOver(const QString& reason) {
    return platform::UserError("Quillox is already running with this store, but nothing can be "
                               "handed to it: " +
                               reason);
}

platform::UserError cannotListen(const QString& reason) {
    return platform::UserError("Quillox cannot take files from its other copies: " + reason);
}

platform::UserError notAnswering() {
    return platform::UserError(
        "Quillox is already running with this store, and it does not answer. Close it first");
}

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

// Whether the running copy's socket is there yet. Anything of its name that is not a socket
// of this user's is refused: it would take the request for someone else.
bool ownSocketExists(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    if (!S_ISSOCK(status.st_mode) || status.st_uid != ::getuid())
        throw cannotHandOver("\"" + path + "\" is not a socket of yours");
    return true;
}

// One request line: "activate", or "open" and a file's URL. Anything else is ignored.
void answer(const QByteArray& line, const std::function<void(const QUrl&)>& activate) {
    const QByteArray request = line.trimmed();
    if (request == "activate") {
        activate({});
    } else if (request.startsWith("open ")) {
        const QUrl url = QUrl::fromEncoded(request.mid(5), QUrl::StrictMode);
        if (url.isLocalFile())
            activate(url);
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

// Acknowledges a connection's request, and answers it from the event loop once the sender goes
// ahead, outside the socket's signal: an answer may run a box's loop, in which the other copy
// ends and its socket is deleted.
void takeRequest(QLocalServer& server, QLocalSocket& socket, std::optional<QByteArray>& request,
                 const std::function<void(const QUrl&)>& activate) {
    while (socket.canReadLine()) {
        const QByteArray line = socket.readLine();
        if (!request) {
            request = line;
            socket.write(acknowledgement);
        } else if (line == goAhead) {
            QMetaObject::invokeMethod(
                &server, [line = *request, activate] { answer(line, activate); },
                Qt::QueuedConnection);
            socket.disconnectFromServer();
            return;
        }
    }
}

} // namespace

SingleInstance::SingleInstance(const QString& databaseFile)
    : lockPath_(databaseFile + ".lock"), lock_(lockPath_),
      socketName_(socketNameFor(databaseFile)) {
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

void SingleInstance::activateRunningCopy(const QString& file) {
    QString folder;
    try {
        folder = platform::socketFolder();
    } catch (const platform::UserError& error) {
        throw cannotHandOver(QString::fromStdString(error.what()));
    }
    const QString path = folder + "/" + socketName_;
    // The other copy may still be starting; give it a few seconds to listen.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        if (ownSocketExists(path)) {
            socket.connectToServer(path);
            if (socket.waitForConnected(500)) {
                if (!peerIsThisUser(socket.socketDescriptor()))
                    throw cannotHandOver("\"" + path + "\" is answered by another user");
                // A path may hold any character but NUL; as a URL it fits on one line.
                socket.write(file.isEmpty()
                                 ? QByteArray("activate\n")
                                 : "open " + QUrl::fromLocalFile(file).toEncoded() + "\n");
                // A stopped copy's socket takes the request all the same; only its answer
                // counts.
                const QDeadlineTimer answered(answerMilliseconds);
                while (!socket.canReadLine()) {
                    if (answered.hasExpired() ||
                        !socket.waitForReadyRead(int(answered.remainingTime())))
                        throw notAnswering();
                }
                if (socket.readLine() != acknowledgement)
                    throw notAnswering();
                socket.write(goAhead);
                // Waiting answers false when nothing is left to write, so ask only while there
                // is.
                while (socket.bytesToWrite() > 0) {
                    if (!socket.waitForBytesWritten(answerMilliseconds))
                        throw notAnswering();
                }
                return;
            }
        }
        QThread::msleep(100);
    }
    throw notAnswering();
}

void SingleInstance::listen(std::function<void(const QUrl& file)> activate) {
    QString folder;
    try {
        folder = platform::socketFolder();
    } catch (const platform::UserError& error) {
        throw cannotListen(QString::fromStdString(error.what()));
    }
    const QString path = folder + "/" + socketName_;
    server_ = std::make_unique<QLocalServer>();
    // We hold the lock, so a socket of that name was left by a copy that died.
    QLocalServer::removeServer(path);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path))
        throw cannotListen("\"" + path + "\": " + server_->errorString());
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [server = server_.get(), activate = std::move(activate)] {
                         while (QLocalSocket* socket = server->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             // Another user's requests are not taken, whatever they ask.
                             if (!peerIsThisUser(socket->socketDescriptor())) {
                                 socket->abort();
                                 socket->deleteLater();
                                 continue;
                             }
                             auto request = std::make_shared<std::optional<QByteArray>>();
                             QObject::connect(socket, &QLocalSocket::readyRead, socket,
                                              [server, socket, request, activate] {
                                                  takeRequest(*server, *socket, *request, activate);
                                              });
                         }
                     });
}

} // namespace quillox::app
