#pragma once

#include <string>
#include <vector>

namespace quillox::db {

class SqliteConnection;

// The engine's own table of the stored names that filings are about to give their copies,
// beside the tables that statements can name. A name stays recorded until the filing's row is
// committed or the filing gave up, so that a start after a kill can tell a copy that a filing
// named but never recorded from any other file.
inline constexpr const char* filingIntentTable = "Documents.intents";

// Adds the table when the file lacks it; writes nothing when it is there or when the file can
// only be read. Throws DbError.
void addFilingIntentTable(SqliteConnection& connection);

// Records, in a transaction of its own, that a filing is about to name its copy so; the
// filing's start is stored beside it. Throws DbError, also when the file has no such table.
void recordFilingIntent(SqliteConnection& connection, const std::string& fileName);

// Forgets the name; nothing when it is not recorded. Throws DbError.
void dropFilingIntent(SqliteConnection& connection, const std::string& fileName);

// Every recorded name; none when the file has no such table. Throws DbError.
std::vector<std::string> readFilingIntents(SqliteConnection& connection);

} // namespace quillox::db
