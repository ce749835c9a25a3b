#include "store/misc_ops.h"

#include "db/tdb_table.h"
#include "platform/storage_folders.h"
#include "platform/user_error.h"

#include <algorithm>
#include <limits>

namespace quillox::store {

QString getDatabaseFolder() {
    // A failure to make the folder shows when the database file is created in it, with the
    // engine's message and number, which start-up reports.
    const QString folder = databaseFolderPath();
    platform::makeFolders(folder);
    return folder;
}

QString databaseFolderPath() {
    return platform::applicationDataFolder() + "/Quillox/";
}

QString getStoreFolder() {
    const QString folder = storeFolderPath();
    platform::makeFolder(folder, "store");
    return folder;
}

QString storeFolderPath() {
    return platform::documentsFolder() + "/Quillox/";
}

QString getDatabaseFile() {
    return getDatabaseFolder() + "main.abs";
}

int nextId(db::TDbTable& table) {
    // The ID index answers at once, where a pass over a table of years of filing would not,
    // and every row counts, so that a filter never makes an identifier be given twice.
    const qint64 largest = std::max<qint64>(0, table.LargestInteger("ID"));
    table.Last();
    if (largest >= std::numeric_limits<qint32>::max()) {
        throw platform::UserError("No identifier is left for a new row of table " +
                                  table.TableName() + ".");
    }
    return static_cast<int>(largest) + 1;
}

} // namespace quillox::store
