#include "db/journal_left.h"

#include "db/db_error.h"
#include "db/sqlite_connection.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace quillox::db {
namespace {

// SQLite takes a rollback journal as unfinished while its first byte is not zero.
bool rollbackJournalLeft(const QString& path) {
    QFile journal(path);
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    char first = 0;
    return journal.getChar(&first) && first != 0;
}

bool unplayedJournalThere(const QString& journal) {
    return QFileInfo::exists(journal) && !rollbackJournalLeft(journal);
}

} // namespace

bool journalLeftBehind(const QString& databaseFile) {
    return rollbackJournalLeft(databaseFile + "-journal") ||
           QFileInfo(databaseFile + "-wal").size() > 0;
}

bool removeUnplayedJournal(SqliteConnection& connection) {
    const QString journal = QString::fromStdString(connection.path()) + "-journal";
    if (connection.readOnly() || !unplayedJournalThere(journal))
        return false;
    connection.execute("BEGIN IMMEDIATE");
    // Looked at again under the lock: a change begun meanwhile has ended, and its journal with
    // it, or written its header.
    bool removed = false;
    int error = 0;
    if (unplayedJournalThere(journal)) {
        removed = ::unlink(QFile::encodeName(journal).constData()) == 0;
        error = removed || errno == ENOENT ? 0 : errno;
    }
    connection.execute("ROLLBACK");
    if (error != 0)
        throw DbError("The journal \"" + journal.toStdString() +
                      "\" could not be removed: " + std::strerror(error));
    return removed;
}

} // namespace quillox::db
