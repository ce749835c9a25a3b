#include "store/folder_tree.h"

#include "db/tdb_table.h"
#include "store/folder_layout.h"
#include "store/locate_row.h"
#include "store/table_names.h"

#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <optional>

namespace quillox::store {
namespace {

std::vector<FolderLink> readLinks(db::TDbTable& folders) {
    folders.SetFiltered(false);
    db::TDbField& name = folders.FieldByName(nameColumn);
    db::TDbField& parent = folders.FieldByName(parentColumn);
    std::vector<FolderLink> links;
    for (folders.First(); !folders.Eof(); folders.Next())
        links.push_back({name.AsString(), parent.AsString()});
    return links;
}

// The Parent of the first row of the name, leaving the table on that row.
std::optional<QString> parentOf(db::TDbTable& folders, const QString& name) {
    if (!locateRow(folders, nameColumn, name))
        return std::nullopt;
    return folders.FieldByName(parentColumn).AsString();
}

} // namespace

void loadFolderTree(QTreeWidget& tree, db::TDbTable& folders) {
    tree.clear();
    const FolderLayout layout(readLinks(folders));

    std::vector<QTreeWidgetItem*> items;
    items.reserve(static_cast<std::size_t>(layout.nodeCount()));
    for (int node = 0; node < layout.nodeCount(); ++node)
        items.push_back(new QTreeWidgetItem(QStringList{layout.text(node)}));
    auto childItems = [&](int node) {
        QList<QTreeWidgetItem*> children;
        for (int child : layout.children(node))
            children.append(items[static_cast<std::size_t>(child)]);
        return children;
    };
    // Children join their parents before the tree sees any of them, so the control takes the
    // whole tree in one insertion.
    for (int node = 0; node < layout.nodeCount(); ++node)
        items[static_cast<std::size_t>(node)]->addChildren(childItems(node));

    // Expanding the folders is part of loading, not the user's doing: nothing is announced.
    const QSignalBlocker quiet(tree);
    tree.addTopLevelItems(childItems(-1));
    for (int node = 0; node < layout.nodeCount(); ++node) {
        if (layout.expanded(node))
            items[static_cast<std::size_t>(node)]->setExpanded(true);
    }
}

QString folderDisplayPath(db::TDbTable& folders, const QString& name) {
    folders.SetFiltered(false);
    QStringList path{name};
    QSet<QString> seen{name};
    for (;;) {
        const std::optional<QString> parent = parentOf(folders, path.front());
        if (!parent || *parent == topLevelMarker || seen.contains(*parent))
            break;
        path.prepend(*parent);
        seen.insert(*parent);
    }
    return path.join(" - ");
}

} // namespace quillox::store
