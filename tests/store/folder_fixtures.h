#pragma once

#include <QString>
#include <ostream>
#include <vector>

namespace quillox::db {
class TDbTable;
}

struct FolderRow {
    QString name;
    QString parent;

    bool operator==(const FolderRow&) const = default;
};

inline void PrintTo(const FolderRow& row, std::ostream* out) {
    *out << row.name.toStdString() << " < " << row.parent.toStdString();
}

// Appends the rows in their order, with identifiers following the largest one present.
void appendFolders(quillox::db::TDbTable& folders, const std::vector<FolderRow>& rows);

// Every row's Name and Parent, in table order.
std::vector<FolderRow> folderRows(quillox::db::TDbTable& folders);
