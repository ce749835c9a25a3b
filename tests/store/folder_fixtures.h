#pragma once

#include <QString>
#include <ostream>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

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

// The tree as text: nodes from top to bottom, children in brackets after their parent, and
// "+" after an expanded node; "C, B, A+[X, Y]".
QString treeShape(const QTreeWidget& tree);

// The first node of that text from top to bottom, or none.
QTreeWidgetItem* findNode(const QTreeWidget& tree, const QString& text);
