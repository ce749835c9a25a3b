#include "db/content_fingerprints.h"

#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/table_schema.h"

#include <algorithm>

namespace quillox::db {
namespace {

bool wellFormedSha256(const std::string& text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

void addFingerprintTable(SqliteConnection& connection) {
    if (connection.readOnly() || tableExists(connection, fingerprintTable))
        return;
    connection.execute("CREATE TABLE IF NOT EXISTS " + quoted(fingerprintTable) +
                       " (Name TEXT PRIMARY KEY NOT NULL, ID INTEGER NOT NULL,"
                       " Size INTEGER NOT NULL, Modified INTEGER NOT NULL,"
                       " Sha256 TEXT NOT NULL)");
}

void recordFingerprint(SqliteConnection& connection, const std::string& fileName,
                       const ContentFingerprint& fingerprint) {
    SqliteStatement statement(connection, "INSERT OR REPLACE INTO " + quoted(fingerprintTable) +
                                              " (Name, ID, Size, Modified, Sha256)"
                                              " VALUES (?1, ?2, ?3, ?4, ?5)");
    ScopedReset reset(statement);
    statement.bind(1, Value(fileName));
    statement.bind(2, fingerprint.documentId);
    statement.bind(3, fingerprint.size);
    statement.bind(4, fingerprint.modifiedNs);
    statement.bind(5, Value(fingerprint.sha256));
    statement.step();
    connection.noteChange();
}

void replaceFingerprints(SqliteConnection& connection, const ContentFingerprints& fingerprints) {
    addFingerprintTable(connection);
    connection.execute("DELETE FROM " + quoted(fingerprintTable));
    connection.noteChange();
    for (const auto& [name, fingerprint] : fingerprints)
        recordFingerprint(connection, name, fingerprint);
}

ContentFingerprints readFingerprints(SqliteConnection& connection) {
    ContentFingerprints fingerprints;
    if (!tableExists(connection, fingerprintTable))
        return fingerprints;
    SqliteStatement statement(connection, "SELECT Name, ID, Size, Modified, Sha256 FROM " +
                                              quoted(fingerprintTable));
    ScopedReset reset(statement);
    while (statement.step()) {
        ContentFingerprint fingerprint{statement.columnInt(1), statement.columnInt(2),
                                       statement.columnInt(3), statement.columnText(4)};
        if (wellFormedSha256(fingerprint.sha256) && fingerprint.size >= 0)
            fingerprints.emplace(statement.columnText(0), std::move(fingerprint));
    }
    return fingerprints;
}

} // namespace quillox::db
