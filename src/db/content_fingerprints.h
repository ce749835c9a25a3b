#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace quillox::db {

class SqliteConnection;

// What a stored copy was when the store last knew its content: its size and modification time,
// which tell cheaply whether it may have changed since, and the SHA-256 of its bytes.
struct ContentFingerprint {
    std::int64_t documentId = 0; // the document the copy was filed for
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since the epoch
    std::string sha256;          // 64 lowercase hexadecimal digits
};

// Fingerprints by the copy's file name in the store folder.
using ContentFingerprints = std::unordered_map<std::string, ContentFingerprint>;

// The engine's own table of fingerprints, beside the tables that statements can name; it
// outlives the rows, so that a deleted document's copy is still known as one.
inline constexpr const char* fingerprintTable = "Documents.fingerprints";

// Adds the table when the file lacks it; writes nothing when it is there or when the file can
// only be read. Throws DbError.
void addFingerprintTable(SqliteConnection& connection);

// Records the fingerprint of the named copy, replacing an earlier one. Throws DbError, also
// when the file has no fingerprint table.
void recordFingerprint(SqliteConnection& connection, const std::string& fileName,
                       const ContentFingerprint& fingerprint);

// Makes these the recorded fingerprints, and no others; adds the table when the file lacks it.
// Call inside a transaction, so that no reader sees the table in between. Throws DbError.
void replaceFingerprints(SqliteConnection& connection, const ContentFingerprints& fingerprints);

// Every recorded fingerprint; none when the file has no fingerprint table. A row that is not
// well formed (another tool's write) is left out, as if never recorded. Throws DbError.
ContentFingerprints readFingerprints(SqliteConnection& connection);

} // namespace quillox::db
