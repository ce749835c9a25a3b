#pragma once

namespace quillox::db {
class SqliteConnection;
}

namespace quillox::care {

class CheckReport;

// Which tables hold the columns that the rest of a check reads.
struct SchemaUse {
    bool documents = false; // ID, Path and Folder
    bool folders = false;   // Name and Parent
};

// Reports every table the program makes that is missing, and every column that is missing or
// differs from the program's in type, width or being required. Throws DbError when the file
// cannot be read.
SchemaUse reportSchema(db::SqliteConnection& connection, CheckReport& report);

} // namespace quillox::care
