#include "store/add_folder.h"

#include "db/tdb_table.h"
#include "platform/user_error.h"
#include "store/folder_names.h"
#include "store/misc_ops.h"
#include "store/post_or_cancel.h"
#include "store/table_names.h"

namespace quillox::store {

void addFolder(db::TDbTable& folders, const QString& name, const QString& parent, int picture) {
    if (folderNameTaken(folders, name)) {
        throw platform::UserError("A folder named \"" + name +
                                  "\" already exists. Choose another name");
    }
    const int id = nextId(folders);
    folders.Append();
    postOrCancel(folders, [&] {
        folders.FieldByName(idColumn).SetAsInteger(id);
        folders.FieldByName(nameColumn).SetAsString(name);
        folders.FieldByName(parentColumn).SetAsString(parent);
        folders.FieldByName(pictureColumn).SetAsInteger(picture);
    });
}

} // namespace quillox::store
