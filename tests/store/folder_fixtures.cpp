#include "folder_fixtures.h"

#include "db/tdb_table.h"
#include "store/misc_ops.h"

void appendFolders(quillox::db::TDbTable& folders, const std::vector<FolderRow>& rows) {
    int id = quillox::store::nextId(folders);
    for (const FolderRow& row : rows) {
        folders.Append();
        folders.FieldByName("ID").SetAsInteger(id++);
        folders.FieldByName("Name").SetAsString(row.name);
        folders.FieldByName("Parent").SetAsString(row.parent);
        folders.FieldByName("Picture").SetAsInteger(0);
        folders.Post();
    }
}

std::vector<FolderRow> folderRows(quillox::db::TDbTable& folders) {
    std::vector<FolderRow> rows;
    for (folders.First(); !folders.Eof(); folders.Next()) {
        rows.push_back(
            {folders.FieldByName("Name").AsString(), folders.FieldByName("Parent").AsString()});
    }
    return rows;
}
