#include "care/backup_selection.h"

#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "platform/open_below.h"
#include "platform/unfinished_copy.h"
#include "store/path_in_store.h"
#include "store/table_names.h"

#include <QList>
#include <algorithm>
#include <map>

namespace quillox::care {
namespace {

// A name that a filing could have made: one that stays below the folder and is no unfinished
// copy's hidden file.
bool takeable(const QByteArray& name) {
    if (!platform::isPathBelow(name))
        return false;
    const QList<QByteArray> parts = name.split('/');
    return std::none_of(parts.begin(), parts.end(), platform::isUnfinishedCopyName);
}

} // namespace

BackupSelection selectCopies(db::SqliteConnection& connection, const QString& storeFolder) {
    BackupSelection selection;
    std::map<QByteArray, CopyToTake> copies;
    db::SqliteStatement statement(
        connection, QString("SELECT %1, %2 FROM %3")
                        .arg(store::idColumn, store::pathColumn, store::documentsTable)
                        .toStdString());
    db::ScopedReset reset(statement);
    while (statement.step()) {
        ++selection.documents;
        const QString path = QString::fromStdString(statement.columnText(1));
        const QString row = QString("document %1: %2").arg(statement.columnInt(0)).arg(path);
        const std::optional<QByteArray> name = store::pathInStoreFolder(path, storeFolder);
        if (!name || !takeable(*name)) {
            selection.outside << row;
            continue;
        }
        CopyToTake& copy = copies[*name];
        copy.name = *name;
        copy.rows << row;
    }
    for (auto& [name, fingerprint] : db::readFingerprints(connection)) {
        const QByteArray key = QByteArray::fromStdString(name);
        if (!takeable(key))
            continue;
        CopyToTake& copy = copies[key];
        copy.name = key;
        copy.fingerprint = std::move(fingerprint);
    }
    for (auto& [name, copy] : copies)
        selection.copies.push_back(std::move(copy));
    return selection;
}

} // namespace quillox::care
