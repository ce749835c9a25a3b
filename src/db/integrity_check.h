#pragma once

#include <QString>

namespace quillox::db {

// Reads the whole database file with SQLite's integrity check and returns its first finding,
// or the empty text when the file is whole. The quick check would be quicker, but it
// does not compare the indexes with their tables, and an index that lost a row makes the next
// identifier one that is already given. A journal left beside the file is played back into a
// private copy of both, which is checked instead: the file and its journal are left exactly as
// they are. Throws DbError when the copy cannot be made.
QString integrityFindings(const QString& databaseFile);

} // namespace quillox::db
