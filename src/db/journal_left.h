#pragma once

#include <QString>

namespace quillox::db {

// Whether a journal that SQLite would play back lies beside the database file: a rollback
// journal of some bytes whose header is not zeroed, or a write-ahead log of some bytes. Only a
// run that ended in the middle of a change leaves one.
bool journalLeftBehind(const QString& databaseFile);

} // namespace quillox::db
