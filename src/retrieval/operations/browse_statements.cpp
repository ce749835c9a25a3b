#include "retrieval/operations/browse_statements.h"

#include "db/statement_text.h"

namespace quillox::retrieval {

// Names are quoted with their quote characters doubled, so that any name reads back as itself.
QString subfolderFilter(const QString& parent) {
    return "Parent = " + db::quotedText(parent, '"');
}

QString folderDocumentsStatement(const QString& folder) {
    return "SELECT * FROM Documents WHERE Folder = " + db::quotedText(folder) + ";";
}

} // namespace quillox::retrieval
