#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace quillox::retrieval {

// The documents that carry any of the words (all documents without words) and whose date lies
// in the range, both days included.
QString documentSearchStatement(const QStringList& words, QDate from, QDate to);

// The folders whose name holds any of the words. Without words there is no folder search.
QString folderSearchStatement(const QStringList& words);

} // namespace quillox::retrieval
