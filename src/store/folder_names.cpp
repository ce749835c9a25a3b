#include "store/folder_names.h"

#include "db/statement_text.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"
#include "db/text_rules.h"
#include "store/table_columns.h"
#include "store/table_names.h"
#include "store/tag_words.h"

#include <algorithm>

namespace quillox::store {
namespace {

const QString topLevelSuffix = " FOLDER";
const QString subfolderSuffix = " SUBFOLDER";

int nameWidth() {
    return columnWidth(foldersColumns(), nameColumn);
}

} // namespace

QString newFolderName(const QString& typed, bool topLevel) {
    const QString name = upperCaseTagText(typed) + (topLevel ? topLevelSuffix : subfolderSuffix);
    return QString::fromStdString(
        db::cutToWidth(name.toStdString(), static_cast<std::size_t>(nameWidth())));
}

// Upper-casing a to z keeps the bytes' count; the longer suffix is the one to leave room for.
int typedFolderNameWidth() {
    return nameWidth() - static_cast<int>(std::max(topLevelSuffix.size(), subfolderSuffix.size()));
}

// A query of its own, so that the shared cursor and filter of the table stay as they are.
bool folderNameTaken(db::TDbTable& folders, const QString& name) {
    db::TDbQuery query;
    query.SetDatabaseName(folders.DatabaseName());
    query.SQL().Add("SELECT " + idColumn + " FROM " + folders.TableName() + " WHERE " + nameColumn +
                    " = " + db::quotedText(name));
    query.Open();
    return !query.Eof();
}

} // namespace quillox::store
