#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

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
    // given file when there is one; true when it acknowledged the request within a few
    // seconds, false when it cannot be reached or does not answer (a stopped process).
    bool activateRunningCopy(const QString& file = {});
    // Answers other copies' requests, each acknowledged at once: the file they hand over, or
    // the empty text.
    void listen(std::function<void(const QString& file)> activate);

private:
    QString lockPath_;
    QLockFile lock_;
    QString serverName_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace quillox::app
