#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillox::db {
class SqliteConnection;
}

namespace quillox::care {

// What a check reads of a Documents row, as the file keeps it.
struct DocumentRow {
    std::int64_t id = 0;
    std::string path;
    std::string folder;
};

// Every Documents row's ID, Path and Folder, in storage order. Throws DbError.
std::vector<DocumentRow> readDocumentRows(db::SqliteConnection& connection);

} // namespace quillox::care
