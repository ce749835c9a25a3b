#pragma once

#include <QString>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// The database folder, "Quillox" in the application-data folder, made when missing; ends with
// "/" so that a file name can be appended.
QString getDatabaseFolder();

// The database folder as getDatabaseFolder names it, left as it is, made or not.
QString databaseFolderPath();

// The document store folder, "Quillox" in the documents folder, made when missing; ends
// with "/". Throws UserError naming the folder and the system's reason when it cannot be made.
QString getStoreFolder();

// The document store folder as getStoreFolder names it, left as it is, made or not.
QString storeFolderPath();

// The database file in the database folder.
QString getDatabaseFile();

// One more than the largest ID of the table, 1 for an empty table; leaves the cursor at the
// table's end, where the caller appends. Throws when the largest ID leaves no room.
int nextId(db::TDbTable& table);

} // namespace quillox::store
