#pragma once

#include <QStringList>

// The baseline of a window that lists a query's result: the statement opened on a query of its
// own on the data module's database, and the named fields of every row read as text, as the
// window sends and shows them. The window's own query, which its grid may still read, is left
// alone. Returns the number of rows.
int openAndRead(const QString& statement, const QStringList& fields);
