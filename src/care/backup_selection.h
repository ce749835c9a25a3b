#pragma once

#include "db/content_fingerprints.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace quillox::db {
class SqliteConnection;
}

namespace quillox::care {

// A stored copy that a backup takes, by its path below the store folder.
struct CopyToTake {
    QByteArray name;
    // The fingerprint recorded for it, when there is one.
    std::optional<db::ContentFingerprint> fingerprint;
    // The rows that name it, as "document ID: Path"; none for the kept copy of a deleted
    // document, whose absence is no finding.
    QStringList rows;
};

struct BackupSelection {
    std::vector<CopyToTake> copies; // by name, each once
    qsizetype documents = 0;
    // The rows whose Path lies outside the store folder, as "document ID: Path".
    QStringList outside;
};

// What a backup of this database takes from the store folder: the copy of every Documents row
// whose Path lies below the folder, and every copy that the fingerprint table names (the kept
// copies of deleted documents); never the hidden file of an unfinished copy. Throws DbError.
BackupSelection selectCopies(db::SqliteConnection& connection, const QString& storeFolder);

} // namespace quillox::care
