#include "store/folder_tree.h"

#include "db/tdb_table.h"
#include "store/locate_row.h"
#include "store/table_names.h"

#include <QSet>
#include <optional>

namespace quillox::store {
namespace {

// The Parent of the first row of the name, leaving the table on that row.
std::optional<QString> parentOf(db::TDbTable& folders, const QString& name) {
    if (!locateRow(folders, nameColumn, name))
        return std::nullopt;
    return folders.FieldByName(parentColumn).AsString();
}

} // namespace

std::vector<FolderLink> folderLinks(db::TDbTable& folders) {
    folders.SetFiltered(false);
    db::TDbField& name = folders.FieldByName(nameColumn);
    db::TDbField& parent = folders.FieldByName(parentColumn);
    std::vector<FolderLink> links;
    for (folders.First(); !folders.Eof(); folders.Next())
        links.push_back({name.AsString(), parent.AsString()});
    return links;
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
