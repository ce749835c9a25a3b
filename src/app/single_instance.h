#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QUrl;

namespace quillox::app {

// Keeps a second running copy of the program away from a database file that one copy has
// open: a lock beside the file, and a local socket through which the second copy asks the
// first to come to the front, or hands it a file to file.
class SingleInstance {
public:
    explicit SingleInstance(const QString& databaseFile);
    ~SingleInstance();

    enum class Holder {
        ThisCopy,              // the lock was free
        ThisCopyAfterADeadOne, // a copy that died left its lock, now taken over
        RunningCopy,           // another copy that runs holds it
    };

    // Takes the database for this copy when no running copy holds it. A lock that cannot be
    // made at all (a missing or read-only folder, a full disk) throws UserError naming the
    // folder and the system's reason.
    Holder acquire();
    // Asks the copy that holds the database to bring its windows to the front, or to file the
    // given file when there is one. The request counts once the running copy has acknowledged
    // it within a few seconds and been told to go ahead; a copy that answers late (a stopped
    // process) is never told to, and does nothing. Throws UserError when the request cannot be
    // handed over: no answer, or a socket or socket folder that is not the user's own.
    void activateRunningCopy(const QString& file = {});
    // Answers requests of other copies of the same user, each acknowledged at once and carried
    // out once its sender goes ahead: the URL of the file they hand over, or an empty URL.
    // Throws UserError when it cannot listen; the run goes on without taking requests.
    void listen(std::function<void(const QUrl& file)> activate);

private:
    QString lockPath_;
    QLockFile lock_;
    // The socket's name within the user's socket folder.
    QString socketName_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace quillox::app
