#pragma once

#include <QString>

class PlainDb;

// The baseline of a window's statement on plain SQLite: the statement prepared and stepped to
// its end, the text of every column of every row read. Returns the number of rows.
int answerOnPlainSqlite(PlainDb& db, const QString& statement);
