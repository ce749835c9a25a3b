#pragma once

#include <QString>

namespace quillox::db {

class SqliteConnection;

// Whether a journal that SQLite would play back lies beside the database file: a rollback
// journal of some bytes whose header is not zeroed, or a write-ahead log of some bytes. Only a
// run that ended in the middle of a change leaves one.
bool journalLeftBehind(const QString& databaseFile);

// Removes the rollback journal beside the connection's database when SQLite would not play it
// back (empty, or its header zeroed), as a run killed while starting a change leaves it. The
// connection holds the database's RESERVED lock meanwhile, so that no other connection is
// starting a change of its own. A journal that would be played back stays, and so does any
// journal of a database open for reading only. Returns whether one was removed. Throws DbError.
bool removeUnplayedJournal(SqliteConnection& connection);

} // namespace quillox::db
