#pragma once

#include "db/tdb_database.h"

#include <QString>
#include <ostream>

namespace quillox::db::shell {

// One open database and the commands run on it: a statement, or a dot-command (.tables,
// .schema TABLE, .append TABLE Column=value ...).
class ShellSession {
public:
    // Opens the existing file; a missing one is an error, never created. Results go to out,
    // warnings to err.
    ShellSession(const QString& databaseFile, std::ostream& out, std::ostream& err);

    // Runs one command; a blank one does nothing. Throws with the message for the user.
    void run(const QString& command);

private:
    void runDotCommand(const QString& command);

    TDbDatabase database_{"quillox-db"};
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace quillox::db::shell
