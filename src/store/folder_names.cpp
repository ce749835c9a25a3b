#include "store/folder_names.h"

#include "db/statement_text.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"
#include "db/text_rules.h"
#include "store/table_names.h"
#include "store/tag_words.h"

namespace quillox::store {
namespace {

constexpr std::size_t nameWidth = 100;

} // namespace

QString newFolderName(const QString& typed, bool topLevel) {
    const QString name = upperCaseTagText(typed) + (topLevel ? " FOLDER" : " SUBFOLDER");
    return QString::fromStdString(db::cutToWidth(name.toStdString(), nameWidth));
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
