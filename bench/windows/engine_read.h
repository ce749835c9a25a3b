#pragma once

#include <QStringList>

namespace quillox::db {
class TDbQuery;
}

// The baseline of a window that lists a query's result: the query closed, given the statement,
// opened, and the named fields of every row read as text, as the window sends and shows them.
// Returns the number of rows.
int openAndRead(quillox::db::TDbQuery& query, const QString& statement, const QStringList& fields);
