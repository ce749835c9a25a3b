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

    // True when this copy now holds the database; a lock left by a copy that ended without
    // releasing it is taken over.
    bool acquire();
    // Asks the copy that holds the database to bring its windows to the front, or to file the
    // given file when there is one; true when it answered.
    bool activateRunningCopy(const QString& file = {});
    // Answers other copies' requests: the file they hand over, or the empty text.
    void listen(std::function<void(const QString& file)> activate);

private:
    QLockFile lock_;
    QString serverName_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace quillox::app
