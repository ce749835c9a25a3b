#pragma once

#include <QString>

namespace quillox::retrieval {

// The filter that leaves the folders directly below the named one ("-" for the top level).
QString subfolderFilter(const QString& parent);

// The statement that lists the documents filed in the named folder.
QString folderDocumentsStatement(const QString& folder);

} // namespace quillox::retrieval
