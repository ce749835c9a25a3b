#include "misc_ops.h"

#include "storage_folders.h"
#include "tdb_table.h"
#include "user_error.h"

#include <algorithm>
#include <limits>

namespace quillox::store {
namespace {

// A failure to make the folder shows when the first file is written in it, with the file
// system's own message.
QString quilloxFolderIn(const QString& base) {
    const QString folder = base + "/Quillox";
    platform::makeFolder(folder);
    return folder + "/";
}

} // namespace

QString getDatabaseFolder() {
    return quilloxFolderIn(platform::applicationDataFolder());
}

QString getStoreFolder() {
    return quilloxFolderIn(platform::documentsFolder());
}

QString getDatabaseFile() {
    return getDatabaseFolder() + "main.abs";
}

int nextId(db::TDbTable& table) {
    qint32 largest = 0;
    table.First();
    while (!table.Eof()) {
        largest = std::max(largest, table.FieldByName("ID").AsInteger());
        table.Next();
    }
    if (largest == std::numeric_limits<qint32>::max()) {
        throw platform::UserError("No identifier is left for a new row of table " +
                                  table.TableName() + ".");
    }
    return largest + 1;
}

} // namespace quillox::store
