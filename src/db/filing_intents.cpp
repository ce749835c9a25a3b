#include "db/filing_intents.h"

#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/table_schema.h"

#include <chrono>

namespace quillox::db {

void addFilingIntentTable(SqliteConnection& connection) {
    if (connection.readOnly() || tableExists(connection, filingIntentTable))
        return;
    connection.execute("CREATE TABLE IF NOT EXISTS " + quoted(filingIntentTable) +
                       " (Name TEXT PRIMARY KEY NOT NULL, Started INTEGER NOT NULL)");
}

void recordFilingIntent(SqliteConnection& connection, const std::string& fileName) {
    SqliteStatement statement(connection, "INSERT OR REPLACE INTO " + quoted(filingIntentTable) +
                                              " (Name, Started) VALUES (?1, ?2)");
    ScopedReset reset(statement);
    statement.bind(1, Value(fileName));
    statement.bind(
        2, static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                         std::chrono::system_clock::now().time_since_epoch())
                                         .count()));
    statement.step();
    connection.noteChange();
}

void dropFilingIntent(SqliteConnection& connection, const std::string& fileName) {
    SqliteStatement statement(connection,
                              "DELETE FROM " + quoted(filingIntentTable) + " WHERE Name = ?1");
    ScopedReset reset(statement);
    statement.bind(1, Value(fileName));
    statement.step();
    connection.noteChange();
}

std::vector<std::string> readFilingIntents(SqliteConnection& connection) {
    std::vector<std::string> names;
    if (!tableExists(connection, filingIntentTable))
        return names;
    SqliteStatement statement(connection, "SELECT Name FROM " + quoted(filingIntentTable));
    ScopedReset reset(statement);
    while (statement.step())
        names.push_back(statement.columnText(0));
    return names;
}

} // namespace quillox::db
