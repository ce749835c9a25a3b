#include "folder_fixtures.h"

#include "db/tdb_table.h"
#include "store/misc_ops.h"

#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

QString nodeShape(const QTreeWidgetItem& node) {
    QString shape = node.text(0);
    if (node.isExpanded())
        shape += "+";
    if (node.childCount() > 0) {
        QStringList children;
        for (int i = 0; i < node.childCount(); ++i)
            children.append(nodeShape(*node.child(i)));
        shape += "[" + children.join(", ") + "]";
    }
    return shape;
}

} // namespace

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

QString treeShape(const QTreeWidget& tree) {
    QStringList nodes;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        nodes.append(nodeShape(*tree.topLevelItem(i)));
    return nodes.join(", ");
}

QTreeWidgetItem* findNode(const QTreeWidget& tree, const QString& text) {
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        if ((*it)->text(0) == text)
            return *it;
    }
    return nullptr;
}
