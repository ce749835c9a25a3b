#include "db/journal_left.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

bool journalLeftBehind(const QString& databaseFile) {
    return rollbackJournalLeft(databaseFile + "-journal") ||
           QFileInfo(databaseFile + "-wal").size() > 0;
}

} // namespace quillox::db
