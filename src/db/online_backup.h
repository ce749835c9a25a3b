#pragma once

#include <QString>

namespace quillox::db {

// Copies the database file into a new file with SQLite's online backup: the copy is the
// database as it was between two transactions, even while the running program writes to it.
// The copy is made in one step under a read lock, which a running program's write waits for;
// while that program holds its write lock, the copy is tried again, for up to a minute. The
// source is only read: a change that a crash cut short (a journal left beside it) is refused,
// since playing it back means writing. The copy leaves out the names that filings under way
// recorded for their copies (see filing_intents.h). The target must not exist; it is not flushed to
// the disk, which is the caller's to do. Throws DbError; the target is then removed.
void backUpDatabase(const QString& source, const QString& target);

} // namespace quillox::db
