#include "store/set_folder_parent.h"

#include "db/tdb_table.h"
#include "store/post_or_cancel.h"
#include "store/table_names.h"

namespace quillox::store {

void setFolderParent(db::TDbTable& folders, const QString& name, const QString& parent) {
    folders.SetFiltered(false);
    db::TDbField& nameField = folders.FieldByName(nameColumn);
    db::TDbField& parentField = folders.FieldByName(parentColumn);
    // Posting keeps the edited row current, so the walk goes on from it.
    for (folders.First(); !folders.Eof(); folders.Next()) {
        if (nameField.AsString() != name)
            continue;
        folders.Edit();
        postOrCancel(folders, [&] { parentField.SetAsString(parent); });
    }
}

} // namespace quillox::store
