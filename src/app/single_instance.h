#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace quillox::app {

// Keeps a second running copy of the program away from a database file that one copy has
// open: a lock beside the file, and a local socket through which the second copy asks the
// first to come to the front.
class SingleInstance {
public:
    explicit SingleInstance(const QString& databaseFile);
    ~SingleInstance();

    // True when this copy now holds the database; a lock left by a copy that ended without
    // releasing it is taken over.
    bool Acquire();
    // Asks the copy that holds the database to bring its windows to the front; true when it
    // answered.
    bool ActivateRunningCopy();
    // Answers other copies' requests with this action.
    void Listen(std::function<void()> activate);

private:
    QLockFile lock_;
    QString serverName_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace quillox::app
