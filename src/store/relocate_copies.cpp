#include "store/relocate_copies.h"

#include "db/content_fingerprints.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/tdb_database.h"
#include "platform/user_error.h"
#include "store/path_in_store.h"
#include "store/table_columns.h"
#include "store/table_names.h"

#include <QDir>
#include <QFile>
#include <map>

namespace quillox::store {
namespace {

struct DocumentRow {
    qint64 id = 0;
    std::string path;
};

std::vector<DocumentRow> readRows(db::SqliteConnection& connection) {
    db::SqliteStatement statement(
        connection,
        QString("SELECT %1, %2 FROM %3").arg(idColumn, pathColumn, documentsTable).toStdString());
    db::ScopedReset reset(statement);
    std::vector<DocumentRow> rows;
    while (statement.step())
        rows.push_back({statement.columnInt(0), statement.columnText(1)});
    return rows;
}

int pathWidth() {
    for (const ColumnDefinition& column : documentsColumns()) {
        if (column.name == pathColumn)
            return column.size;
    }
    return 0;
}

void setPath(db::SqliteStatement& update, const DocumentRow& row, const std::string& path) {
    db::ScopedReset reset(update);
    update.bind(1, db::Value(path));
    update.bind(2, row.id);
    update.bind(3, db::Value(row.path));
    update.step();
}

} // namespace

Relocation relocateCopies(db::TDbDatabase& database, const QString& oldStoreFolder,
                          const QString& newStoreFolder, const std::vector<RelocatedCopy>& copies) {
    db::SqliteConnection& connection = database.Connection();
    const QString newPrefix = QDir::cleanPath(newStoreFolder) + "/";
    std::map<QByteArray, const RelocatedCopy*> byOldName;
    for (const RelocatedCopy& copy : copies) {
        byOldName[copy.oldName] = &copy;
        const QString path = newPrefix + QFile::decodeName(copy.newName);
        if (path.toUtf8().size() > pathWidth()) {
            throw platform::UserError(
                QString("The path \"%1\" is longer than the %2 bytes a document's path may have. "
                        "Restore into a home whose documents folder has a shorter path.")
                    .arg(path)
                    .arg(pathWidth()));
        }
    }
    const db::ContentFingerprints recorded = db::readFingerprints(connection);
    Relocation relocation;
    db::ContentFingerprints fingerprints;
    connection.execute("BEGIN IMMEDIATE");
    try {
        db::SqliteStatement update(connection,
                                   QString("UPDATE %1 SET %2 = ?1 WHERE %3 = ?2 AND %2 = ?3")
                                       .arg(documentsTable, pathColumn, idColumn)
                                       .toStdString());
        for (const DocumentRow& row : readRows(connection)) {
            const std::optional<QByteArray> name =
                pathInStoreFolder(QString::fromStdString(row.path), oldStoreFolder);
            const auto copy = name ? byOldName.find(*name) : byOldName.end();
            if (copy == byOldName.end()) {
                relocation.rowsLeft.emplace_back(row.id, QString::fromStdString(row.path));
                continue;
            }
            setPath(update, row,
                    (newPrefix + QFile::decodeName(copy->second->newName)).toStdString());
            ++relocation.rowsMoved;
            fingerprints.try_emplace(copy->second->newName.toStdString(),
                                     db::ContentFingerprint{row.id, 0, 0, {}});
        }
        connection.noteChange();
        for (const RelocatedCopy& copy : copies) {
            const auto known = recorded.find(copy.oldName.toStdString());
            db::ContentFingerprint& fingerprint = fingerprints[copy.newName.toStdString()];
            if (known != recorded.end())
                fingerprint.documentId = known->second.documentId;
            fingerprint.size = copy.size;
            fingerprint.modifiedNs = copy.modifiedNs;
            fingerprint.sha256 = copy.sha256;
        }
        db::replaceFingerprints(connection, fingerprints);
        connection.execute("COMMIT");
    } catch (...) {
        connection.rollbackIfOpen();
        throw;
    }
    return relocation;
}

} // namespace quillox::store
